#include "interest/interest_wording.h"

#include "interest/rate_history.h"
#include "money/number_text.h"

#include <QStringList>

namespace pellumo {

QString LongDayText(const QDate &day)
{
    return day.toString(QStringLiteral("yyyy年M月d日"));
}

QString DayRangeText(const QDate &first, const QDate &last)
{
    return LongDayText(first) + QStringLiteral("至") + LongDayText(last);
}

QString PercentText(const Money &percent)
{
    return DecimalText(percent) + QLatin1Char('%');
}

QString DaysPerYearText(int daysPerYear)
{
    return QStringLiteral("每年按") + QString::number(daysPerYear == 365 ? 365 : 360) + QStringLiteral("天计");
}

QString RateBasisName(RateBasis basis)
{
    switch (basis) {
    case RateBasis::OneYear:
        return QStringLiteral("一年期");
    case RateBasis::OverFiveYears:
        return QStringLiteral("五年期以上");
    case RateBasis::ByTerm:
        break;
    }
    return QStringLiteral("按期限");
}

QString RatesInForceName(RateBasis basis)
{
    return RateBasisName(basis) + QStringLiteral("同期贷款利率（2019年8月20日起为贷款市场报价利率LPR）");
}

QString RateNameFrom(RateBasis basis, const QDate &first)
{
    if (first < LoanPrimeRateStart())
        return RateBasisName(basis) + QStringLiteral("同期贷款利率");
    switch (basis) {
    case RateBasis::OneYear:
        return QStringLiteral("一年期LPR");
    case RateBasis::OverFiveYears:
        return QStringLiteral("五年期以上LPR");
    case RateBasis::ByTerm:
        break;
    }
    return QStringLiteral("相应期限LPR");
}

QString RateFormText(const QString &rateName, const Money &multiplier, int basisPoints)
{
    QString text = rateName;
    if (multiplier != 1)
        text += QStringLiteral("的") + DecimalText(multiplier) + QStringLiteral("倍");
    if (basisPoints > 0)
        text += QStringLiteral("加") + QString::number(basisPoints) + QStringLiteral("个基点");
    else if (basisPoints < 0)
        text += QStringLiteral("减") + QString::number(-basisPoints) + QStringLiteral("个基点");
    return text;
}

QString AppliedRateExpression(const QString &publishedPercentText, const Money &multiplier, int basisPoints)
{
    QString expression = publishedPercentText + QLatin1Char('%');
    if (multiplier != 1)
        expression += QStringLiteral("×") + DecimalText(multiplier);
    if (basisPoints == 0)
        return expression;
    // A basis point is one hundredth of a percentage point.
    const QString spread = PercentText(Money::fraction(basisPoints < 0 ? -basisPoints : basisPoints, 100));
    return QLatin1Char('(') + expression + (basisPoints < 0 ? QLatin1Char('-') : QLatin1Char('+')) + spread +
           QLatin1Char(')');
}

QString RepricingText(Repricing repricing, int month, int day)
{
    switch (repricing) {
    case Repricing::EachFixing:
        return QStringLiteral("随每次公布调整");
    case Repricing::Yearly:
        return QStringLiteral("每年") + QString::number(month) + QStringLiteral("月") + QString::number(day) +
               QStringLiteral("日重定价");
    case Repricing::Fixed:
        break;
    }
    return QStringLiteral("固定为起算日的利率");
}

QString DayCountingText(bool countLastDay)
{
    return countLastDay ? QStringLiteral("两头都算") : QStringLiteral("算头不算尾");
}

QString DayCountingRule(bool countLastDay)
{
    return countLastDay ? QStringLiteral("两头都算（起算日和截止日均计息）")
                        : QStringLiteral("算头不算尾（起算日计息，截止日不计息）");
}

QString BasisPointsHint()
{
    return QStringLiteral("加点以基点计，1个基点为0.01个百分点，可为负数。\n"
                          "“上浮50%”是利率乘以1.5（倍数填1.5）；“加50个基点”是利率加0.50个百分点（加点填50），二者不同。");
}

QString BeyondKnownDataNote(const QDate &knownThrough)
{
    return QStringLiteral("利率数据截至") + LongDayText(knownThrough) + QStringLiteral("，其后按最后公布的利率计算");
}

QString RateSourceLine(bool benchmark, bool loanPrime)
{
    QStringList sources;
    if (benchmark)
        sources << QStringLiteral("中国人民银行公布的贷款基准利率");
    if (loanPrime)
        sources << QStringLiteral("全国银行间同业拆借中心公布的贷款市场报价利率（LPR）");
    if (sources.isEmpty())
        return {};
    return QStringLiteral("利率来源：") + sources.join(QStringLiteral("、")) + QStringLiteral("。");
}

QString NegativeRateText(const QDate &day)
{
    return LongDayText(day) + QStringLiteral("的利率加点后低于零，无法计算，请检查加点");
}

QString DoubledBefore2014Note()
{
    return QStringLiteral("2014年8月1日前的迟延履行期间，依法释〔2014〕8号第七条适用此前的规定，按同期贷款基准利率加倍计算");
}

QString ReplyOf2009Note()
{
    return QStringLiteral("2009年5月18日前的迟延期间适用法释〔2009〕6号施行前的规定，此处按贷款基准利率计算");
}

} // namespace pellumo
