#include "interest/delay_interest.h"

#include "interest/result_lines.h"
#include "money/number_text.h"

namespace pellumo {
namespace {

// amount × rate ÷ 100 × 2 × (Y + M/12 + D/360), exactly: a year is 12
// months and 360 days.
Money DoubledInterest(const Money &amount, const Money &rate, const Period &period)
{
    const Money years = Money(period.years) + Money::fraction(period.months, 12) + Money::fraction(period.days, 360);
    return amount * rate / 100 * 2 * years;
}

// The rate as the file writes it, without trailing zeros: 5.31, 5.4, 6.
QString RateLine(const Money &rate, const QString &adjustmentDate)
{
    return QStringLiteral(" 贷款基准年利率： ") + DecimalText(rate) + QStringLiteral("%")
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
    const std::optional<Money> amount = ParseMoney(amountText);
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

    const Money rate = rates.ReadBandRate(*band);
    const Money interest = DoubledInterest(*amount, rate, period);
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
