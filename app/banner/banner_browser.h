#pragma once

// The embedded browser of the banner strip lives in a module of its own,
// pellumo_banner, which the window loads only after its first paint. Linked
// into the program, Qt WebEngine alone would double the time to the first
// paint and add some 85 MB before anything shows; loaded late, it costs
// nothing until the window is on screen.
//
// This header is all the window and the module share: three plain C entry
// points and the events the browser reports back.

#include <QUrl>
#include <functional>

class QWidget;

namespace pellumo {

struct BannerBrowserEvents {
    std::function<void()> documentComplete;               // a document or frame finished loading
    std::function<void()> navigateError;                  // a navigation failed, HTTP errors included
    std::function<void(const QUrl &)> openOutside;        // a link the user followed
};

// The module's entry points, by these names.
using CreateBannerBrowserFunction = QWidget *(*)(QWidget *parent, const BannerBrowserEvents *events);
using NavigateBannerFunction = void (*)(QWidget *browser, const QUrl *address);
using TurnOffBannerScrollBarsFunction = void (*)(QWidget *browser);

inline constexpr char CreateBannerBrowserName[] = "PellumoCreateBannerBrowser";
inline constexpr char NavigateBannerName[] = "PellumoNavigateBanner";
inline constexpr char TurnOffBannerScrollBarsName[] = "PellumoTurnOffBannerScrollBars";

// The module as the window uses it: loaded on first use from modulePath (a
// path without the platform's prefix and suffix, as QLibrary takes it).
class BannerBrowserModule
{
public:
    explicit BannerBrowserModule(QString modulePath) : m_modulePath(std::move(modulePath)) {}

    // Null when the module cannot be loaded; the banner then counts as failed.
    QWidget *create(QWidget *parent, const BannerBrowserEvents &events);
    void navigate(QWidget *browser, const QUrl &address) const;
    void turnOffScrollBars(QWidget *browser) const;

private:
    bool load();

    QString m_modulePath;
    CreateBannerBrowserFunction m_create = nullptr;
    NavigateBannerFunction m_navigate = nullptr;
    TurnOffBannerScrollBarsFunction m_turnOffScrollBars = nullptr;
};

} // namespace pellumo
