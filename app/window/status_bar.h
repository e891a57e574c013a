#pragma once

#include "app/pages/page.h"

#include <QFrame>
#include <memory>

namespace Ui {
class StatusBar;
}

namespace pellumo {

// The status bar Panel10 at the foot of the window: the maker's notice and a
// link that opens the maker's web site.
class StatusBar : public PageOf<QFrame>
{
    Q_OBJECT
public:
    StatusBar(const PageServices &services, QWidget *parent = nullptr);
    ~StatusBar() override;

private:
    void Label32Click();

    std::unique_ptr<Ui::StatusBar> m_ui;
};

} // namespace pellumo
