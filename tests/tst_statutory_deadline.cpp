// The statutory deadline (民事诉讼法 第八十五条, 民法典 第二百零二条) on the
// built-in official calendar, worked out by hand from the State Council's
// notices, and the texts the date page shows about it.

#include "dates/calendar_texts.h"
#include "dates/statutory_deadline.h"

#include <QTest>
#include <limits>

using namespace pellumo;

Q_DECLARE_METATYPE(PeriodUnit)

class StatutoryDeadlineTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void deadline_data();
    void deadline();
    void noDeadline_data();
    void noDeadline();
    void dayKindText_data();
    void dayKindText();
    void coverageNote_data();
    void coverageNote();
};

void StatutoryDeadlineTest::deadline_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<PeriodUnit>("unit");
    QTest::addColumn<QDate>("nominal");
    QTest::addColumn<QDate>("deadline");
    QTest::addColumn<bool>("beyondCoverage");
    QTest::addColumn<QString>("text");

    const PeriodUnit days = PeriodUnit::Days;
    const PeriodUnit months = PeriodUnit::Months;
    const PeriodUnit years = PeriodUnit::Years;
    QTest::newRow("15-day appeal ending in National Day 2026")
        << QDate(2026, 9, 20) << 15 << days << QDate(2026, 10, 5) << QDate(2026, 10, 8) << false
        << "期间届满日：2026年10月8日 星期四（10月5日为国庆节假期，顺延）";
    QTest::newRow("ends on a make-up working Saturday: it stays")
        << QDate(2026, 4, 24) << 15 << days << QDate(2026, 5, 9) << QDate(2026, 5, 9) << false
        << "期间届满日：2026年5月9日 星期六";
    QTest::newRow("ends on a Friday before a weekend: it stays")
        << QDate(2026, 2, 27) << 14 << days << QDate(2026, 3, 13) << QDate(2026, 3, 13) << false
        << "期间届满日：2026年3月13日 星期五";
    QTest::newRow("ends in the Spring Festival holiday 2026")
        << QDate(2026, 2, 10) << 8 << days << QDate(2026, 2, 18) << QDate(2026, 2, 24) << false
        << "期间届满日：2026年2月24日 星期二（2月18日为春节假期，顺延）";
    QTest::newRow("ends on a plain Saturday")
        << QDate(2026, 2, 28) << 14 << days << QDate(2026, 3, 14) << QDate(2026, 3, 16) << false
        << "期间届满日：2026年3月16日 星期一（3月14日为周末，顺延）";
    QTest::newRow("31 January plus 1 month: 28 February, a make-up Saturday")
        << QDate(2026, 1, 31) << 1 << months << QDate(2026, 2, 28) << QDate(2026, 2, 28) << false
        << "期间届满日：2026年2月28日 星期六";
    QTest::newRow("31 March plus 1 month: 30 April")
        << QDate(2026, 3, 31) << 1 << months << QDate(2026, 4, 30) << QDate(2026, 4, 30) << false
        << "期间届满日：2026年4月30日 星期四";
    QTest::newRow("31 December plus 2 months crosses the year")
        << QDate(2025, 12, 31) << 2 << months << QDate(2026, 2, 28) << QDate(2026, 2, 28) << false
        << "期间届满日：2026年2月28日 星期六";
    QTest::newRow("29 February 2024 plus 1 year: 28 February 2025")
        << QDate(2024, 2, 29) << 1 << years << QDate(2025, 2, 28) << QDate(2025, 2, 28) << false
        << "期间届满日：2025年2月28日 星期五";
    QTest::newRow("1 year from National Day 2025 ends in National Day 2026")
        << QDate(2025, 10, 1) << 1 << years << QDate(2026, 10, 1) << QDate(2026, 10, 8) << false
        << "期间届满日：2026年10月8日 星期四（10月1日为国庆节假期，顺延）";
    QTest::newRow("ends on computed 元旦 2027, a Friday")
        << QDate(2026, 12, 17) << 15 << days << QDate(2027, 1, 1) << QDate(2027, 1, 4) << true
        << "期间届满日：2027年1月4日 星期一（1月1日为元旦假期，顺延）";
    QTest::newRow("ends on computed 劳动节 2027, a Saturday")
        << QDate(2027, 4, 1) << 1 << months << QDate(2027, 5, 1) << QDate(2027, 5, 3) << true
        << "期间届满日：2027年5月3日 星期一（5月1日为劳动节假期，顺延）";
    QTest::newRow("ends on 除夕 2030, four days of 春节")
        << QDate(2030, 1, 18) << 15 << days << QDate(2030, 2, 2) << QDate(2030, 2, 6) << true
        << "期间届满日：2030年2月6日 星期三（2月2日为春节假期，顺延）";
    QTest::newRow("a Saturday 31 December moves into the next year")
        << QDate(2033, 12, 16) << 15 << days << QDate(2033, 12, 31) << QDate(2034, 1, 2) << true
        << "期间届满日：2034年1月2日 星期一（2033年12月31日为周末，顺延）";
    QTest::newRow("after 2040 National Day is no rest day")
        << QDate(2040, 10, 1) << 1 << years << QDate(2041, 10, 1) << QDate(2041, 10, 1) << true
        << "期间届满日：2041年10月1日 星期二";
    QTest::newRow("after 2040 a weekend still moves it")
        << QDate(2041, 9, 20) << 15 << days << QDate(2041, 10, 5) << QDate(2041, 10, 7) << true
        << "期间届满日：2041年10月7日 星期一（10月5日为周末，顺延）";
    QTest::newRow("before the notices a weekend moves it")
        << QDate(2005, 9, 16) << 15 << days << QDate(2005, 10, 1) << QDate(2005, 10, 3) << false
        << "期间届满日：2005年10月3日 星期一（10月1日为周末，顺延）";
    QTest::newRow("the last day the date page can show")
        << QDate(9999, 11, 30) << 1 << months << QDate(9999, 12, 30) << QDate(9999, 12, 30) << true
        << "期间届满日：9999年12月30日 星期四";
}

void StatutoryDeadlineTest::deadline()
{
    QFETCH(QDate, start);
    QFETCH(int, count);
    QFETCH(PeriodUnit, unit);
    QFETCH(QDate, nominal);
    QFETCH(QDate, deadline);
    QFETCH(bool, beyondCoverage);
    QFETCH(QString, text);
    const OfficialCalendar calendar = BuiltInOfficialCalendar();
    const StatutoryDeadline result = ComputeStatutoryDeadline(start, count, unit, calendar);
    QVERIFY(result.valid);
    QCOMPARE(result.nominal, nominal);
    QCOMPARE(result.deadline, deadline);
    QCOMPARE(result.beyondCoverage, beyondCoverage);
    QCOMPARE(StatutoryDeadlineText(result, calendar), text);
}

void StatutoryDeadlineTest::noDeadline_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<PeriodUnit>("unit");
    const int most = std::numeric_limits<int>::max();
    QTest::newRow("count 0") << QDate(2026, 9, 20) << 0 << PeriodUnit::Days;
    QTest::newRow("count -3") << QDate(2026, 9, 20) << -3 << PeriodUnit::Days;
    QTest::newRow("count -1 month") << QDate(2026, 9, 20) << -1 << PeriodUnit::Months;
    QTest::newRow("past the last day the page shows") << QDate(9999, 12, 31) << 1 << PeriodUnit::Days;
    QTest::newRow("a month past the last day") << QDate(9999, 12, 1) << 1 << PeriodUnit::Months;
    QTest::newRow("the largest count of days") << QDate(2026, 9, 20) << most << PeriodUnit::Days;
    QTest::newRow("the largest count of months") << QDate(2026, 9, 20) << most << PeriodUnit::Months;
    QTest::newRow("the largest count of years") << QDate(2026, 9, 20) << most << PeriodUnit::Years;
    QTest::newRow("a start before the page's first day") << QDate(1752, 9, 13) << 1 << PeriodUnit::Days;
    QTest::newRow("no start") << QDate() << 1 << PeriodUnit::Days;
}

void StatutoryDeadlineTest::noDeadline()
{
    QFETCH(QDate, start);
    QFETCH(int, count);
    QFETCH(PeriodUnit, unit);
    const OfficialCalendar calendar = BuiltInOfficialCalendar();
    const StatutoryDeadline result = ComputeStatutoryDeadline(start, count, unit, calendar);
    QVERIFY(!result.valid);
    QCOMPARE(StatutoryDeadlineText(result, calendar), QString());
}

void StatutoryDeadlineTest::dayKindText_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("text");
    QTest::newRow("official day off") << QDate(2026, 10, 5) << "国庆节 放假";
    QTest::newRow("day off of two festivals") << QDate(2025, 10, 6) << "国庆节、中秋节 放假";
    QTest::newRow("make-up working day") << QDate(2026, 9, 20) << "调休上班日";
    QTest::newRow("weekend") << QDate(2026, 10, 11) << "周末";
    QTest::newRow("working day") << QDate(2026, 10, 8) << "工作日";
    QTest::newRow("computed holiday") << QDate(2027, 1, 1) << "元旦 放假";
    QTest::newRow("元旦 after 2040") << QDate(2041, 1, 1) << "工作日";
}

void StatutoryDeadlineTest::dayKindText()
{
    QFETCH(QDate, day);
    QFETCH(QString, text);
    QCOMPARE(DayKindText(day, BuiltInOfficialCalendar()), text);
}

void StatutoryDeadlineTest::coverageNote_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("note");
    const QString notYetPublished = QStringLiteral("放假安排尚未公布，仅按法定节假日和周末计算，未计调休");
    QTest::newRow("covered: 2026") << QDate(2026, 12, 31) << "";
    QTest::newRow("covered: the first year") << QDate(2007, 1, 1) << "";
    QTest::newRow("before the notices") << QDate(2006, 12, 31) << "2006年放假安排未收录，仅按周末计算";
    QTest::newRow("the first year not covered") << QDate(2027, 1, 1) << QStringLiteral("2027年") + notYetPublished;
    QTest::newRow("the festival table's last year") << QDate(2040, 12, 31) << QStringLiteral("2040年") + notYetPublished;
    QTest::newRow("after 2040") << QDate(2041, 1, 1) << "2041年法定节假日未收录，仅按周末计算";
}

void StatutoryDeadlineTest::coverageNote()
{
    QFETCH(QDate, day);
    QFETCH(QString, note);
    QCOMPARE(CoverageNote(day, BuiltInOfficialCalendar()), note);
}

QTEST_GUILESS_MAIN(StatutoryDeadlineTest)
#include "tst_statutory_deadline.moc"
