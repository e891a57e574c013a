#pragma once

// The days a trial period or a sentence may be entered with: 1900-01-01 to
// 9999-12-31. Earlier days belong to no case these calculations serve, and
// the calendar's own range ends with 9999.

#include <QDate>
#include <QString>

namespace pellumo {

bool IsCaseDay(const QDate &day);

// Empty for a day in range; otherwise why the day is refused, to follow a
// field's name: "不是1900年1月1日至9999年12月31日之间的日期".
QString CaseDayProblem(const QDate &day);

// "2025年3月4日" as judgments write it: no leading zeros.
QString CaseDayText(const QDate &day);

} // namespace pellumo
