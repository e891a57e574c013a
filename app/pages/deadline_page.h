#pragma once

#include "app/pages/page.h"

#include <memory>

namespace Ui {
class DeadlinePage;
}

namespace pellumo {

// The page "日期计算": the day a number of days after a start day, its
// weekday, and whether it falls on a weekend or an official day off.
class DeadlinePage : public Page
{
    Q_OBJECT
public:
    DeadlinePage(const PageServices &services, QWidget *parent = nullptr);
    ~DeadlinePage() override;

private:
    void Edit2KeyPress();
    void SpeedButton1Click();
    void SpeedButton2MouseEnter();
    void SpeedButton2MouseLeave();

    std::unique_ptr<Ui::DeadlinePage> m_ui;
};

} // namespace pellumo
