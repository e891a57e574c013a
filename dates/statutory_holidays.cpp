#include "dates/statutory_holidays.h"

#include "dates/data_file.h"

#include <QStringList>
#include <algorithm>

namespace pellumo {
namespace {

// One row of the festival table: the lunar festivals and 清明 of one year.
struct FestivalYear {
    int year = 0;
    QDate chuxi;
    QDate chunjie;
    QDate qingming;
    QDate duanwu;
    QDate zhongqiu;
};

const QString FestivalTablePath = QStringLiteral(":/dates/cn-lunar-festivals.tsv");
const QString FestivalTableHeader = QStringLiteral("year\tchuxi\tchunjie\tqingming\tduanwu\tzhongqiu");

std::optional<FestivalYear> ParseFestivalRow(const QString &line)
{
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != 6)
        return std::nullopt;
    bool yearOk = false;
    FestivalYear row;
    row.year = fields[0].toInt(&yearOk, 10);
    std::optional<QDate> dates[5];
    for (int i = 0; i < 5; ++i)
        dates[i] = ParseDataDate(fields[i + 1]);
    if (!yearOk || !std::all_of(std::begin(dates), std::end(dates), [&](const auto &date) {
            return date && date->year() == row.year;
        }))
        return std::nullopt;
    row.chuxi = *dates[0];
    row.chunjie = *dates[1];
    row.qingming = *dates[2];
    row.duanwu = *dates[3];
    row.zhongqiu = *dates[4];
    if (row.chuxi.addDays(1) != row.chunjie)
        return std::nullopt;
    return row;
}

// The shipped table, read once. It is part of the program: a table that does
// not read is a broken build, not a condition to carry on with.
std::vector<FestivalYear> ReadFestivalTable()
{
    InitDatesResources();
    const std::optional<QByteArray> bytes = ReadWholeFile(FestivalTablePath, 1 << 20);
    const std::optional<QStringList> lines = bytes ? SplitDataLines(*bytes) : std::nullopt;
    if (!lines)
        qFatal("The built-in festival table cannot be read");
    std::vector<FestivalYear> years;
    bool headerSeen = false;
    for (const QString &line : *lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (!headerSeen) {
            headerSeen = line == FestivalTableHeader;
            if (!headerSeen)
                qFatal("The built-in festival table has no header line");
            continue;
        }
        const std::optional<FestivalYear> row = ParseFestivalRow(line);
        if (!row || (!years.empty() && row->year != years.back().year + 1))
            qFatal("The built-in festival table has a damaged row: %s", qPrintable(line));
        years.push_back(*row);
    }
    if (years.empty())
        qFatal("The built-in festival table is empty");
    return years;
}

const std::vector<FestivalYear> &FestivalTable()
{
    static const std::vector<FestivalYear> table = ReadFestivalTable();
    return table;
}

const FestivalYear *FestivalsOf(int year)
{
    const std::vector<FestivalYear> &table = FestivalTable();
    const auto index = static_cast<qint64>(year) - table.front().year;
    if (index < 0 || index >= static_cast<qint64>(table.size()))
        return nullptr;
    return &table[static_cast<size_t>(index)];
}

// Adds the day, or joins the name to one already there (中秋节 can fall on
// one of the three days of 国庆节).
void AddHoliday(std::vector<StatutoryHoliday> &holidays, const QDate &date, const QString &name)
{
    for (StatutoryHoliday &holiday : holidays) {
        if (holiday.date == date) {
            holiday.name += QStringLiteral("、") + name;
            return;
        }
    }
    holidays.push_back({date, name});
}

} // namespace

int FirstStatutoryHolidayYear()
{
    return FestivalTable().front().year;
}

int LastStatutoryHolidayYear()
{
    return FestivalTable().back().year;
}

std::vector<StatutoryHoliday> StatutoryHolidays(int year)
{
    const FestivalYear *festivals = FestivalsOf(year);
    if (!festivals)
        return {};
    std::vector<StatutoryHoliday> holidays;
    AddHoliday(holidays, QDate(year, 1, 1), QStringLiteral("元旦"));
    for (int day = 0; day < 4; ++day)
        AddHoliday(holidays, festivals->chuxi.addDays(day), QStringLiteral("春节"));
    AddHoliday(holidays, festivals->qingming, QStringLiteral("清明节"));
    AddHoliday(holidays, QDate(year, 5, 1), QStringLiteral("劳动节"));
    AddHoliday(holidays, QDate(year, 5, 2), QStringLiteral("劳动节"));
    AddHoliday(holidays, festivals->duanwu, QStringLiteral("端午节"));
    for (int day = 1; day <= 3; ++day)
        AddHoliday(holidays, QDate(year, 10, day), QStringLiteral("国庆节"));
    AddHoliday(holidays, festivals->zhongqiu, QStringLiteral("中秋节"));
    std::sort(holidays.begin(), holidays.end(),
              [](const StatutoryHoliday &a, const StatutoryHoliday &b) { return a.date < b.date; });
    return holidays;
}

QString StatutoryHolidayName(const QDate &day)
{
    if (!day.isValid())
        return {};
    for (const StatutoryHoliday &holiday : StatutoryHolidays(day.year())) {
        if (holiday.date == day)
            return holiday.name;
    }
    return {};
}

} // namespace pellumo
