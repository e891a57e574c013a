#pragma once

// The statutory holidays of 《全国年节及纪念日放假办法》 as amended in force
// from 2025, for the years the notices do not cover yet: 元旦 1 January;
// 春节 农历除夕 and 正月初一 to 初三; 清明节 the day of the solar term;
// 劳动节 1 and 2 May; 端午节 农历五月初五; 中秋节 农历八月十五; 国庆节 1 to 3
// October. The lunar and solar-term dates come from a shipped table
// (2025-2040) and are never computed here: near-midnight new moons make a
// computed Chinese calendar put some new years a day off.

#include <QDate>
#include <QString>
#include <vector>

namespace pellumo {

struct StatutoryHoliday {
    QDate date;
    QString name;   // "春节" (除夕 too); "国庆节、中秋节" when both fall on the day
};

// The first and last years of the festival table.
int FirstStatutoryHolidayYear();
int LastStatutoryHolidayYear();

// The statutory holidays of a year in date order; empty for a year outside
// the festival table.
std::vector<StatutoryHoliday> StatutoryHolidays(int year);

// The festival of the day under these rules; empty when none or outside the table.
QString StatutoryHolidayName(const QDate &day);

} // namespace pellumo
