#pragma once

#include "app/services/default_error_display.h"
#include "app/services/page_services.h"

#include <QWidget>

namespace pellumo {

// The base of every page of the tab control (Page) and of the window's two
// strips (PageOf<QFrame>): a widget that owns its controls (from its own .ui
// file), its handlers and its state, and reaches everything else through the
// services it is given, never through the window.
//
// A page connects each handler with bind(), which runs it through the
// default error display.
template <typename Widget>
class PageOf : public Widget
{
public:
    PageOf(const PageServices &services, QWidget *parent) : Widget(parent), m_services(services) {}

protected:
    const PageServices &services() const { return m_services; }

    template <typename Sender, typename Signal, typename Owner>
    void bind(Sender *sender, Signal signal, void (Owner::*handler)())
    {
        auto *owner = static_cast<Owner *>(this);
        QObject::connect(sender, signal, this, [this, owner, handler] {
            m_services.errors->guarded([owner, handler] { (owner->*handler)(); });
        });
    }

private:
    PageServices m_services;
};

using Page = PageOf<QWidget>;

} // namespace pellumo
