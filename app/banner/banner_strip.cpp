#include "app/banner/banner_strip.h"

#include "app/banner/banner_browser.h"
#include "app/services/shell_launcher.h"
#include "app/services/site_address.h"
#include "app/widgets/clickable_label.h"
#include "app/window/window_styles.h"
#include "ui_banner_strip.h"

#include <QVBoxLayout>
#include <utility>

namespace pellumo {

BannerStrip::BannerStrip(const PageServices &services, BannerSource source, QWidget *parent)
    : PageOf<QFrame>(services, parent), m_ui(std::make_unique<Ui::BannerStrip>()), m_source(std::move(source))
{
    {
        const StylesWhileBuilding styles;
        m_ui->setupUi(this);
    }
    bind(m_ui->Image3, &ClickableLabel::clicked, &BannerStrip::Image3Click);
    if (!m_source.load)
        m_ui->Panel7->hide();
}

BannerStrip::~BannerStrip() = default;

void BannerStrip::requestBannerPage()
{
    m_bannerNavigationWanted = true;
}

void BannerStrip::createWebBrowser()
{
    if (m_webBrowser)
        return;
    m_bannerModule = std::make_unique<BannerBrowserModule>(m_source.modulePath);
    const DefaultErrorDisplay &errors = *services().errors;
    ShellLauncher &shell = *services().shellLauncher;
    BannerBrowserEvents events;
    events.documentComplete = [this, &errors] { errors.guarded([this] { WebBrowser1DocumentComplete(); }); };
    events.navigateError = [this, &errors] { errors.guarded([this] { WebBrowser1NavigateError(); }); };
    events.openOutside = [&errors, &shell](const QUrl &url) {
        errors.guarded([&shell, url] { shell.open(url.toString()); });
    };
    m_webBrowser = m_bannerModule->create(m_ui->Panel7, events);
    if (!m_webBrowser) {
        // Without its browser the strip shows the static picture, as after
        // any other failure to load the banner page.
        WebBrowser1NavigateError();
        return;
    }
    m_webBrowser->setObjectName(QStringLiteral("WebBrowser1"));
    auto *layout = new QVBoxLayout(m_ui->Panel7);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_webBrowser);
    // Until a document has loaded, Panel7 shows empty: an HTTP error page
    // with a body of its own is never painted before the failure hides it.
    m_webBrowser->hide();

    if (m_bannerNavigationWanted)
        m_bannerModule->navigate(m_webBrowser, QUrl(m_source.address));
}

void BannerStrip::copy(const QString &text)
{
    QLineEdit *carrier = m_ui->Edit1;
    carrier->setText(text);
    carrier->selectAll();
    carrier->copy();
}

void BannerStrip::Image3Click()
{
    services().shellLauncher->open(SiteAddress());
}

// Runs for every completed document. Showing the browser matters only for
// the first one; after a failure it shows inside the hidden Panel7, unseen.
void BannerStrip::WebBrowser1DocumentComplete()
{
    m_bannerModule->turnOffScrollBars(m_webBrowser);
    m_webBrowser->show();
}

// Final for the run: nothing shows Panel7 again. The navigation itself is
// neither stopped nor cancelled.
void BannerStrip::WebBrowser1NavigateError()
{
    m_ui->Panel7->hide();
}

} // namespace pellumo
