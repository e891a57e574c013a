#include "app/pages/segmented_interest_sheet.h"

#include "interest/interest_wording.h"
#include "money/number_text.h"

namespace pellumo {
namespace {

// "计息标准：…" as a label and its value.
SheetLine Labelled(const QString &line)
{
    const qsizetype colon = line.indexOf(QStringLiteral("："));
    if (colon < 0)
        return {QString(), line};
    return {line.left(colon), line.mid(colon + 1)};
}

} // namespace

CalculationSheet SegmentedInterestSheet(const SegmentedInterestRequest &request, const SegmentedInterest &result,
                                        const SegmentedInterestData &data, const QDate &calculationDay)
{
    const bool doubled = request.calculation == SegmentedInterestRequest::Calculation::DoubledDelay;
    CalculationSheet sheet;
    sheet.title = SegmentedInterestTitle(request);
    sheet.calculationDay = calculationDay;

    int days = 0;
    for (const InterestSegment &segment : result.segments)
        days += segment.days;
    sheet.inputs.append({doubled ? QStringLiteral("债务本金") : QStringLiteral("本金"),
                         MoneyToFigures(request.principal) + QStringLiteral("元")});
    sheet.inputs.append({doubled ? QStringLiteral("迟延履行期间") : QStringLiteral("计息期间"),
                         LongDayText(request.first) + QStringLiteral("至") + LongDayText(request.last) +
                             QStringLiteral("，共%1天").arg(days) +
                             (HasContractTerms(request) && !request.countLastDay ? QStringLiteral("（算头不算尾）")
                                                                                 : QString())});
    sheet.inputs.append(Labelled(SegmentedInterestStandard(request)));
    for (const QString &line : SegmentedInterestTermLines(request))
        sheet.inputs.append(Labelled(line));

    SheetTable table;
    table.caption = QStringLiteral("分段计算");
    table.header = {QStringLiteral("序号"), QStringLiteral("起止日期"), QStringLiteral("天数"),
                    QStringLiteral("适用利率"), QStringLiteral("计算式"), QStringLiteral("利息(元)")};
    int number = 0;
    for (const InterestSegment &segment : result.segments) {
        table.rows.append({QString::number(++number),
                           segment.first.toString(Qt::ISODate) + QStringLiteral("至") + segment.last.toString(Qt::ISODate),
                           QString::number(segment.days), SegmentRateText(segment), SegmentFormula(request, segment),
                           MoneyToFigures(segment.interest)});
    }
    sheet.tables = {table};

    sheet.results = {{QStringLiteral("分段数"), QStringLiteral("%1段").arg(result.segments.size())}};
    sheet.totalLabel = doubled ? QStringLiteral("加倍部分债务利息") : QStringLiteral("利息合计");
    sheet.total = result.total;
    sheet.notes = SegmentedInterestNotes(request, result, data.knownThrough);
    // When the segments' rounded amounts do not add up to the total, the
    // notes already say so and how the total is rounded: one note, not two.
    Money shownSum;
    for (const InterestSegment &segment : result.segments)
        shownSum += segment.interest.roundedToFen();
    if (shownSum == result.total.roundedToFen())
        sheet.notes.append(QStringLiteral("合计由各段未经舍入的利息相加后四舍五入至分。"));
    sheet.legalBasis = SegmentedInterestBasis(request, result);

    sheet.choices.append(QStringLiteral("计算：") + SegmentedInterestTitle(request));
    if (doubled) {
        sheet.choices.append(QStringLiteral("2014年8月1日前按同期贷款基准利率加倍，此后按日万分之一点七五"));
    } else {
        sheet.choices.append(QStringLiteral("利率：") + RateBasisName(request.basis));
        sheet.choices.append(QStringLiteral("倍数：") + DecimalText(request.multiplier));
        sheet.choices.append(DaysPerYearText(request.daysPerYear));
        sheet.choices.append(QStringLiteral("加点：") + QString::number(request.basisPoints) + QStringLiteral("个基点"));
        sheet.choices.append(QStringLiteral("重定价：") +
                             RepricingText(request.repricing, request.repricingMonth, request.repricingDay));
        sheet.choices.append(QStringLiteral("计息天数：") + DayCountingText(request.countLastDay));
    }

    sheet.dataVersions = QStringLiteral("利率数据第%1版，截至%2；节假日数据第%3版")
                             .arg(data.rateHistoryVersion)
                             .arg(LongDayText(data.knownThrough))
                             .arg(data.calendarVersion);
    return sheet;
}

} // namespace pellumo
