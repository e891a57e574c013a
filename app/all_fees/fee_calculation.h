#pragma once
// A fee as the window 全部收费项目 shows it, and the two forms it leaves the
// window in: the text of 复制 and the sheet of 打印… and 导出PDF….
#include "app/printing/calculation_sheet.h"
#include "fees/fee_schedule.h"

#include <QDate>
#include <QString>
#include <optional>

namespace pellumo {

struct FeeCalculation {
    FeeKind kind = FeeKind::Property;
    std::optional<Money> amount;  // none for a kind without one, or an optional amount left empty
    Reductions reductions;        // only those that applied
    QString caseNumber;           // 案号, may be empty
    QString parties;              // 当事人, may be empty
    FeeResult result;             // computed: its error is empty
};

// The reductions that applied, each with its article ("以调解方式结案或者当事人申请撤诉（第十五条）").
QStringList ReductionNames(const Reductions &reductions);

// "人民币" and the capitals of the fee rounded once to the fen.
QString FeeInCapitals(const Money &fee);

// Everything a party who questions the fee asks to see, as plain text lines:
// case, kind, amount, reductions, steps, the fee in figures and capitals and
// the legal basis.
QString FeeCalculationText(const FeeCalculation &calculation);

// The same calculation laid out for paper, dated `day`.
CalculationSheet FeeCalculationSheet(const FeeCalculation &calculation, const QDate &day);

}  // namespace pellumo
