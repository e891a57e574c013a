#pragma once

#include "app/pages/page.h"
#include "app/services/result_clipboard.h"

#include <QFrame>
#include <QUrl>
#include <memory>

namespace Ui {
class BannerStrip;
}

namespace pellumo {

class BannerBrowserModule;

// Where the banner page comes from.
struct BannerSource {
    bool load = true;    // false: no browser this run; the static picture is the banner
    QString address;     // the page the strip loads
    QString modulePath;  // the browser module, without prefix and suffix
};

// The banner strip Panel3 at the top of the window: the maker's banner page
// in an embedded browser (Panel7 with WebBrowser1) in front of the static
// picture Image3. The first failed navigation hides Panel7 for the rest of
// the run, so the picture shows and can be clicked. The hidden Edit1 carries
// the fee pages' results to the clipboard.
//
// The browser costs a noticeable moment and much memory, so the window
// creates it only after its first paint (createWebBrowser), from a module
// loaded then (banner_browser.h), and only when the banner's host resolves:
// a browser that could show nothing but its failure is never loaded.
//
// The browser reports back into the strip and the window's services, so it
// goes first when the strip is destroyed; the window destroys the strip
// before its own members for the same reason.
class BannerStrip : public PageOf<QFrame>, public ResultClipboard
{
    Q_OBJECT
public:
    BannerStrip(const PageServices &services, BannerSource source, QWidget *parent = nullptr);
    ~BannerStrip() override;

    // The banner browser (a QWebEngineView from the banner module), null
    // until createWebBrowser has run.
    QWidget *webBrowser() const { return m_webBrowser; }

    // Records that the banner page is wanted; it is loaded once the browser exists.
    void requestBannerPage();
    // Looks up the banner's host without waiting; when it resolves (a literal
    // address always does), creates the browser from its module, otherwise
    // shows the static picture and leaves the module unloaded.
    void createWebBrowser();

    // Through Edit1, which never takes the focus: the focus stays where it was.
    void copy(const QString &text) override;

private:
    void createWebBrowserForResolvedHost();
    void Image3Click();
    void WebBrowser1DocumentComplete();
    void WebBrowser1NavigateError();
    void WebBrowser1LinkFollowed(const QUrl &address);

    std::unique_ptr<Ui::BannerStrip> m_ui;
    BannerSource m_source;
    std::unique_ptr<BannerBrowserModule> m_bannerModule;
    QWidget *m_webBrowser = nullptr;
    bool m_bannerNavigationWanted = false;
    bool m_hostLookupStarted = false;
};

} // namespace pellumo
