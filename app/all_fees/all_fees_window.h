#pragma once

#include "app/all_fees/fee_calculation.h"
#include "app/pages/page.h"

#include <QPointer>
#include <memory>
#include <optional>

class QTreeWidgetItem;

namespace Ui {
class AllFeesWindow;
}

namespace pellumo {

class LocalStandardsDialog;

// The window 全部收费项目: every fee of the Measures, chosen from a list
// grouped as the Measures group them, computed on every keystroke with its
// reductions and its steps, copied, printed or exported as a whole. Opened
// from the two fee pages; the local amounts of the ranged fees are set in
// its dialog 本地标准.
class AllFeesWindow : public Page
{
    Q_OBJECT
public:
    explicit AllFeesWindow(const PageServices &services, FeeKind initialKind = FeeKind::Property,
                           QWidget *parent = nullptr);
    ~AllFeesWindow() override;

    FeeKind currentKind() const { return m_kind; }
    void selectKind(FeeKind kind);

    // The calculation on screen; none while the window shows a message instead of a fee.
    const std::optional<FeeCalculation> &shownCalculation() const { return m_shown; }

    LocalStandardsDialog *localStandardsDialog() const { return m_localStandardsDialog; }

    // The settings files changed elsewhere (the base-amount dialog): the fee
    // on screen is computed again with them.
    void settingsChanged();

Q_SIGNALS:
    // After a save in the dialog 本地收费标准, which also writes the base amounts of setjs.rar.
    void localStandardsSaved();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void kindListCurrentItemChanged();
    void amountEditChange();
    void amountEditKeyPress();
    void copyButtonClick();
    void localStandardsButtonClick();
    void closeButtonClick();
    void localStandardsDialogAccepted();

    void fillKindList();
    void shareWidthWithKindList();
    void enableForKind();
    void recalculate();
    void showFee(const std::optional<Money> &amount);
    void showMessage(const QString &message);
    std::optional<CalculationSheet> sheet() const;

    std::unique_ptr<Ui::AllFeesWindow> m_ui;
    FeeKind m_kind = FeeKind::Property;
    std::optional<FeeCalculation> m_shown;
    LocalStandardsDialog *m_localStandardsDialog = nullptr;
    bool m_widthShared = false;
};

// The button 全部收费项目… of a fee page: one window per page, built at the
// first press with the page's services and the kind that fits the page,
// shown and raised at every press; it keeps its calculation when closed.
void OpenAllFeesWindow(QPointer<AllFeesWindow> &window, const PageServices &services, FeeKind initialKind,
                       QWidget *page);

}  // namespace pellumo
