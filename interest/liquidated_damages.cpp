#include "interest/liquidated_damages.h"

#include "fees/extended.h"
#include "fees/money.h"
#include "interest/elapsed_period.h"
#include "interest/result_lines.h"

#include <optional>

namespace pellumo {
namespace {

// The doubles nearest to these fractions, used as such in the extended
// arithmetic.
constexpr double percent = 0.01;
constexpr double oneTwelfth = 1.0 / 12.0;
constexpr double oneThirtieth = 1.0 / 30.0;
constexpr double oneThreeHundredSixtieth = 1.0 / 360.0;

// Above these rates (in percent) the agreed rate looks mistyped for its kind.
double WarningThreshold(RateKind kind)
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

// Each product left to right, the terms summed in the order written, all in
// extended precision; the sum is formatted from the extended value itself.
Extended DailyDamages(double amount, double rate, qint64 days)
{
    return Extended(amount) * rate * percent * days;
}

Extended MonthlyDamages(double amount, double rate, const Period &period)
{
    const qint64 wholeMonths = 12 * qint64(period.years) + period.months;
    const Extended monthsPart = Extended(wholeMonths) * rate * percent * amount;
    const Extended daysPart = Extended(period.days) * rate * oneThirtieth * percent * amount;
    return monthsPart + daysPart;
}

Extended AnnualDamages(double amount, double rate, const Period &period)
{
    const Extended yearsPart = Extended(period.years) * rate * percent * amount;
    const Extended monthsPart = Extended(period.months) * rate * oneTwelfth * percent * amount;
    const Extended daysPart = Extended(period.days) * rate * oneThreeHundredSixtieth * percent * amount;
    return yearsPart + monthsPart + daysPart;
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
    Extended damages = 0;
};

// The date pickers carry no time of day, so the daily count is the plain
// calendar difference.
Overdue ComputeOverdue(RateKind kind, double amount, double rate, const QDate &start, const QDate &end)
{
    if (kind == RateKind::Daily) {
        const qint64 days = start.daysTo(end);
        return {QString::number(days) + QStringLiteral("天  "), DailyDamages(amount, rate, days)};
    }
    const Period period = ElapsedPeriod(start, end);
    const Extended damages =
        kind == RateKind::Monthly ? MonthlyDamages(amount, rate, period) : AnnualDamages(amount, rate, period);
    return {PeriodText(period), damages};
}

} // namespace

LiquidatedDamagesResult LiquidatedDamages(const QString &amountText, const QString &rateText, int kindIndex,
                                          const QString &kindText, const QDate &start, const QDate &end)
{
    using Outcome = LiquidatedDamagesResult::Outcome;
    LiquidatedDamagesResult result;
    if (amountText.isEmpty() || rateText.isEmpty())
        return result;
    const auto amount = ParseDecimal(amountText);
    if (!amount) {
        result.outcome = Outcome::ConversionError;
        result.errorMessage = ConversionErrorMessage(amountText);
        return result;
    }
    const auto rate = ParseDecimal(rateText);
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
