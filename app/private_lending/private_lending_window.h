#pragma once

#include "app/pages/page.h"
#include "interest/private_lending.h"

#include <memory>
#include <optional>

namespace Ui {
class PrivateLendingWindow;
}

namespace pellumo {

class RateHistoryFile;
class TextRowsModel;
struct CalculationSheet;

// The window "民间借贷利息": a private loan as the contract and the case give
// it, and below it, recomputed on every change, how much of the agreed
// interest the court may support under the cap of the judicial
// interpretation in force: one row per segment with its rule, rates and
// parts, the totals in figures and in capitals, and the steps with the
// articles; or a message that says why there is no result. The calculation
// can be copied as text, printed or saved as PDF.
class PrivateLendingWindow : public Page
{
    Q_OBJECT
public:
    // `history` is the rate history of the page that opens the window.
    PrivateLendingWindow(const PageServices &services, RateHistoryFile &history, QWidget *parent = nullptr);
    ~PrivateLendingWindow() override;

private:
    void InputChange();
    void ButtonCopyClick();

    std::optional<PrivateLoan> loanOnScreen(QString &problem) const;
    std::optional<CalculationSheet> sheet();
    void showResult(const PrivateLendingResult &result);
    void showMessage(const QString &message, bool fault);

    std::unique_ptr<Ui::PrivateLendingWindow> m_ui;
    RateHistoryFile &m_history;
    TextRowsModel *m_segments;
    // The last computed loan and its result, whose text and sheet the
    // buttons build only when they are clicked.
    PrivateLoan m_shownLoan;
    PrivateLendingResult m_shownResult;
};

} // namespace pellumo
