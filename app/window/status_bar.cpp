#include "app/window/status_bar.h"

#include "app/services/shell_launcher.h"
#include "app/services/site_address.h"
#include "app/widgets/clickable_label.h"
#include "app/window/window_styles.h"
#include "ui_status_bar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace pellumo {
namespace {

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

} // namespace

StatusBar::StatusBar(const PageServices &services, QWidget *parent)
    : PageOf<QFrame>(services, parent), m_ui(std::make_unique<Ui::StatusBar>())
{
    {
        const StylesWhileBuilding styles;
        m_ui->setupUi(this);
    }
    m_ui->Labelhttp->setText(SiteAddress());
    m_ui->Label32->installEventFilter(new UnderlinedCaptionPainter(m_ui->Label32));
    bind(m_ui->Label32, &ClickableLabel::clicked, &StatusBar::Label32Click);
}

StatusBar::~StatusBar() = default;

// The hidden label holds the address; it is read at the click, not at start.
void StatusBar::Label32Click()
{
    services().shellLauncher->openWebAddress(QUrl(m_ui->Labelhttp->text(), QUrl::StrictMode));
}

} // namespace pellumo
