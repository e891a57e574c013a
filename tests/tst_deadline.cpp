#include "dates/deadline.h"
#include "dates/holiday_table.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTest>

using namespace pellumo;
using Kind = DeadlineOutcome::Kind;

Q_DECLARE_METATYPE(DeadlineOutcome::Kind)
Q_DECLARE_METATYPE(pellumo::PeriodUnit)

class DeadlineTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void result_data();
    void result();
    void countText_data();
    void countText();
    void periodUnits_data();
    void periodUnits();
    void calendarRange_data();
    void calendarRange();
    void textsOfAnyLength_data();
    void textsOfAnyLength();
};

void DeadlineTest::initTestCase()
{
    // The names must not come from the locale; an English default would show it.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void DeadlineTest::result_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("weekendPart");
    QTest::addColumn<QString>("holidayPart");
    const QDate national(2007, 10, 1);
    QTest::newRow("5 days from 1 October 2007, a Saturday of National Day")
        << national << "5" << "2007年10月6日" << "星期六" << "假日 " << "国庆节 ";
    QTest::newRow("count 0 gives the start, marked like any day")
        << national << "0" << "2007年10月1日" << "星期一" << "" << "国庆节 ";
    QTest::newRow("minus 3 goes back, no leading zeros")
        << national << "-3" << "2007年9月28日" << "星期五" << "" << "";
    QTest::newRow("清明节 on a Monday")
        << QDate(2010, 4, 1) << "4" << "2010年4月5日" << "星期一" << "" << "清明节";
    QTest::newRow("清明节 on a Thursday")
        << QDate(2013, 4, 4) << "0" << "2013年4月4日" << "星期四" << "" << "清明节";
    QTest::newRow("清明节 on a Saturday")
        << QDate(2009, 4, 4) << "0" << "2009年4月4日" << "星期六" << "假日 " << "清明节";
    QTest::newRow("中秋节 on a Wednesday")
        << QDate(2010, 9, 22) << "0" << "2010年9月22日" << "星期三" << "" << "中秋节";
    QTest::newRow("中秋节 on a Sunday")
        << QDate(2012, 9, 30) << "0" << "2012年9月30日" << "星期日" << "假日 " << "中秋节";
    QTest::newRow("1 May 2010, a Saturday")
        << QDate(2010, 5, 1) << "0" << "2010年5月1日" << "星期六" << "假日 " << "劳动节 ";
    QTest::newRow("2 May 2010 is only a Sunday")
        << QDate(2010, 5, 2) << "0" << "2010年5月2日" << "星期日" << "假日 " << "";
    QTest::newRow("7 October 2010, a Thursday")
        << QDate(2010, 10, 7) << "0" << "2010年10月7日" << "星期四" << "" << "国庆节 ";
    QTest::newRow("8 October 2010 has no mark")
        << QDate(2010, 10, 8) << "0" << "2010年10月8日" << "星期五" << "" << "";
    QTest::newRow("清明节 of 2017 is past the table")
        << QDate(2017, 4, 4) << "0" << "2017年4月4日" << "星期二" << "" << "";
    QTest::newRow("National Day is matched in any year")
        << QDate(1800, 10, 7) << "0" << "1800年10月7日" << "星期二" << "" << "国庆节 ";
    QTest::newRow("1 May is matched in any year")
        << QDate(2100, 5, 1) << "0" << "2100年5月1日" << "星期六" << "假日 " << "劳动节 ";
    // The mended rows of the table: Mid-Autumn 2009 was 3 October, 2016 was 15 September.
    QTest::newRow("3 October 2009 reads National Day before the table")
        << QDate(2009, 10, 3) << "0" << "2009年10月3日" << "星期六" << "假日 " << "国庆节 ";
    QTest::newRow("30 October 2009 has no mark")
        << QDate(2009, 10, 30) << "0" << "2009年10月30日" << "星期五" << "" << "";
    QTest::newRow("15 September 2016 is 中秋节")
        << QDate(2016, 9, 15) << "0" << "2016年9月15日" << "星期四" << "" << "中秋节";
    QTest::newRow("15 August 2016 has no mark")
        << QDate(2016, 8, 15) << "0" << "2016年8月15日" << "星期一" << "" << "";
    QTest::newRow("across a leap day")
        << QDate(2008, 2, 28) << "1" << "2008年2月29日" << "星期五" << "" << "";
    QTest::newRow("2100 is no leap year")
        << QDate(2100, 2, 28) << "1" << "2100年3月1日" << "星期一" << "" << "";
}

void DeadlineTest::result()
{
    QFETCH(QDate, start);
    QFETCH(QString, count);
    QFETCH(QString, dateText);
    QFETCH(QString, weekday);
    QFETCH(QString, weekendPart);
    QFETCH(QString, holidayPart);
    const DeadlineOutcome outcome = ComputeDeadline(start, count);
    QCOMPARE(outcome.kind, Kind::Result);
    QCOMPARE(outcome.result.date, start.addDays(count.toInt()));
    QCOMPARE(outcome.result.dateText, dateText);
    QCOMPARE(outcome.result.weekdayText, weekday);
    QCOMPARE(outcome.result.weekendPart, weekendPart);
    QCOMPARE(outcome.result.holidayPart, holidayPart);
    QCOMPARE(outcome.result.mark(), weekendPart + holidayPart);
    QCOMPARE(HolidayMark(outcome.result.date), weekendPart + holidayPart);
}

void DeadlineTest::countText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("days");  // for Kind::Result
    QTest::newRow("empty text does nothing") << "" << Kind::Nothing << 0;
    QTest::newRow("null text does nothing") << QString() << Kind::Nothing << 0;
    QTest::newRow("plain number") << "12" << Kind::Result << 12;
    QTest::newRow("leading blank") << " 12" << Kind::Result << 12;
    QTest::newRow("several leading blanks before a sign") << "   -7" << Kind::Result << -7;
    QTest::newRow("plus sign") << "+5" << Kind::Result << 5;
    QTest::newRow("minus sign") << "-3" << Kind::Result << -3;
    QTest::newRow("minus zero") << "-0" << Kind::Result << 0;
    QTest::newRow("leading zeros") << "007" << Kind::Result << 7;
    QTest::newRow("trailing blank") << "12 " << Kind::Failure << 0;
    QTest::newRow("blank between sign and digits") << "- 3" << Kind::Failure << 0;
    QTest::newRow("blank between digits") << "1 2" << Kind::Failure << 0;
    QTest::newRow("blanks only") << " " << Kind::Failure << 0;
    // A sign is how a negative or signed count begins: not wrong yet.
    QTest::newRow("lone minus is unfinished") << "-" << Kind::Unfinished << 0;
    QTest::newRow("lone plus is unfinished") << "+" << Kind::Unfinished << 0;
    QTest::newRow("blanks, then a lone sign is unfinished") << "  -" << Kind::Unfinished << 0;
    QTest::newRow("sign, then a blank") << "- " << Kind::Failure << 0;
    QTest::newRow("lone sign after a letter") << "a-" << Kind::Failure << 0;
    QTest::newRow("two signs") << "+-5" << Kind::Failure << 0;
    QTest::newRow("decimal") << "1.5" << Kind::Failure << 0;
    QTest::newRow("letters") << "abc" << Kind::Failure << 0;
    QTest::newRow("digits then a letter") << "12a" << Kind::Failure << 0;
    QTest::newRow("exponent") << "1e3" << Kind::Failure << 0;
    QTest::newRow("leading tab is not a blank") << "\t5" << Kind::Failure << 0;
    QTest::newRow("full-width digits") << "１２" << Kind::Failure << 0;
    QTest::newRow("full-width blank") << "　12" << Kind::Failure << 0;
    QTest::newRow("embedded NUL") << QStringView(u"1\u00002", 3).toString() << Kind::Failure << 0;
    QTest::newRow("hexadecimal with dollar") << "$10" << Kind::Failure << 0;
    QTest::newRow("hexadecimal with 0x") << "0x10" << Kind::Failure << 0;
    QTest::newRow("hexadecimal with x") << "x10" << Kind::Failure << 0;
    QTest::newRow("negative hexadecimal") << "-$A" << Kind::Failure << 0;
    QTest::newRow("eleven digits") << "12345678901" << Kind::Failure << 0;
    QTest::newRow("2^31 is past the top") << "2147483648" << Kind::Failure << 0;
    QTest::newRow("-2^31 - 1 is past the bottom") << "-2147483649" << Kind::Failure << 0;
    QTest::newRow("2^32 + 5 must not wrap to 5") << "4294967301" << Kind::Failure << 0;
    QTest::newRow("-(2^32) + 5 must not wrap to 5") << "-4294967291" << Kind::Failure << 0;
    QTest::newRow("2^64 + 5 must not wrap to 5") << "18446744073709551621" << Kind::Failure << 0;
}

void DeadlineTest::countText()
{
    QFETCH(QString, text);
    QFETCH(Kind, kind);
    QFETCH(int, days);
    const QDate start(2000, 1, 1);
    const DeadlineOutcome outcome = ComputeDeadline(start, text);
    QCOMPARE(outcome.kind, kind);
    if (kind == Kind::Result) {
        QCOMPARE(outcome.result.date, start.addDays(days));
        QCOMPARE(outcome.count, days);
    }
}

void DeadlineTest::periodUnits_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("count");
    QTest::addColumn<PeriodUnit>("unit");
    QTest::addColumn<QDate>("expected");  // invalid: Failure
    QTest::addColumn<QString>("mark");
    QTest::newRow("days are the default sum")
        << QDate(2007, 10, 1) << "5" << PeriodUnit::Days << QDate(2007, 10, 6) << "假日 国庆节 ";
    QTest::newRow("a month from 31 January ends on the last day of February")
        << QDate(2026, 1, 31) << "1" << PeriodUnit::Months << QDate(2026, 2, 28) << "假日 ";
    QTest::newRow("a month from 31 January of a leap year")
        << QDate(2024, 1, 31) << "1" << PeriodUnit::Months << QDate(2024, 2, 29) << "";
    QTest::newRow("months across the year end")
        << QDate(2026, 11, 15) << "3" << PeriodUnit::Months << QDate(2027, 2, 15) << "";
    QTest::newRow("minus one month back to a shorter month")
        << QDate(2026, 3, 31) << "-1" << PeriodUnit::Months << QDate(2026, 2, 28) << "假日 ";
    QTest::newRow("a year from a leap day")
        << QDate(2024, 2, 29) << "1" << PeriodUnit::Years << QDate(2025, 2, 28) << "";
    QTest::newRow("four years from a leap day")
        << QDate(2024, 2, 29) << "4" << PeriodUnit::Years << QDate(2028, 2, 29) << "";
    QTest::newRow("a month past the calendar's last month")
        << QDate(9999, 12, 15) << "1" << PeriodUnit::Months << QDate() << "";
    QTest::newRow("a month back before the calendar's first day")
        << QDate(1752, 10, 1) << "-1" << PeriodUnit::Months << QDate() << "";
    QTest::newRow("the largest count in years must not wrap")
        << QDate(2000, 1, 1) << "2147483647" << PeriodUnit::Years << QDate() << "";
    QTest::newRow("the smallest count in years must not wrap")
        << QDate(2000, 1, 1) << "-2147483648" << PeriodUnit::Years << QDate() << "";
}

// The result row shows the start plus the count in the unit chosen, marked
// by the same rules as a sum of days.
void DeadlineTest::periodUnits()
{
    QFETCH(QDate, start);
    QFETCH(QString, count);
    QFETCH(PeriodUnit, unit);
    QFETCH(QDate, expected);
    QFETCH(QString, mark);
    const DeadlineOutcome outcome = ComputeDeadline(start, count, unit);
    QCOMPARE(outcome.kind, expected.isValid() ? Kind::Result : Kind::Failure);
    QCOMPARE(outcome.result.date, expected);
    if (expected.isValid()) {
        QCOMPARE(outcome.result.dateText, DateText(expected));
        QCOMPARE(outcome.result.mark(), mark);
        QCOMPARE(outcome.count, count.toInt());
    }
}

void DeadlineTest::calendarRange_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QDate>("expected");  // invalid: Failure
    const QDate earliest(1752, 9, 14);
    const QDate latest(9999, 12, 31);
    QTest::newRow("back to the first day") << QDate(1752, 9, 15) << "-1" << earliest;
    QTest::newRow("back one past the first day") << earliest << "-1" << QDate();
    QTest::newRow("on to the last day") << QDate(9999, 12, 30) << "1" << latest;
    QTest::newRow("on one past the last day") << latest << "1" << QDate();
    QTest::newRow("first to last day in one count") << earliest << "3012262" << latest;
    QTest::newRow("one day more than the whole range") << earliest << "3012263" << QDate();
    QTest::newRow("start before the range, result inside") << QDate(1752, 9, 13) << "1" << earliest;
    QTest::newRow("count 0 on a start before the range") << QDate(1752, 9, 13) << "0" << QDate();
    QTest::newRow("largest count from the first day") << earliest << "2147483647" << QDate();
    QTest::newRow("largest count from the last day") << latest << "2147483647" << QDate();
    QTest::newRow("smallest count from the last day") << latest << "-2147483648" << QDate();
    QTest::newRow("smallest count from the first day") << earliest << "-2147483648" << QDate();
    QTest::newRow("invalid start") << QDate() << "0" << QDate();
    QTest::newRow("invalid start, smallest count") << QDate() << "-2147483648" << QDate();
}

void DeadlineTest::calendarRange()
{
    QFETCH(QDate, start);
    QFETCH(QString, count);
    QFETCH(QDate, expected);
    const DeadlineOutcome outcome = ComputeDeadline(start, count);
    QCOMPARE(outcome.kind, expected.isValid() ? Kind::Result : Kind::Failure);
    QCOMPARE(outcome.result.date, expected);
}

void DeadlineTest::textsOfAnyLength_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("days");
    const qsizetype n = 1'000'000;
    QTest::newRow("a million digits") << QString(n, QLatin1Char('9')) << Kind::Failure << 0;
    QTest::newRow("a million letters") << QString(n, QLatin1Char('a')) << Kind::Failure << 0;
    QTest::newRow("a million blanks") << QString(n, QLatin1Char(' ')) << Kind::Failure << 0;
    QTest::newRow("a million blanks, then 5")
        << QString(n, QLatin1Char(' ')) + QLatin1Char('5') << Kind::Result << 5;
    QTest::newRow("minus, a million zeros, then 3")
        << QLatin1Char('-') + QString(n, QLatin1Char('0')) + QLatin1Char('3') << Kind::Result << -3;
    QTest::newRow("a million zeros, then a letter")
        << QString(n, QLatin1Char('0')) + QLatin1Char('x') << Kind::Failure << 0;
}

void DeadlineTest::textsOfAnyLength()
{
    QFETCH(QString, text);
    QFETCH(Kind, kind);
    QFETCH(int, days);
    const QDate start(2000, 1, 1);
    QElapsedTimer timer;
    timer.start();
    const DeadlineOutcome outcome = ComputeDeadline(start, text);
    // A pass over a million characters takes milliseconds, even sanitized;
    // anything quadratic would take hours.
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed()) + QStringLiteral(" ms")));
    QCOMPARE(outcome.kind, kind);
    if (kind == Kind::Result)
        QCOMPARE(outcome.result.date, start.addDays(days));
}

QTEST_GUILESS_MAIN(DeadlineTest)
#include "tst_deadline.moc"
