#include "app/pages/about_page.h"

#include "app/services/shell_launcher.h"
#include "app/services/site_address.h"
#include "app/widgets/clickable_label.h"
#include "app/window/window_styles.h"
#include "ui_about_page.h"

#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace pellumo {
namespace {

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

} // namespace

AboutPage::AboutPage(const PageServices &services, QWidget *parent)
    : Page(services, parent), m_ui(std::make_unique<Ui::AboutPage>())
{
    {
        const StylesWhileBuilding styles;
        m_ui->setupUi(this);
    }
    ShowAboutLines(m_ui->Memo1);
    bind(m_ui->Image2, &ClickableLabel::clicked, &AboutPage::Image2Click);
}

AboutPage::~AboutPage() = default;

void AboutPage::Image2Click()
{
    services().shellLauncher->openWebAddress(QUrl(SiteAddress()));
}

} // namespace pellumo
