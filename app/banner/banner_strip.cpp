#include "app/banner/banner_strip.h"

#include "app/banner/banner_browser.h"
#include "app/services/shell_launcher.h"
#include "app/services/site_address.h"
#include "app/widgets/clickable_label.h"
#include "app/window/window_styles.h"
#include "ui_banner_strip.h"

#include <QHostAddress>
#include <QHostInfo>
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

// The browser's events run handlers of this strip: it goes while the
// members they use still exist, and null first, so that an event it reports
// while being destroyed finds no browser to work on.
BannerStrip::~BannerStrip()
{
    delete std::exchange(m_webBrowser, nullptr);
}

void BannerStrip::requestBannerPage()
{
    m_bannerNavigationWanted = true;
}

void BannerStrip::createWebBrowser()
{
    if (m_hostLookupStarted)
        return;
    m_hostLookupStarted = true;
    const QString host = QUrl(m_source.address).host();
    if (!QHostAddress(host).isNull()) {
        createWebBrowserForResolvedHost();
        return;
    }
    // An unknown host fails the navigation anyway: without a network, or with
    // a host that resolves nowhere, the picture shows at once and Qt
    // WebEngine's hundreds of megabytes are never spent.
    const DefaultErrorDisplay &errors = *services().errors;
    QHostInfo::lookupHost(host, this, [this, &errors](const QHostInfo &found) {
        errors.guarded([this, found] {
            if (found.error() == QHostInfo::NoError && !found.addresses().isEmpty())
                createWebBrowserForResolvedHost();
            else
                WebBrowser1NavigateError();
        });
    });
}

void BannerStrip::createWebBrowserForResolvedHost()
{
    m_bannerModule = std::make_unique<BannerBrowserModule>(m_source.modulePath);
    const DefaultErrorDisplay &errors = *services().errors;
    BannerBrowserEvents events;
    events.documentComplete = [this, &errors] { errors.guarded([this] { WebBrowser1DocumentComplete(); }); };
    events.navigateError = [this, &errors] { errors.guarded([this] { WebBrowser1NavigateError(); }); };
    events.openOutside = [this, &errors](const QUrl &url) {
        errors.guarded([this, url] { WebBrowser1LinkFollowed(url); });
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
    services().shellLauncher->openWebAddress(QUrl(SiteAddress()));
}

// Runs for every completed document. Showing the browser matters only for
// the first one; after a failure it shows inside the hidden Panel7, unseen.
void BannerStrip::WebBrowser1DocumentComplete()
{
    if (!m_webBrowser)
        return;
    m_bannerModule->turnOffScrollBars(m_webBrowser);
    m_webBrowser->show();
}

// Final for the run: nothing shows Panel7 again. The navigation itself is
// neither stopped nor cancelled.
void BannerStrip::WebBrowser1NavigateError()
{
    m_ui->Panel7->hide();
}

// The banner is a remote page with scripts on: whatever address it offers
// leaves the program only as a web address for the default browser, and
// only when it is one (http or https). A file:, data: or javascript:
// address, or a program's path, goes nowhere.
void BannerStrip::WebBrowser1LinkFollowed(const QUrl &address)
{
    if (IsWebAddress(address))
        services().shellLauncher->openWebAddress(address);
}

} // namespace pellumo
