#include "interest/segmented_interest_text.h"

#include "interest/result_lines.h"
#include "money/number_text.h"

#include <cstdlib>

namespace pellumo {
namespace {

using Calculation = SegmentedInterestRequest::Calculation;

const QString LegalBasis = QStringLiteral(
    "法律依据：《中华人民共和国民事诉讼法》第二百六十四条；"
    "《最高人民法院关于执行程序中计算迟延履行期间的债务利息适用法律若干问题的解释》（法释〔2014〕8号）第一条、第七条。");
// The formula of 法释〔2014〕8号 第一条.
const QString DailyRuleFormula = QStringLiteral(
    "加倍部分债务利息＝债务人尚未清偿的生效法律文书确定的除一般债务利息之外的金钱债务×日万分之一点七五×迟延履行期间。");

// "2013-01-01", built by hand: QDate::toString costs more than the rest of a
// memo line, and the memo is rewritten on every keystroke.
QString IsoDay(const QDate &day)
{
    const int year = day.year();
    const int month = day.month();
    const int dayOfMonth = day.day();
    const char16_t text[] = {char16_t(u'0' + year / 1000 % 10), char16_t(u'0' + year / 100 % 10),
                             char16_t(u'0' + year / 10 % 10),   char16_t(u'0' + year % 10),
                             u'-',
                             char16_t(u'0' + month / 10),       char16_t(u'0' + month % 10),
                             u'-',
                             char16_t(u'0' + dayOfMonth / 10),  char16_t(u'0' + dayOfMonth % 10)};
    return QString(reinterpret_cast<const QChar *>(text), 10);
}

bool IsDailyDelayRate(const InterestSegment &segment)
{
    return segment.basis == QString::fromUtf16(DailyDelayRateBasis);
}

bool IsLoanPrimeRate(const InterestSegment &segment)
{
    return segment.basis.endsWith(QLatin1String("LPR"));
}

// "一至三年（含三年）贷款基准利率6.15%", "一年期LPR3.45%", "日万分之一点七五".
QString RateOf(const InterestSegment &segment)
{
    if (IsDailyDelayRate(segment))
        return segment.basis;
    const QString name = IsLoanPrimeRate(segment) ? segment.basis : segment.basis + QStringLiteral("贷款基准利率");
    return name + segment.annualRate + QLatin1Char('%');
}

// How a day's interest follows from the rate: "×2÷360", "×1.5÷365", "÷360".
QString RateFactor(const SegmentedInterestRequest &request)
{
    if (request.calculation == Calculation::DoubledDelay)
        return QStringLiteral("×2÷360");
    const QString multiplier = request.multiplier == 1 ? QString() : QStringLiteral("×") + DecimalText(request.multiplier);
    return multiplier + QStringLiteral("÷") + QString::number(request.daysPerYear == 365 ? 365 : 360);
}

bool HasSpread(const SegmentedInterestRequest &request)
{
    return request.calculation == Calculation::RatesInForce && request.basisPoints != 0;
}

// A day's rate and year with a spread: "(3.85%×1.5+0.5%)÷360".
QString SpreadRateFactor(const SegmentedInterestRequest &request, const InterestSegment &segment)
{
    return AppliedRateExpression(segment.annualRate, request.multiplier, request.basisPoints) + QStringLiteral("÷") +
           QString::number(request.daysPerYear == 365 ? 365 : 360);
}

// "＝" when the shown amount is the exact one, "≈" when it is rounded.
QString EqualsSign(const Money &interest)
{
    return interest == interest.roundedToFen() ? QStringLiteral("＝") : QStringLiteral("≈");
}

// 100000×6.15%×2÷360×577≈19714.17 ; 100000×0.0175%×153＝2677.50
QString Formula(const SegmentedInterestRequest &request, const InterestSegment &segment)
{
    const QString rate = HasSpread(request) ? SpreadRateFactor(request, segment)
                         : IsDailyDelayRate(segment)
                             ? segment.annualRate + QLatin1Char('%')
                             : segment.annualRate + QLatin1Char('%') + RateFactor(request);
    return DecimalText(request.principal) + QStringLiteral("×") + rate +
           QStringLiteral("×") + QString::number(segment.days) + EqualsSign(segment.interest) +
           MoneyToFigures(segment.interest);
}

std::optional<QString> RoundingNote(const SegmentedInterest &result)
{
    Money shownSum;
    for (const InterestSegment &segment : result.segments)
        shownSum += segment.interest.roundedToFen();
    const Money difference = shownSum - result.total.roundedToFen();
    if (difference == 0)
        return std::nullopt;
    const Money absolute = difference.sign() < 0 ? -difference : difference;
    return QStringLiteral("各段金额已四舍五入至分，其和与合计相差") + MoneyToFigures(absolute) +
           QStringLiteral("元；合计由各段未经舍入的金额相加后四舍五入");
}

int DaysOf(const SegmentedInterest &result)
{
    int days = 0;
    for (const InterestSegment &segment : result.segments)
        days += segment.days;
    return days;
}

QString InvalidTermsLine(const SegmentedInterestRequest &request)
{
    if (std::abs(request.basisPoints) > MaxBasisPoints)
        return QStringLiteral(" 加点须在-10000至10000个基点之间");
    if (request.multiplier.sign() <= 0)
        return QStringLiteral(" 倍数必须大于零");
    return QStringLiteral(" 重定价日") + QString::number(request.repricingMonth) + QStringLiteral("月") +
           QString::number(request.repricingDay) + QStringLiteral("日不存在");
}

QString RefusalLine(const SegmentedInterestRequest &request, const SegmentedInterest &result)
{
    switch (result.outcome) {
    case SegmentedInterest::Outcome::BeforeHistory:
        return QStringLiteral(" 起算日早于") + LongDayText(RateHistoryStart()) + QStringLiteral("，本程序没有此前的利率数据");
    case SegmentedInterest::Outcome::InvalidTerms:
        return InvalidTermsLine(request);
    case SegmentedInterest::Outcome::NegativeRate:
        return QStringLiteral(" ") + NegativeRateText(result.negativeRateDay);
    case SegmentedInterest::Outcome::Complete:
    case SegmentedInterest::Outcome::EndBeforeStart:
        break;
    }
    return QStringLiteral(" 截止日早于起算日，无法计算");
}

// "一年期LPR的1.5倍加50个基点，每年1月1日重定价".
QString RateForm(const SegmentedInterestRequest &request)
{
    return RateFormText(RateNameFrom(request.basis, request.first), request.multiplier, request.basisPoints) +
           QStringLiteral("，") + RepricingText(request.repricing, request.repricingMonth, request.repricingDay);
}

QString Title(const SegmentedInterestRequest &request)
{
    return request.calculation == Calculation::DoubledDelay ? QStringLiteral("迟延履行期间加倍部分债务利息计算")
                                                            : QStringLiteral("按同期利率分段计息");
}

QString BasisLine(const SegmentedInterestRequest &request)
{
    if (request.calculation == Calculation::DoubledDelay)
        return QStringLiteral("计算标准：2014年8月1日前按同期贷款基准利率加倍计算，自2014年8月1日起按日万分之一点七五计算");
    return QStringLiteral("计息标准：") + RatesInForceName(request.basis) + QStringLiteral("，倍数") +
           DecimalText(request.multiplier) + QStringLiteral("，") + DaysPerYearText(request.daysPerYear);
}

QString SourceLine(const SegmentedInterest &result)
{
    bool benchmark = false;
    bool loanPrime = false;
    for (const InterestSegment &segment : result.segments) {
        loanPrime |= IsLoanPrimeRate(segment);
        benchmark |= !IsLoanPrimeRate(segment) && !IsDailyDelayRate(segment);
    }
    return RateSourceLine(benchmark, loanPrime);
}

} // namespace

RateTerms RateTermsOf(const SegmentedInterestRequest &request)
{
    return {request.basis,          request.multiplier,     request.basisPoints, request.repricing,
            request.repricingMonth, request.repricingDay,   request.daysPerYear, request.countLastDay};
}

bool HasContractTerms(const SegmentedInterestRequest &request)
{
    return request.calculation == Calculation::RatesInForce &&
           (request.multiplier != 1 || request.basisPoints != 0 || request.repricing != Repricing::EachFixing ||
            !request.countLastDay);
}

SegmentedInterest CalculateSegmentedInterest(const SegmentedInterestRequest &request, const RateHistory &history)
{
    if (request.calculation == Calculation::DoubledDelay)
        return DoubledDelayInterestInForce(request.principal, request.first, request.last, history);
    return InterestAtRatesInForce(request.principal, request.first, request.last, RateTermsOf(request), history);
}

QStringList SegmentedInterestNotes(const SegmentedInterestRequest &request, const SegmentedInterest &result,
                                   const QDate &knownThrough)
{
    QStringList notes;
    if (const std::optional<QString> rounding = RoundingNote(result))
        notes << *rounding;
    if (result.beyondKnownData)
        notes << BeyondKnownDataNote(knownThrough);
    if (request.calculation == Calculation::DoubledDelay && StartsBeforeReplyOf2009(request.first))
        notes << ReplyOf2009Note();
    return notes;
}

QStringList SegmentedInterestLines(const SegmentedInterestRequest &request, const SegmentedInterest &result,
                                   const QDate &knownThrough)
{
    if (result.outcome != SegmentedInterest::Outcome::Complete)
        return {RefusalLine(request, result)};
    QStringList lines;
    const QString what = request.calculation == Calculation::DoubledDelay ? QStringLiteral("加倍部分债务利息")
                                                                          : QStringLiteral("利息合计");
    lines << QStringLiteral(" 【计算结果】") + what + QStringLiteral("(元)：") + MoneyToFigures(result.total);
    lines << QStringLiteral(" 大写：人民币") + MoneyToRmbCapitals(result.total);
    for (const QString &note : SegmentedInterestNotes(request, result, knownThrough))
        lines << QStringLiteral(" 注：") + note;
    lines << ResultRule();
    lines << QStringLiteral(" ") + IsoDay(request.first) + QStringLiteral("至") + IsoDay(request.last) +
                 QStringLiteral("，共") + QString::number(DaysOf(result)) + QStringLiteral("天，分") +
                 QString::number(result.segments.size()) + QStringLiteral("段：");
    // The memo shows a multiplier alone in each segment's factor already.
    if (HasContractTerms(request) && (request.basisPoints != 0 || request.repricing != Repricing::EachFixing ||
                                      !request.countLastDay))
        lines << QStringLiteral(" 利率：") + RateForm(request) + QStringLiteral("，") + DayCountingText(request.countLastDay);
    const QString factor = RateFactor(request);
    for (const InterestSegment &segment : result.segments) {
        lines << QStringLiteral(" ") + IsoDay(segment.first) + QStringLiteral("至") + IsoDay(segment.last) +
                     QStringLiteral("，") + QString::number(segment.days) + QStringLiteral("天，") +
                     MoneyToFigures(segment.interest);
        const QString rate = HasSpread(request)         ? QStringLiteral("：") + SpreadRateFactor(request, segment)
                             : IsDailyDelayRate(segment) ? QString()
                                                         : factor;
        lines << QStringLiteral("   ") + RateOf(segment) + rate;
    }
    return lines;
}

QString SegmentedInterestCopyText(const SegmentedInterestRequest &request, const SegmentedInterest &result,
                                  const QDate &knownThrough)
{
    if (result.outcome != SegmentedInterest::Outcome::Complete)
        return {};
    QStringList lines;
    lines << Title(request);
    lines << QStringLiteral("本金：") + MoneyToFigures(request.principal) + QStringLiteral("元");
    const QString period = request.calculation == Calculation::DoubledDelay ? QStringLiteral("迟延履行期间：")
                                                                            : QStringLiteral("计息期间：");
    lines << period + LongDayText(request.first) + QStringLiteral("至") + LongDayText(request.last) + QStringLiteral("，共") +
                 QString::number(DaysOf(result)) + QStringLiteral("天") +
                 (HasContractTerms(request) && !request.countLastDay ? QStringLiteral("（算头不算尾）") : QString());
    lines << BasisLine(request);
    lines << SegmentedInterestTermLines(request);
    lines << QStringLiteral("分段计算：");
    int number = 0;
    for (const InterestSegment &segment : result.segments) {
        lines << QString::number(++number) + QStringLiteral(". ") + LongDayText(segment.first) + QStringLiteral("至") +
                     LongDayText(segment.last) + QStringLiteral("，共") + QString::number(segment.days) +
                     QStringLiteral("天，按") + RateOf(segment) + QStringLiteral("计算：") + Formula(request, segment) +
                     QStringLiteral("元");
    }
    lines << QStringLiteral("合计：") + MoneyToFigures(result.total) + QStringLiteral("元（大写：人民币") +
                 MoneyToRmbCapitals(result.total) + QStringLiteral("）");
    for (const QString &note : SegmentedInterestNotes(request, result, knownThrough))
        lines << QStringLiteral("注：") + note + QStringLiteral("。");
    lines << SegmentedInterestBasis(request, result);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString SegmentedInterestTitle(const SegmentedInterestRequest &request)
{
    return Title(request);
}

QString SegmentedInterestStandard(const SegmentedInterestRequest &request)
{
    return BasisLine(request);
}

QStringList SegmentedInterestTermLines(const SegmentedInterestRequest &request)
{
    if (!HasContractTerms(request))
        return {};
    return {QStringLiteral("利率：") + RateForm(request),
            QStringLiteral("计息天数：") + DayCountingRule(request.countLastDay)};
}

QString SegmentRateText(const InterestSegment &segment)
{
    return RateOf(segment);
}

QString SegmentFormula(const SegmentedInterestRequest &request, const InterestSegment &segment)
{
    return Formula(request, segment);
}

QStringList SegmentedInterestBasis(const SegmentedInterestRequest &request, const SegmentedInterest &result)
{
    QStringList lines;
    if (const QString source = SourceLine(result); !source.isEmpty())
        lines << source;
    if (request.calculation == Calculation::DoubledDelay) {
        if (request.first < DailyDelayRateStart())
            lines << DoubledBefore2014Note() + QStringLiteral("。");
        if (request.last >= DailyDelayRateStart())
            lines << QStringLiteral("计算公式：") + DailyRuleFormula;
        lines << LegalBasis;
    }
    return lines;
}

} // namespace pellumo
