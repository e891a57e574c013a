// The banner browser module: a QWebEngineView on an off-the-record profile
// that never shows an error page and keeps the user's links out of the strip.

#include "app/banner/banner_browser.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <memory>

// Exported by QtGui, declared only in its private headers.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace pellumo {
namespace {

// Qt WebEngine draws through an OpenGL context shared with the application,
// which a program linked with it creates before its application object (at
// a cost to every start). Loaded late, the module creates that context
// itself, before the first browser; without it the browser would crash on
// an X display.
void EnsureSharedOpenGLContext()
{
    if (QOpenGLContext::globalShareContext())
        return;
    auto *context = new QOpenGLContext(QCoreApplication::instance());
    if (!context->create()) {
        delete context;  // no OpenGL here (offscreen): the browser draws in software
        return;
    }
    qt_gl_set_global_share_context(context);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

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

QWebEngineView *CreateView(QWidget *parent, const BannerBrowserEvents &events)
{
    EnsureSharedOpenGLContext();
    auto *view = new QWebEngineView(parent);
    // No storage name: an off-the-record profile, which keeps no cache or
    // cookies in the user's home folder. Owned by the view, it outlives the
    // page, which the view deletes first as its child created later.
    auto *profile = new QWebEngineProfile(view);
    auto *page = new BannerPage(profile, view, events.openOutside);
    // A page that fails must never show an error page in the strip.
    page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    page->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    view->setPage(page);
    view->setContextMenuPolicy(Qt::NoContextMenu);
    // An HTTP error status is a failed navigation, like a refused connection.
    // So is a first navigation that ends without any document, as when the
    // server sends the page as a file to save: the strip would stay blank.
    auto documentShown = std::make_shared<bool>(false);
    QObject::connect(page, &QWebEnginePage::loadingChanged, view,
                     [events, documentShown](const QWebEngineLoadingInfo &info) {
                         switch (info.status()) {
                         case QWebEngineLoadingInfo::LoadSucceededStatus:
                             *documentShown = true;
                             events.documentComplete();
                             break;
                         case QWebEngineLoadingInfo::LoadFailedStatus:
                             events.navigateError();
                             break;
                         case QWebEngineLoadingInfo::LoadStoppedStatus:
                             if (!*documentShown)
                                 events.navigateError();
                             break;
                         case QWebEngineLoadingInfo::LoadStartedStatus:
                             break;
                         }
                     });
    return view;
}

} // namespace
} // namespace pellumo

extern "C" Q_DECL_EXPORT QWidget *PellumoCreateBannerBrowser(QWidget *parent,
                                                            const pellumo::BannerBrowserEvents *events)
{
    return pellumo::CreateView(parent, *events);
}

extern "C" Q_DECL_EXPORT void PellumoNavigateBanner(QWidget *browser, const QUrl *address)
{
    static_cast<QWebEngineView *>(browser)->load(*address);
}

extern "C" Q_DECL_EXPORT void PellumoTurnOffBannerScrollBars(QWidget *browser)
{
    static_cast<QWebEngineView *>(browser)->page()->runJavaScript(pellumo::TurnOffScrollBarsScript);
}
