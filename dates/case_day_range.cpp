#include "dates/case_day_range.h"

#include <charconv>

namespace pellumo {
namespace {

// Without QString::number's general path: a long case writes thousands of days.
void AppendNumber(QString &text, int number)
{
    char digits[12];
    const auto written = std::to_chars(digits, digits + sizeof digits, number);
    text += QLatin1StringView(digits, written.ptr - digits);
}

} // namespace

bool IsCaseDay(const QDate &day)
{
    static const QDate first(1900, 1, 1);
    static const QDate last(9999, 12, 31);
    return day.isValid() && day >= first && day <= last;
}

QString CaseDayProblem(const QDate &day)
{
    if (IsCaseDay(day))
        return {};
    return QStringLiteral("不是1900年1月1日至9999年12月31日之间的日期");
}

QString CaseDayText(const QDate &day)
{
    int year = 0, month = 0, dayOfMonth = 0;
    day.getDate(&year, &month, &dayOfMonth);
    QString text;
    text.reserve(11);
    AppendNumber(text, year);
    text += QChar(u'年');
    AppendNumber(text, month);
    text += QChar(u'月');
    AppendNumber(text, dayOfMonth);
    text += QChar(u'日');
    return text;
}

} // namespace pellumo
