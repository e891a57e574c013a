// The pages without a calculation: "新办法" (the fee regulation and the
// Supreme People's Court's notice on applying it), "关于" and the status bar.
// They are filled once here and never change.

#include "app/clickable_label.h"
#include "app/main_window.h"
#include "app/site_address.h"

#include "ui_about_page.h"
#include "ui_main_window.h"
#include "ui_reference_page.h"
#include "ui_status_bar.h"

#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <functional>
#include <utility>

namespace pellumo {
namespace {

QString ReferenceText()
{
    QFile file(QStringLiteral(":/texts/reference_text.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// The maker's mail box lives on the site's own domain, without "www.".
QString ContactMailAddress()
{
    QString domain = SiteHost();
    if (domain.startsWith(QLatin1String("www.")))
        domain.remove(0, 4);
    return QStringLiteral("orvane@") + domain;
}

// Ten lines: four of particulars, an empty line, two of aims, an empty line
// and two of contact.
QString AboutLines()
{
    const QStringList lines = {
        QStringLiteral("软件名称：Pellumo 诉讼费用计算器"),
        QStringLiteral("版　　本：V6.2（第6版）"),
        QStringLiteral("制　　作：OrvaneKivrel站"),
        QStringLiteral("计算项目：诉讼费、利息、违约金、日期"),
        QString(),
        QStringLiteral("宗旨：为法院工作人员和律师提供"),
        QStringLiteral("　　　简便、准确的诉讼计算工具。"),
        QString(),
        QStringLiteral("网址：") + SiteAddress(),
        QStringLiteral("邮箱：") + ContactMailAddress(),
    };
    return lines.join(QLatin1Char('\n'));
}

// 宋体 at 13 px has a 14 px line; the CJK fonts of other systems have a much
// taller one, which would push the contact lines out of Memo1's 140 px.
constexpr int AboutLineHeight = 14;

void ShowAboutLines(QTextEdit *memo)
{
    memo->document()->setDocumentMargin(0);
    memo->setPlainText(AboutLines());
    QTextCursor cursor(memo->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat lines;
    lines.setLineHeight(AboutLineHeight, QTextBlockFormat::FixedHeight);
    cursor.mergeBlockFormat(lines);
}

// Label32's box is 13 px high, exactly the line of 宋体 at 13 px. The CJK
// fonts of other systems have a taller line, and centred in the box their
// underline falls just below it. This draws the caption centred across and
// lifted just enough to keep the underline inside the box.
class UnderlinedCaptionPainter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *label = qobject_cast<QLabel *>(watched);
        if (!label || event->type() != QEvent::Paint)
            return false;
        const QFontMetrics metrics(label->font());
        const int underlineRow = metrics.ascent() + metrics.underlinePos() + metrics.lineWidth();
        const int top = qMin((label->height() - metrics.height()) / 2, label->height() - 1 - underlineRow);
        QPainter painter(label);
        painter.setFont(label->font());
        painter.setPen(label->palette().color(label->foregroundRole()));
        painter.drawText(QRect(0, top, label->width(), metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                         label->text());
        return true;
    }
};

// Runs a function the first time a page is shown, then removes itself.
class OnFirstShow : public QObject
{
public:
    OnFirstShow(QWidget *page, std::function<void()> action) : QObject(page), m_action(std::move(action))
    {
        page->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && m_action) {
            std::exchange(m_action, nullptr)();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

}  // namespace

void TForm1::setUpFixedPages()
{
    m_reference = std::make_unique<Ui::ReferencePage>();
    m_reference->setupUi(m_ui->TabSheet8);
    // Laying out the regulation's text takes as long as building a page; it
    // is done when its page is first shown.
    new OnFirstShow(m_ui->TabSheet8, [this] { m_reference->RichEdit1->setPlainText(ReferenceText()); });

    m_about = std::make_unique<Ui::AboutPage>();
    m_about->setupUi(m_ui->TabSheet3);
    ShowAboutLines(m_about->Memo1);
    bind(m_about->Image2, &ClickableLabel::clicked, &TForm1::Image2Click);
}

void TForm1::setUpStatusBar()
{
    m_statusBar = std::make_unique<Ui::StatusBar>();
    m_statusBar->setupUi(m_ui->Panel10);
    m_statusBar->Labelhttp->setText(SiteAddress());
    m_statusBar->Label32->installEventFilter(new UnderlinedCaptionPainter(m_statusBar->Label32));
    bind(m_statusBar->Label32, &ClickableLabel::clicked, &TForm1::Label32Click);
}

}  // namespace pellumo
