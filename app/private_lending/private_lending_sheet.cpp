#include "app/private_lending/private_lending_sheet.h"

#include "interest/private_lending_text.h"

namespace pellumo {
namespace {

QList<SheetLine> SheetLines(const QList<PrivateLendingTextLine> &lines)
{
    QList<SheetLine> result;
    for (const PrivateLendingTextLine &line : lines)
        result.append({line.label, line.value});
    return result;
}

} // namespace

CalculationSheet PrivateLendingSheet(const QString &caseNumber, const QString &parties, const PrivateLoan &loan,
                                     const PrivateLendingResult &result, const RateHistory &history)
{
    CalculationSheet sheet;
    sheet.title = PrivateLendingTitle();
    sheet.caseNumber = caseNumber.trimmed();
    sheet.parties = parties.trimmed();
    sheet.calculationDay = QDate::currentDate();
    sheet.inputs = SheetLines(PrivateLendingInputs(loan));
    sheet.tables = {{QStringLiteral("分段计算（元）"), CapSegmentHeader(), CapSegmentRows(result)}};
    // The supported interest is the sheet's total; the other parts stand above it.
    QList<PrivateLendingTextLine> totals = PrivateLendingTotals(result);
    totals.removeAt(1);
    sheet.results = SheetLines(totals);
    sheet.totalLabel = QStringLiteral("予以支持的利息");
    sheet.total = result.supportedTotal;
    sheet.notes = PrivateLendingNotes(result);
    sheet.legalBasis = result.steps;
    sheet.dataVersions = QStringLiteral("利率数据第") + QString::number(history.version) + QStringLiteral("版，截至") +
                         history.knownThrough.toString(QStringLiteral("yyyy-MM-dd"));
    return sheet;
}

} // namespace pellumo
