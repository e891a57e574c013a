// The banner strip at the top of the window: the maker's banner page in an
// embedded browser (Panel7 with WebBrowser1) in front of the static picture
// Image3. The first failed navigation hides Panel7 for the rest of the run,
// so the picture shows and can be clicked.
//
// The browser costs a noticeable moment and much memory, so it is created
// only after the window has been painted for the first time (see
// TForm1::paintEvent), from a module loaded then (banner_browser.h);
// FormCreate, run at the end of construction, only records that the banner
// page is wanted.

#include "app/banner_browser.h"
#include "app/clickable_label.h"
#include "app/main_window.h"

#include "ui_main_window.h"

#include <QVBoxLayout>

namespace pellumo {

void TForm1::setUpBanner()
{
    bind(m_ui->Image3, &ClickableLabel::clicked, &TForm1::Image3Click);
    // Without a browser this run, the static picture is the banner.
    if (!m_services.loadBanner)
        m_ui->Panel7->hide();
}

void TForm1::FormCreate()
{
    m_bannerNavigationWanted = true;
}

void TForm1::createWebBrowser()
{
    if (m_webBrowser)
        return;
    m_bannerModule = std::make_unique<BannerBrowserModule>(m_services.bannerModulePath);
    BannerBrowserEvents events;
    events.documentComplete = [this] { guarded([this] { WebBrowser1DocumentComplete(); }); };
    events.navigateError = [this] { guarded([this] { WebBrowser1NavigateError(); }); };
    events.openOutside = [this](const QUrl &url) { guarded([this, url] { ShellOpen(url.toString()); }); };
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
        m_bannerModule->navigate(m_webBrowser, QUrl(m_services.bannerAddress));
}

// Runs for every completed document. Showing the browser matters only for
// the first one; after a failure it shows inside the hidden Panel7, unseen.
void TForm1::WebBrowser1DocumentComplete()
{
    m_bannerModule->turnOffScrollBars(m_webBrowser);
    m_webBrowser->show();
}

// Final for the run: nothing shows Panel7 again. The navigation itself is
// neither stopped nor cancelled.
void TForm1::WebBrowser1NavigateError()
{
    m_ui->Panel7->hide();
}

}  // namespace pellumo
