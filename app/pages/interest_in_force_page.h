#pragma once

#include "app/pages/page.h"
#include "app/printing/calculation_sheet.h"
#include "interest/segmented_interest_text.h"

#include <QDate>
#include <QPointer>
#include <memory>

namespace Ui {
class InterestInForcePage;
}

namespace pellumo {

class ExecutionLedgerWindow;
class PrivateLendingWindow;
class OfficialCalendarSource;
class RateHistoryFile;

// The page "分段计息": interest on a sum between two days, segment by segment
// at the rates in force on each day (按同期利率分段计息), or the doubled
// part of the debt interest for delayed performance under 法释〔2014〕8号,
// with a button that copies the whole calculation as text and two that print
// it (打印…, 导出PDF…), after asking for the 案号 and the 当事人.
//
// The amount field takes digits with at most two decimals. While it is empty
// or holds an unfinished text (a lone "."), while the multiplier is not a
// positive number and while 加点 is empty or a lone "-", the page keeps what
// it shows: no message, no reset. Beside 倍数 the page takes a contract's
// terms: 加点 in basis points, 重定价 and the day counting.
class InterestInForcePage : public Page
{
    Q_OBJECT
public:
    InterestInForcePage(const PageServices &services, QWidget *parent = nullptr);
    ~InterestInForcePage() override;

private:
    void EditPrincipalKeyPress();
    void ComboBoxCalculationChange();
    void ComboBoxRepricingChange();
    void InputChange();
    void SpeedButtonCopyClick();
    void SpeedButtonLedgerClick();
    void SpeedButtonPrivateLendingClick();

    bool doubledDelay() const;
    // The sheet of the calculation on screen; nothing while there is none.
    std::optional<CalculationSheet> shownSheet();

    std::unique_ptr<Ui::InterestInForcePage> m_ui;
    std::unique_ptr<RateHistoryFile> m_history;
    // The last complete calculation, whose text the copy button builds only
    // when it is clicked.
    SegmentedInterestRequest m_shownRequest;
    SegmentedInterest m_shownResult;
    QDate m_shownKnownThrough;
    int m_shownHistoryVersion = 0;
    // Only named on the sheet: the data versions it lists.
    // Read at the first print, for the version the sheet names: the page
    // itself never needs the calendar.
    std::unique_ptr<OfficialCalendarSource> m_calendar;
    // The window 执行款计算 of this page, once opened: one per page.
    QPointer<ExecutionLedgerWindow> m_ledgerWindow;
    // The window 民间借贷利息, once opened: one per page.
    QPointer<PrivateLendingWindow> m_privateLendingWindow;
};

} // namespace pellumo
