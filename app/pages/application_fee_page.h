#pragma once

#include "app/pages/page.h"

#include <QPointer>

#include <memory>

namespace Ui {
class ApplicationFeePage;
}

namespace pellumo {

class AllFeesWindow;
class Money;

// The page "申请费": the execution, preservation and payment-order fees of a
// typed amount, in figures or in words.
class ApplicationFeePage : public Page
{
    Q_OBJECT
public:
    ApplicationFeePage(const PageServices &services, QWidget *parent = nullptr);
    ~ApplicationFeePage() override;

private:
    void Edit7KeyPress();
    void Edit7Change();
    void Button2Click();
    void Image4Click();
    void allFeesButtonClick();

    void showFees(const Money &amount);

    std::unique_ptr<Ui::ApplicationFeePage> m_ui;
    QPointer<AllFeesWindow> m_allFeesWindow;
};

} // namespace pellumo
