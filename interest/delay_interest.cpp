#include "interest/delay_interest.h"

#include "fees/extended.h"
#include "fees/money.h"
#include "interest/result_lines.h"

namespace pellumo {
namespace {

// The pro-rating factors are the doubles nearest to these fractions; they
// enter the extended arithmetic as such, not as extended quotients.
constexpr double percent = 0.01;
constexpr double oneTwelfth = 1.0 / 12.0;
constexpr double oneThreeHundredSixtieth = 1.0 / 360.0;

// amount × 2 × (r × Y + r × 1/12 × M + r × 1/360 × D) with r = rate × 0.01,
// every step in extended precision and in this order; the interest is then
// held as a double, like every finished money value.
double DoubledInterest(double amount, double rate, const Period &period)
{
    const Extended r = Extended(rate) * percent;
    const Extended yearsPart = r * period.years;
    const Extended monthsPart = r * oneTwelfth * period.months;
    const Extended daysPart = r * oneThreeHundredSixtieth * period.days;
    const Extended doubledAmount = Extended(amount) * 2;
    return static_cast<double>(doubledAmount * (yearsPart + monthsPart + daysPart));
}

QString RateLine(double rate, const QString &adjustmentDate)
{
    return QStringLiteral(" 贷款基准年利率： ") + GeneralNumberText(rate) + QStringLiteral("%")
           + QStringLiteral(" (基准利率调整日期：") + adjustmentDate + QStringLiteral(")");
}

} // namespace

DelayInterestResult DelayInterest(const QString &amountText, const QDate &start, const QDate &end,
                                  const RateTable &rates)
{
    using Outcome = DelayInterestResult::Outcome;
    DelayInterestResult result;
    if (amountText.isEmpty())
        return result;
    const Period period = ElapsedPeriod(start, end);
    const auto amount = ParseDecimal(amountText);
    if (!amount) {
        result.outcome = Outcome::InvalidAmount;
        return result;
    }
    result.amountInWords = MoneyToChinese(*amount);
    const auto band = RateBandForPeriod(period);
    if (!band) {
        result.outcome = Outcome::WordsOnly;
        return result;
    }

    const double rate = rates.ReadBandRate(*band);
    const double interest = DoubledInterest(*amount, rate, period);
    result.outcome = Outcome::Complete;
    result.lines = QStringList{
        QStringLiteral(" 执行款金额(元):") + amountText,
        QString(),
        QStringLiteral(" 迟延期间： ") + PeriodText(period),
        QStringLiteral(" 所属利率档： ") + RateBandLabel(*band),
        RateLine(rate, rates.ReadAdjustmentDate()),
        QString(),
        ResultRule(),
        QStringLiteral(" 【计算结果】迟延履行期间债务利息双倍(元)：") + MoneyToFigures(interest),
    };
    return result;
}

} // namespace pellumo
