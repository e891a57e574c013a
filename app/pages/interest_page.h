#pragma once

#include "app/pages/page.h"

#include <memory>

namespace Ui {
class InterestPage;
}

namespace pellumo {

class RateTable;

// The page "迟延利息": the interest on a debt for delayed performance between
// two days, at the benchmark rates of set.rar, and the online update of that
// rate table.
class InterestPage : public Page
{
    Q_OBJECT
public:
    InterestPage(const PageServices &services, QWidget *parent = nullptr);
    ~InterestPage() override;

private:
    void EditmoneyKeyPress();
    void Button4Click();
    void SpeedButton9Click();
    void DateTimePickerendChange();

    std::unique_ptr<Ui::InterestPage> m_ui;
    std::unique_ptr<RateTable> m_rateTable;
};

} // namespace pellumo
