#include "interest/result_lines.h"

namespace pellumo {

QString PeriodText(const Period &period)
{
    return QString::number(period.years) + QStringLiteral("年  ") + QString::number(period.months)
           + QStringLiteral("个月 ") + QString::number(period.days) + QStringLiteral("天");
}

QString ResultRule()
{
    return QLatin1Char(' ') + QString(35, QLatin1Char('-'));
}

} // namespace pellumo
