#include "app/banner/banner_browser.h"

#include <QLibrary>
#include <QWidget>

namespace pellumo {

bool BannerBrowserModule::load()
{
    if (m_create)
        return true;
    QLibrary module(m_modulePath);
    if (!module.load())
        return false;
    m_create = reinterpret_cast<CreateBannerBrowserFunction>(module.resolve(CreateBannerBrowserName));
    m_navigate = reinterpret_cast<NavigateBannerFunction>(module.resolve(NavigateBannerName));
    m_turnOffScrollBars =
        reinterpret_cast<TurnOffBannerScrollBarsFunction>(module.resolve(TurnOffBannerScrollBarsName));
    if (!m_create || !m_navigate || !m_turnOffScrollBars) {
        m_create = nullptr;
        return false;
    }
    return true;  // the module stays loaded for the rest of the run
}

QWidget *BannerBrowserModule::create(QWidget *parent, const BannerBrowserEvents &events)
{
    if (!load())
        return nullptr;
    return m_create(parent, &events);
}

void BannerBrowserModule::navigate(QWidget *browser, const QUrl &address) const
{
    if (m_navigate)
        m_navigate(browser, &address);
}

void BannerBrowserModule::turnOffScrollBars(QWidget *browser) const
{
    if (m_turnOffScrollBars)
        m_turnOffScrollBars(browser);
}

} // namespace pellumo
