#include "app/ledger/execution_ledger_sheet.h"

#include "interest/execution_ledger_text.h"

namespace pellumo {
namespace {

QList<SheetLine> SheetLines(const QList<LedgerTextLine> &lines)
{
    QList<SheetLine> result;
    for (const LedgerTextLine &line : lines)
        result.append({line.label, line.value});
    return result;
}

void RemoveColumn(SheetTable &table, int column)
{
    table.header.removeAt(column);
    for (QStringList &row : table.rows)
        row.removeAt(column);
}

} // namespace

CalculationSheet ExecutionLedgerSheet(const CaseRecord &record, const ExecutionLedger &ledger, const RateHistory &history)
{
    const ExecutionCase &c = record.executionCase;
    CalculationSheet sheet;
    sheet.title = QStringLiteral("执行款计算");
    sheet.caseNumber = record.caseNumber.trimmed();
    sheet.parties = record.parties.trimmed();
    sheet.calculationDay = c.calculationDay;
    QList<LedgerTextLine> inputs = ExecutionLedgerInputs(c);
    inputs.removeLast();  // the calculation day, which the sheet shows in its head
    sheet.inputs = SheetLines(inputs);
    // On A4 the tables keep only the columns that say something: the surplus
    // where there is one; the rate is in each formula.
    SheetTable credits{QStringLiteral("还款及冲抵（元）"), CreditHeader(), CreditRows(ledger)};
    if (LedgerSurplus(ledger) == 0)
        RemoveColumn(credits, 6);
    SheetTable segments{QStringLiteral("加倍部分债务利息分段计算"), DoubledSegmentHeader(), DoubledSegmentRows(ledger)};
    RemoveColumn(segments, 4);
    sheet.tables = {credits, segments};
    sheet.results = SheetLines(ExecutionLedgerOwed(ledger));
    sheet.totalLabel = QStringLiteral("合计尚欠");
    sheet.total = ledger.owedTotal;
    sheet.notes = ExecutionLedgerNotes(c, ledger);
    sheet.legalBasis = ExecutionLedgerLegalBasis(c);
    sheet.choices = ExecutionLedgerChoices(c);
    sheet.dataVersions = QStringLiteral("利率数据第") + QString::number(history.version) + QStringLiteral("版，截至") +
                         history.knownThrough.toString(QStringLiteral("yyyy-MM-dd"));
    return sheet;
}

} // namespace pellumo
