#include "interest/liquidated_damages.h"

#include "interest/elapsed_period.h"
#include "interest/result_lines.h"
#include "money/money.h"

#include <optional>

namespace pellumo {
namespace {

// Above these rates (in percent) the agreed rate looks mistyped for its kind.
Money WarningThreshold(RateKind kind)
{
    switch (kind) {
    case RateKind::Daily:
        return 1;
    case RateKind::Monthly:
        return 10;
    case RateKind::Annual:
        break;
    }
    return 100;
}

// The damages are amount × rate ÷ 100 × the period counted in the rate's own
// unit, exactly: a year is 12 months and 360 days, a month 30 days.
Money DamagesFor(const Money &amount, const Money &rate, const Money &periods)
{
    return amount * rate / 100 * periods;
}

Money InMonths(const Period &period)
{
    return Money(12 * long(period.years) + period.months) + Money::fraction(period.days, 30);
}

Money InYears(const Period &period)
{
    return Money(period.years) + Money::fraction(period.months, 12) + Money::fraction(period.days, 360);
}

QString ConversionErrorMessage(const QString &text)
{
    return QLatin1Char('\'') + text + QStringLiteral("' is not a valid floating point value");
}

std::optional<RateKind> KindOfIndex(int kindIndex)
{
    if (kindIndex < 0 || kindIndex > 2)
        return std::nullopt;
    return RateKind(kindIndex);
}

struct Overdue {
    QString text;  // the text after " 逾期： "
    Money damages;
};

// The date pickers carry no time of day, so the daily count is the plain
// calendar difference.
Overdue ComputeOverdue(RateKind kind, const Money &amount, const Money &rate, const QDate &start, const QDate &end)
{
    if (kind == RateKind::Daily) {
        const qint64 days = start.daysTo(end);
        return {QString::number(days) + QStringLiteral("天  "), DamagesFor(amount, rate, Money(long(days)))};
    }
    const Period period = ElapsedPeriod(start, end);
    const Money periods = kind == RateKind::Monthly ? InMonths(period) : InYears(period);
    return {PeriodText(period), DamagesFor(amount, rate, periods)};
}

} // namespace

LiquidatedDamagesResult LiquidatedDamages(const QString &amountText, const QString &rateText, int kindIndex,
                                          const QString &kindText, const QDate &start, const QDate &end)
{
    using Outcome = LiquidatedDamagesResult::Outcome;
    LiquidatedDamagesResult result;
    if (amountText.isEmpty() || rateText.isEmpty())
        return result;
    const std::optional<Money> amount = ParseMoney(amountText);
    if (!amount) {
        result.outcome = Outcome::ConversionError;
        result.errorMessage = ConversionErrorMessage(amountText);
        return result;
    }
    const std::optional<Money> rate = ParseMoney(rateText);
    if (!rate) {
        result.outcome = Outcome::ConversionError;
        result.errorMessage = ConversionErrorMessage(rateText);
        return result;
    }
    result.amountInWords = MoneyToChinese(*amount);
    const auto kind = KindOfIndex(kindIndex);
    if (!kind)
        return result;

    const Overdue overdue = ComputeOverdue(*kind, *amount, *rate, start, end);
    result.outcome = Outcome::Complete;
    result.lines = QStringList{
        QStringLiteral(" 金额(元):") + amountText,
        QString(),
        QStringLiteral(" 逾期： ") + overdue.text,
        QStringLiteral(" 约定利率：") + kindText + QLatin1Char(' ') + rateText + QLatin1Char('%'),
        QString(),
        ResultRule(),
    };
    if (*rate > WarningThreshold(*kind))
        result.lines << QStringLiteral(" 利率过高，填写可能有误");
    result.lines << QStringLiteral(" 【计算结果】逾期违约金(元)：") + MoneyToFigures(overdue.damages);
    return result;
}

} // namespace pellumo
