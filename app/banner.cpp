// The banner strip at the top of the window: the maker's banner page in an
// embedded browser (Panel7 with WebBrowser1) in front of the static picture
// Image3. The first failed navigation hides Panel7 for the rest of the run,
// so the picture shows and can be clicked.
//
// The browser costs a noticeable moment and much memory, so it is created
// only after the window has been painted for the first time (see
// TForm1::paintEvent); FormCreate, run at the end of construction, only
// records that the banner page is wanted.

#include "app/clickable_label.h"
#include "app/main_window.h"

#include "ui_main_window.h"

#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <functional>

namespace pellumo {
namespace {

// The banner has no scroll bars whatever the size of its content. The
// "scroll" property is what older browsers read; overflow is what this one
// reads. A document without a body is left as it loaded.
const QString TurnOffScrollBarsScript = QStringLiteral("if (document.body) {"
                                                       "  document.body.scroll = 'no';"
                                                       "  document.body.style.overflow = 'hidden';"
                                                       "  document.documentElement.style.overflow = 'hidden';"
                                                       "}");

// A 467 x 73 strip is no place to browse in: a link the user follows in the
// banner opens in the default browser instead, and so does a link that asks
// for a new window.
class BannerPage : public QWebEnginePage
{
public:
    using OpenOutside = std::function<void(const QUrl &)>;

    BannerPage(QWebEngineProfile *profile, QObject *parent, OpenOutside openOutside, bool isPopup = false)
        : QWebEnginePage(profile, parent), m_openOutside(std::move(openOutside)), m_isPopup(isPopup)
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (m_isPopup || (isMainFrame && type == NavigationTypeLinkClicked)) {
            m_openOutside(url);
            if (m_isPopup)
                deleteLater();
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }

    // The address of a new window is known only once it navigates, so an
    // invisible page takes that first navigation and hands it on.
    QWebEnginePage *createWindow(WebWindowType) override
    {
        return new BannerPage(profile(), this, m_openOutside, true);
    }

private:
    OpenOutside m_openOutside;
    bool m_isPopup;
};

}  // namespace

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
    // No storage name: an off-the-record profile, which keeps no cache or
    // cookies in the user's home folder. Created after the window's own
    // children, it is destroyed after the page that uses it.
    auto *profile = new QWebEngineProfile(this);
    m_webBrowser = new QWebEngineView(m_ui->Panel7);
    m_webBrowser->setObjectName(QStringLiteral("WebBrowser1"));
    auto *page = new BannerPage(profile, m_webBrowser, [this](const QUrl &url) {
        guarded([this, url] { ShellOpen(url.toString()); });
    });
    // A page that fails must never show an error page in the strip.
    page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    page->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    m_webBrowser->setPage(page);
    m_webBrowser->setContextMenuPolicy(Qt::NoContextMenu);

    auto *layout = new QVBoxLayout(m_ui->Panel7);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_webBrowser);
    // Until a document has loaded, Panel7 shows empty: an HTTP error page
    // with a body of its own is never painted before the failure hides it.
    m_webBrowser->hide();

    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
            guarded([this] { WebBrowser1DocumentComplete(); });
        else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
            guarded([this] { WebBrowser1NavigateError(); });
    });

    if (m_bannerNavigationWanted)
        m_webBrowser->load(QUrl(m_services.bannerAddress));
}

// Runs for every completed document. Showing the browser matters only for
// the first one; after a failure it shows inside the hidden Panel7, unseen.
void TForm1::WebBrowser1DocumentComplete()
{
    m_webBrowser->page()->runJavaScript(TurnOffScrollBarsScript);
    m_webBrowser->show();
}

// Final for the run: nothing shows Panel7 again. The navigation itself is
// neither stopped nor cancelled.
void TForm1::WebBrowser1NavigateError()
{
    m_ui->Panel7->hide();
}

}  // namespace pellumo
