#pragma once

#include "app/pages/page.h"

#include <memory>

namespace Ui {
class DamagesPage;
}

namespace pellumo {

// The page "违约金": liquidated damages on a debt at an agreed daily, monthly
// or annual rate between two days.
class DamagesPage : public Page
{
    Q_OBJECT
public:
    DamagesPage(const PageServices &services, QWidget *parent = nullptr);
    ~DamagesPage() override;

private:
    void Edit3KeyPress();
    void Button3Click();
    void SpeedButton10Click();
    void ClearDamages();

    std::unique_ptr<Ui::DamagesPage> m_ui;
};

} // namespace pellumo
