// The official calendar: the notices' days off and make-up working days, the
// statutory holidays of the 2025 rules after the notices, weekends only after
// the festival table, and the strict reading that never takes a damaged file.

#include "dates/data_file.h"
#include "dates/official_calendar.h"
#include "dates/statutory_holidays.h"
#include "tests/test_files.h"

#include <QTest>

using namespace pellumo;

Q_DECLARE_METATYPE(DayKind)

namespace {

// A small, whole calendar file in the update server's form.
const QByteArray SmallCalendar = QByteArrayLiteral(
    "# test calendar\n"
    "#version\t3\n"
    "#known-through\t2026-12-31\n"
    "2025-10-01\t国庆节\toff\n"
    "2026-01-01\t元旦\toff\n"
    "2026-10-10\t国庆节\twork\n");

QByteArray Replaced(QByteArray bytes, const QByteArray &before, const QByteArray &after)
{
    if (!bytes.contains(before))
        qFatal("test text not found: %s", before.constData());
    return bytes.replace(before, after);
}

QByteArray BuiltInCalendarBytes()
{
    InitDatesResources();
    return testing::ReadBytes(QStringLiteral(":/dates/cn-official-days.tsv"));
}

} // namespace

class OfficialCalendarTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void builtInCoverage();
    void dayKind_data();
    void dayKind();
    void statutoryHolidaysOfYear_data();
    void statutoryHolidaysOfYear();
    void ruleGivesOfficialDaysOff_data();
    void ruleGivesOfficialDaysOff();
    void readsFile_data();
    void readsFile();
    void builtInFileCutAtAnyLineEndBeforeItsLastYearIsRefused();
    void missingFileIsNoCalendar();
};

void OfficialCalendarTest::builtInCoverage()
{
    const OfficialCalendar calendar = BuiltInOfficialCalendar();
    QCOMPARE(calendar.coveredUntil(), QDate(2026, 12, 31));
    QCOMPARE(calendar.coveredFrom(), QDate(2007, 1, 1));
    QCOMPARE(calendar.version(), 1);
}

void OfficialCalendarTest::dayKind_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<DayKind>("kind");
    QTest::addColumn<QString>("name");

    const DayKind off = DayKind::OfficialDayOff;
    const DayKind computed = DayKind::ComputedHoliday;
    const DayKind makeUp = DayKind::MakeUpWorkingDay;
    const DayKind weekend = DayKind::Weekend;
    const DayKind working = DayKind::WorkingDay;
    QTest::newRow("National Day 2026, a Monday") << QDate(2026, 10, 5) << off << "国庆节";
    QTest::newRow("Saturday within National Day 2026") << QDate(2026, 10, 3) << off << "国庆节";
    QTest::newRow("the Thursday after National Day 2026") << QDate(2026, 10, 8) << working << "";
    QTest::newRow("make-up Sunday before National Day 2026") << QDate(2026, 9, 20) << makeUp << "";
    QTest::newRow("make-up Saturday after National Day 2026") << QDate(2026, 10, 10) << makeUp << "";
    QTest::newRow("the Sunday after it is a weekend") << QDate(2026, 10, 11) << weekend << "";
    QTest::newRow("the notice's joint name of 2025") << QDate(2025, 10, 6) << off << "国庆节、中秋节";
    QTest::newRow("the notice's own words of 2007") << QDate(2007, 5, 1) << off << "“五一”";
    QTest::newRow("a one-off day off of 2015")
        << QDate(2015, 9, 3) << off << "抗日战争暨世界反法西斯战争胜利70周年纪念日";
    QTest::newRow("a weekday marked work is a plain working day") << QDate(2020, 2, 3) << working << "";
    QTest::newRow("make-up Saturday of 2006 from the 2007 notice") << QDate(2006, 12, 30) << makeUp << "";
    QTest::newRow("before the notices, a Saturday is a weekend") << QDate(2005, 10, 1) << weekend << "";
    QTest::newRow("before the notices, a weekday works") << QDate(2005, 10, 3) << working << "";
    QTest::newRow("computed 元旦 2027, a Friday") << QDate(2027, 1, 1) << computed << "元旦";
    QTest::newRow("computed 除夕 2027 counts as 春节") << QDate(2027, 2, 5) << computed << "春节";
    QTest::newRow("computed 初三 2027, a Monday") << QDate(2027, 2, 8) << computed << "春节";
    QTest::newRow("初四 2027 is a working day") << QDate(2027, 2, 9) << working << "";
    QTest::newRow("computed 清明节 2027") << QDate(2027, 4, 5) << computed << "清明节";
    QTest::newRow("computed 劳动节 on a Saturday stays a holiday") << QDate(2027, 5, 1) << computed << "劳动节";
    QTest::newRow("3 May 2027 is a working day") << QDate(2027, 5, 3) << working << "";
    QTest::newRow("computed 端午节 2027") << QDate(2027, 6, 9) << computed << "端午节";
    QTest::newRow("computed 中秋节 2027") << QDate(2027, 9, 15) << computed << "中秋节";
    QTest::newRow("computed 国庆节 on a Sunday") << QDate(2027, 10, 3) << computed << "国庆节";
    QTest::newRow("4 October 2027 is a working day") << QDate(2027, 10, 4) << working << "";
    QTest::newRow("中秋节 on National Day 2031") << QDate(2031, 10, 1) << computed << "国庆节、中秋节";
    // ICU's Chinese calendar puts 正月初一 2030 on 2 February.
    QTest::newRow("除夕 2030 on a Saturday") << QDate(2030, 2, 2) << computed << "春节";
    QTest::newRow("the day before 除夕 2030 works") << QDate(2030, 2, 1) << working << "";
    QTest::newRow("初三 2030") << QDate(2030, 2, 5) << computed << "春节";
    QTest::newRow("初四 2030 works") << QDate(2030, 2, 6) << working << "";
    QTest::newRow("leap 11th month: 中秋节 2033") << QDate(2033, 9, 8) << computed << "中秋节";
    QTest::newRow("the last day of the festival table") << QDate(2040, 12, 31) << working << "";
    QTest::newRow("元旦 2041: weekends only") << QDate(2041, 1, 1) << working << "";
    QTest::newRow("a Saturday of 2041") << QDate(2041, 10, 5) << weekend << "";
}

void OfficialCalendarTest::dayKind()
{
    QFETCH(QDate, day);
    QFETCH(DayKind, kind);
    QFETCH(QString, name);
    const OfficialCalendar calendar = BuiltInOfficialCalendar();
    QCOMPARE(calendar.kind(day), kind);
    QCOMPARE(calendar.holidayName(day), name);
    const bool rest = kind == DayKind::OfficialDayOff || kind == DayKind::ComputedHoliday || kind == DayKind::Weekend;
    QCOMPARE(calendar.isRestDay(day), rest);
}

void OfficialCalendarTest::statutoryHolidaysOfYear_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days");
    QTest::newRow("2024, before the 2025 rules") << 2024 << 0;
    QTest::newRow("2025: 1 + 4 + 1 + 2 + 1 + 1 + 3 days") << 2025 << 13;
    QTest::newRow("2027") << 2027 << 13;
    QTest::newRow("2031: 中秋节 on 1 October") << 2031 << 12;
    QTest::newRow("2040, the table's last year") << 2040 << 13;
    QTest::newRow("2041, after the table") << 2041 << 0;
}

void OfficialCalendarTest::statutoryHolidaysOfYear()
{
    QFETCH(int, year);
    QFETCH(int, days);
    const std::vector<StatutoryHoliday> holidays = StatutoryHolidays(year);
    QCOMPARE(int(holidays.size()), days);
    for (size_t i = 1; i < holidays.size(); ++i)
        QVERIFY(holidays[i - 1].date < holidays[i].date);
}

void OfficialCalendarTest::ruleGivesOfficialDaysOff_data()
{
    QTest::addColumn<int>("year");
    QTest::newRow("2025") << 2025;
    QTest::newRow("2026") << 2026;
}

// The notices of 2025 and 2026, made under the 2025 rules, give every
// statutory holiday as a day off under the festival's own name.
void OfficialCalendarTest::ruleGivesOfficialDaysOff()
{
    QFETCH(int, year);
    const OfficialCalendar calendar = BuiltInOfficialCalendar();
    const std::vector<StatutoryHoliday> holidays = StatutoryHolidays(year);
    QCOMPARE(int(holidays.size()), 13);
    for (const StatutoryHoliday &holiday : holidays) {
        const QString day = holiday.date.toString(Qt::ISODate);
        QVERIFY2(calendar.kind(holiday.date) == DayKind::OfficialDayOff, qPrintable(day));
        QVERIFY2(calendar.holidayName(holiday.date).contains(holiday.name), qPrintable(day + holiday.name));
    }
}

void OfficialCalendarTest::readsFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");

    const QByteArray &small = SmallCalendar;
    QTest::newRow("a whole small file") << small << true;
    QTest::newRow("lines ending in CRLF") << QByteArray(small).replace("\n", "\r\n") << true;
    QTest::newRow("missing version") << Replaced(small, "#version\t3\n", "") << false;
    QTest::newRow("version 0") << Replaced(small, "#version\t3", "#version\t0") << false;
    QTest::newRow("version with a sign") << Replaced(small, "#version\t3", "#version\t+3") << false;
    QTest::newRow("version not a number") << Replaced(small, "#version\t3", "#version\tthree") << false;
    QTest::newRow("version after a blank") << Replaced(small, "#version\t3", "#version 3") << false;
    QTest::newRow("two versions") << Replaced(small, "#version\t3\n", "#version\t3\n#version\t4\n") << false;
    QTest::newRow("missing known-through") << Replaced(small, "#known-through\t2026-12-31\n", "") << false;
    QTest::newRow("known-through before the last row")
        << Replaced(small, "#known-through\t2026-12-31", "#known-through\t2026-10-09") << false;
    QTest::newRow("known-through a year past the rows")
        << Replaced(small, "#known-through\t2026-12-31", "#known-through\t2027-12-31") << false;
    QTest::newRow("known-through no day") << Replaced(small, "2026-12-31", "2026-12-32") << false;
    QTest::newRow("bad date") << Replaced(small, "2026-01-01", "2026-02-30") << false;
    QTest::newRow("date without leading zeros") << Replaced(small, "2026-01-01", "2026-1-1") << false;
    QTest::newRow("implausible year") << Replaced(small, "2025-10-01", "1025-10-01") << false;
    QTest::newRow("bad kind") << Replaced(small, "元旦\toff", "元旦\trest") << false;
    QTest::newRow("kind in capitals") << Replaced(small, "元旦\toff", "元旦\tOFF") << false;
    QTest::newRow("empty name") << Replaced(small, "元旦\toff", "\toff") << false;
    QTest::newRow("a field too few") << Replaced(small, "元旦\toff", "元旦") << false;
    QTest::newRow("a field too many") << Replaced(small, "元旦\toff", "元旦\toff\t1") << false;
    QTest::newRow("an empty line") << Replaced(small, "元旦\toff\n", "元旦\toff\n\n") << false;
    QTest::newRow("rows out of order")
        << Replaced(small, "2025-10-01\t国庆节\toff\n2026-01-01\t元旦\toff\n",
                    "2026-01-01\t元旦\toff\n2025-10-01\t国庆节\toff\n") << false;
    QTest::newRow("a day twice")
        << Replaced(small, "2026-01-01\t元旦\toff\n", "2026-01-01\t元旦\toff\n2026-01-01\t元旦\toff\n") << false;
    QTest::newRow("a year without rows")
        << Replaced(small, "2025-10-01\t国庆节\toff", "2024-10-01\t国庆节\toff") << false;
    QTest::newRow("cut off in mid-line") << small.left(small.size() - 3) << false;
    QTest::newRow("cut off before the last line end") << small.chopped(1) << false;
    QTest::newRow("not UTF-8") << Replaced(small, "元旦", testing::Gbk(QStringLiteral("元旦"))) << false;
    QTest::newRow("no rows") << QByteArray("#version\t1\n#known-through\t2026-12-31\n") << false;
    QTest::newRow("empty file") << QByteArray("") << false;
    QTest::newRow("an error page") << QByteArray("<html><body>404 Not Found</body></html>\n") << false;

    const QByteArray builtIn = BuiltInCalendarBytes();
    QTest::newRow("the built-in file") << builtIn << true;
    QTest::newRow("the built-in file without its version")
        << Replaced(builtIn, "#version\t1\n", "") << false;
    QTest::newRow("the built-in file cut in half") << builtIn.left(builtIn.size() / 2) << false;
}

void OfficialCalendarTest::readsFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QCOMPARE(ParseOfficialCalendar(bytes).has_value(), valid);

    QTemporaryDir folder;
    const QString path = testing::PlaceFile(folder.filePath(QStringLiteral("calendar.tsv")), bytes);
    const std::optional<OfficialCalendar> calendar = ReadOfficialCalendar(path);
    QCOMPARE(calendar.has_value(), valid);
    if (calendar && bytes.startsWith("# test")) {
        QCOMPARE(calendar->version(), 3);
        QCOMPARE(calendar->coveredUntil(), QDate(2026, 12, 31));
        QCOMPARE(calendar->kind(QDate(2026, 1, 1)), DayKind::OfficialDayOff);
        QCOMPARE(calendar->kind(QDate(2026, 10, 10)), DayKind::MakeUpWorkingDay);
        QCOMPARE(calendar->kind(QDate(2026, 10, 1)), DayKind::WorkingDay);   // not in this file
    }
}

// A download that stops at a line end looks whole line by line; the rows of
// every year up to the known-through year give it away.
void OfficialCalendarTest::builtInFileCutAtAnyLineEndBeforeItsLastYearIsRefused()
{
    const QByteArray builtIn = BuiltInCalendarBytes();
    const qsizetype lastYearStart = builtIn.indexOf("\n2026-") + 1;
    QVERIFY(lastYearStart > 0);
    int cuts = 0;
    for (qsizetype end = builtIn.indexOf('\n'); end >= 0 && end < lastYearStart; end = builtIn.indexOf('\n', end + 1)) {
        QVERIFY2(!ParseOfficialCalendar(builtIn.left(end + 1)), qPrintable(QString::number(end)));
        ++cuts;
    }
    QVERIFY(cuts > 500);
}

void OfficialCalendarTest::missingFileIsNoCalendar()
{
    QTemporaryDir folder;
    QVERIFY(!ReadOfficialCalendar(folder.filePath(QStringLiteral("calendar.tsv"))));
    QVERIFY(!ReadOfficialCalendar(folder.path()));   // a folder is no file
}

QTEST_GUILESS_MAIN(OfficialCalendarTest)
#include "tst_official_calendar.moc"
