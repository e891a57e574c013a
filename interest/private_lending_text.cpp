#include "interest/private_lending_text.h"

#include "interest/interest_wording.h"
#include "money/number_text.h"

namespace pellumo {
namespace {

QString Yuan(const Money &amount)
{
    return MoneyToFigures(amount) + QStringLiteral("元");
}

QString AgreedRateText(const std::optional<Money> &percent)
{
    return percent ? PercentText(*percent) : QStringLiteral("未约定");
}

// "＝" when the shown amount is the exact one, "≈" when it is rounded.
QString EqualsSign(const Money &amount)
{
    return amount == amount.roundedToFen() ? QStringLiteral("＝") : QStringLiteral("≈");
}

// 100000×24%÷360×538≈35866.67
QString SupportedFormula(const PrivateLoan &loan, const CapSegment &segment)
{
    return DecimalText(loan.principal) + QStringLiteral("×") + PercentText(segment.supportedPercent) + QStringLiteral("÷") +
           QString::number(loan.daysPerYear) + QStringLiteral("×") + QString::number(segment.days) +
           EqualsSign(segment.supported) + MoneyToFigures(segment.supported);
}

QString SegmentLine(const PrivateLoan &loan, const CapSegment &segment)
{
    return DayRangeText(segment.first, segment.last) + QStringLiteral("，共") + QString::number(segment.days) +
           QStringLiteral("天（") + segment.rule + QStringLiteral("）：主张年利率") + PercentText(segment.agreedPercent) +
           QStringLiteral("，上限") + PercentText(segment.capPercent) + QStringLiteral("，支持年利率") +
           PercentText(segment.supportedPercent) + QStringLiteral("；主张利息") + Yuan(segment.agreed) +
           QStringLiteral("，予以支持") + Yuan(segment.supported) + QStringLiteral("（") + SupportedFormula(loan, segment) +
           QStringLiteral("），不予支持") + Yuan(segment.notSupported) + QStringLiteral("，约定无效") + Yuan(segment.voidPart);
}

// Only the days under 法释〔2020〕17号 read the LPR.
bool UsesLoanPrimeRate(const PrivateLendingResult &result)
{
    for (const CapSegment &segment : result.segments) {
        if (segment.rule.startsWith(QStringLiteral("法释〔2020〕17号")))
            return true;
    }
    return false;
}

} // namespace

QString PrivateLendingTitle()
{
    return QStringLiteral("民间借贷利息计算");
}

QList<PrivateLendingTextLine> PrivateLendingInputs(const PrivateLoan &loan)
{
    return {{QStringLiteral("借款本金"), Yuan(loan.principal)},
            {QStringLiteral("合同成立日"), LongDayText(loan.formed)},
            {QStringLiteral("出借日"), LongDayText(loan.lent)},
            {QStringLiteral("到期日"), LongDayText(loan.due)},
            {QStringLiteral("起诉日"), LongDayText(loan.filed)},
            {QStringLiteral("计息截止日"), LongDayText(loan.until)},
            {QStringLiteral("借期内年利率"), AgreedRateText(loan.loanRatePercent)},
            {QStringLiteral("逾期年利率"), AgreedRateText(loan.overdueRatePercent)},
            {QStringLiteral("违约金及其他费用"), QStringLiteral("年") + PercentText(loan.otherChargesPercent)},
            {QStringLiteral("计息天数"), DayCountingText(loan.countLastDay) + QStringLiteral("，") + DaysPerYearText(loan.daysPerYear)}};
}

QStringList CapSegmentHeader()
{
    return {QStringLiteral("期间"),     QStringLiteral("天数"),     QStringLiteral("主张年利率"), QStringLiteral("上限"),
            QStringLiteral("支持年利率"), QStringLiteral("主张利息"), QStringLiteral("予以支持"),   QStringLiteral("不予支持"),
            QStringLiteral("约定无效"), QStringLiteral("依据")};
}

QList<QStringList> CapSegmentRows(const PrivateLendingResult &result)
{
    QList<QStringList> rows;
    for (const CapSegment &s : result.segments) {
        rows << QStringList{s.first.toString(Qt::ISODate) + QStringLiteral("至") + s.last.toString(Qt::ISODate),
                            QString::number(s.days),
                            PercentText(s.agreedPercent),
                            PercentText(s.capPercent),
                            PercentText(s.supportedPercent),
                            MoneyToFigures(s.agreed),
                            MoneyToFigures(s.supported),
                            MoneyToFigures(s.notSupported),
                            MoneyToFigures(s.voidPart),
                            s.rule};
    }
    return rows;
}

QList<PrivateLendingTextLine> PrivateLendingTotals(const PrivateLendingResult &result)
{
    return {{QStringLiteral("主张利息"), Yuan(result.agreedTotal)},
            {QStringLiteral("予以支持"), Yuan(result.supportedTotal)},
            {QStringLiteral("不予支持"), Yuan(result.notSupportedTotal)},
            {QStringLiteral("约定无效"), Yuan(result.voidTotal)}};
}

QStringList PrivateLendingNotes(const PrivateLendingResult &result)
{
    QStringList notes;
    const Money difference =
        result.supportedTotal + result.notSupportedTotal + result.voidTotal - result.agreedTotal;
    if (difference != 0)
        notes << QStringLiteral("各项合计分别由未经舍入的金额相加后四舍五入至分，其和与主张利息合计相差") +
                     Yuan(difference.sign() < 0 ? -difference : difference);
    if (result.beyondKnownData)
        notes << BeyondKnownDataNote(result.knownThrough);
    return notes;
}

QString PrivateLendingCopyText(const PrivateLoan &loan, const PrivateLendingResult &result)
{
    if (!result.error.isEmpty())
        return {};
    QStringList lines{PrivateLendingTitle()};
    for (const PrivateLendingTextLine &input : PrivateLendingInputs(loan))
        lines << input.label + QStringLiteral("：") + input.value;
    lines << QStringLiteral("分段计算：");
    int number = 0;
    for (const CapSegment &segment : result.segments)
        lines << QString::number(++number) + QStringLiteral(". ") + SegmentLine(loan, segment);
    lines << QStringLiteral("合计：主张利息") + Yuan(result.agreedTotal) + QStringLiteral("；予以支持") +
                 Yuan(result.supportedTotal) + QStringLiteral("（大写：人民币") + MoneyToRmbCapitals(result.supportedTotal) +
                 QStringLiteral("）；不予支持") + Yuan(result.notSupportedTotal) + QStringLiteral("；约定无效") +
                 Yuan(result.voidTotal) + QStringLiteral("。");
    lines << QStringLiteral("计算过程：");
    number = 0;
    for (const QString &step : result.steps)
        lines << QString::number(++number) + QStringLiteral(". ") + step;
    for (const QString &note : PrivateLendingNotes(result))
        lines << QStringLiteral("注：") + note + QStringLiteral("。");
    if (const QString source = RateSourceLine(false, UsesLoanPrimeRate(result)); !source.isEmpty())
        lines << source;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace pellumo
