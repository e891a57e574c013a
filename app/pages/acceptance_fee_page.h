#pragma once

#include "app/pages/page.h"

#include <QPointer>

#include <memory>

namespace Ui {
class AcceptanceFeePage;
}

namespace pellumo {

class AllFeesWindow;
class Money;

struct BaseAmounts;
class TForm2;

// The page "受理费": the case acceptance fee of a typed amount for property,
// divorce and personality-rights cases, in full or halved, in figures or in
// words; the base amounts of the last two come from setjs.rar and are set in
// the base-amount dialog, which this page owns.
class AcceptanceFeePage : public Page
{
    Q_OBJECT
public:
    AcceptanceFeePage(const PageServices &services, QWidget *parent = nullptr);
    ~AcceptanceFeePage() override;

    TForm2 *baseAmountDialog() const { return m_baseAmountDialog; }

    // The window's first activation: the focus goes to the amount and the
    // base-amount caption is read from setjs.rar.
    void showAtFirstActivation();

private:
    void edtBdKeyPress();
    void edtBdChange();
    void Button1Click();
    void SpeedButtonjishuClick();
    void ShowBaseAmounts(const QString &D, const QString &P);
    void Image4Click();
    void allFeesButtonClick();
    void allFeesLocalStandardsSaved();

    BaseAmounts readAndShowBaseAmounts();
    void showFees(const Money &amount, const BaseAmounts &amounts);

    std::unique_ptr<Ui::AcceptanceFeePage> m_ui;
    QPointer<AllFeesWindow> m_allFeesWindow;
    TForm2 *m_baseAmountDialog = nullptr;
};

} // namespace pellumo
