#pragma once

#include <QDate>

namespace pellumo {

// A period between two calendar dates in whole years, months and days: the
// period arithmetic of the delayed-performance interest and of the damages at
// a monthly or annual rate. `months` lies in 0..11 and `days` in 0..30;
// `years` is negative exactly when the end lies before the start.
struct Period {
    int years = 0;
    int months = 0;
    int days = 0;
};

// Not a calendar-exact difference: a day borrow always counts the month as
// 30 days, whatever its real length (31 January to 1 March is one month,
// 31 December to 1 January is nothing). Only year, month and day count.
Period ElapsedPeriod(const QDate &start, const QDate &end);

} // namespace pellumo
