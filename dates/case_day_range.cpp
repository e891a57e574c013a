#include "dates/case_day_range.h"

namespace pellumo {

bool IsCaseDay(const QDate &day)
{
    return day.isValid() && day >= QDate(1900, 1, 1) && day <= QDate(9999, 12, 31);
}

QString CaseDayProblem(const QDate &day)
{
    if (IsCaseDay(day))
        return {};
    return QStringLiteral("不是1900年1月1日至9999年12月31日之间的日期");
}

QString CaseDayText(const QDate &day)
{
    return QStringLiteral("%1年%2月%3日").arg(day.year()).arg(day.month()).arg(day.day());
}

} // namespace pellumo
