// Interest at the rates in force and the doubled interest for delayed
// performance, checked against segments worked out by hand from the
// published rates: where a period splits, how many days each part has, which
// band or LPR and which rate it takes, and the exact interest.

#include "interest/segmented_interest.h"

#include <QTest>

using namespace pellumo;
using Outcome = SegmentedInterest::Outcome;

namespace {

// "1148/9", "93.1" or "350": an exact expected value.
Money Exact(const QString &text)
{
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return Money::fromPlainDecimal(text).value();
    return Money::fraction(text.first(slash).toLong(), text.sliced(slash + 1).toLong());
}

QString Text(const Money &value)
{
    return QString::fromStdString(value.exact().get_str());
}

// One segment as "first last days basis rate interest", the interest exact.
QString Describe(const InterestSegment &segment)
{
    return QStringList{segment.first.toString(Qt::ISODate), segment.last.toString(Qt::ISODate),
                       QString::number(segment.days), segment.basis, segment.annualRate,
                       Text(segment.interest)}
        .join(QLatin1Char(' '));
}

// The same text for an expected segment written with Exact's notation.
QString Expected(const char *first, const char *last, int days, const char *basis, const char *rate,
                 const char *interest)
{
    InterestSegment segment{QDate::fromString(QLatin1String(first), Qt::ISODate),
                            QDate::fromString(QLatin1String(last), Qt::ISODate),
                            days,
                            QString::fromUtf8(basis),
                            QString::fromLatin1(rate),
                            Exact(QLatin1String(interest))};
    return Describe(segment);
}

QStringList Described(const QList<InterestSegment> &segments)
{
    QStringList texts;
    for (const InterestSegment &segment : segments)
        texts << Describe(segment);
    return texts;
}

const char *const SixToTwelveMonths = "六个月至一年（含一年）";
const char *const UpToOneYear = "一年以内（含一年）";
const char *const OneYearLpr = "一年期LPR";
const char *const DailyRate = "日万分之一点七五";

} // namespace

class SegmentedInterestTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void ratesInForce_data();
    void ratesInForce();
    void doubledDelayInterest_data();
    void doubledDelayInterest();
    void doubledExampleRoundsOnceToTheFen();
    void outcomes_data();
    void outcomes();
    void beyondKnownData_data();
    void beyondKnownData();
    void startsBeforeReplyOf2009_data();
    void startsBeforeReplyOf2009();
    void contractTerms_data();
    void contractTerms();
    void refusedTerms_data();
    void refusedTerms();
    void lastDayLeftOutIsOneDayLess();
    void thirtyYears();

private:
    RateHistory m_history;
};

void SegmentedInterestTest::initTestCase()
{
    m_history = BuiltInRateHistory();
}

void SegmentedInterestTest::ratesInForce_data()
{
    QTest::addColumn<QString>("principal");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<RateBasis>("basis");
    QTest::addColumn<QString>("multiplier");
    QTest::addColumn<int>("daysPerYear");
    QTest::addColumn<QStringList>("segments");
    QTest::addColumn<QString>("total");

    // 36000 at 360 days a year earns the rate in yuan per day.
    QTest::newRow("one year inside one rate")
        << "100000" << QDate(2013, 1, 1) << QDate(2013, 12, 31) << RateBasis::OneYear << "1" << 360
        << QStringList{Expected("2013-01-01", "2013-12-31", 365, SixToTwelveMonths, "6.00", "18250/3")}
        << "18250/3";
    QTest::newRow("across two benchmark changes")
        << "100000" << QDate(2012, 6, 1) << QDate(2012, 7, 31) << RateBasis::OneYear << "1" << 360
        << QStringList{Expected("2012-06-01", "2012-06-07", 7, SixToTwelveMonths, "6.56", "1148/9"),
                       Expected("2012-06-08", "2012-07-05", 28, SixToTwelveMonths, "6.31", "4417/9"),
                       Expected("2012-07-06", "2012-07-31", 26, SixToTwelveMonths, "6.00", "1300/3")}
        << "3155/3";
    QTest::newRow("one year across the band merge of 2014-11-22")
        << "36000" << QDate(2014, 11, 1) << QDate(2014, 12, 31) << RateBasis::OneYear << "1" << 360
        << QStringList{Expected("2014-11-01", "2014-11-21", 21, SixToTwelveMonths, "6.00", "126"),
                       Expected("2014-11-22", "2014-12-31", 40, UpToOneYear, "5.60", "224")}
        << "350";
    QTest::newRow("by term: two years in band 3, merged into 一至五年")
        << "36000" << QDate(2013, 6, 1) << QDate(2015, 5, 31) << RateBasis::ByTerm << "1" << 360
        << QStringList{Expected("2013-06-01", "2014-11-21", 539, "一至三年（含三年）", "6.15", "3314.85"),
                       Expected("2014-11-22", "2015-02-28", 99, "一至五年（含五年）", "6.00", "594"),
                       Expected("2015-03-01", "2015-05-10", 71, "一至五年（含五年）", "5.75", "408.25"),
                       Expected("2015-05-11", "2015-05-31", 21, "一至五年（含五年）", "5.50", "115.5")}
        << "4432.6";
    QTest::newRow("one year across the switch to the LPR")
        << "36000" << QDate(2019, 8, 1) << QDate(2019, 9, 30) << RateBasis::OneYear << "1" << 360
        << QStringList{Expected("2019-08-01", "2019-08-19", 19, UpToOneYear, "4.35", "82.65"),
                       Expected("2019-08-20", "2019-09-19", 31, OneYearLpr, "4.25", "131.75"),
                       Expected("2019-09-20", "2019-09-30", 11, OneYearLpr, "4.20", "46.2")}
        << "260.6";
    QTest::newRow("over five years across the switch, an unchanged fixing not split")
        << "36000" << QDate(2019, 8, 1) << QDate(2019, 9, 30) << RateBasis::OverFiveYears << "1" << 360
        << QStringList{Expected("2019-08-01", "2019-08-19", 19, "五年以上", "4.90", "93.1"),
                       Expected("2019-08-20", "2019-09-30", 42, "五年期以上LPR", "4.85", "203.7")}
        << "296.8";
    QTest::newRow("by term: band 4 takes the one-year LPR")
        << "36000" << QDate(2017, 1, 1) << QDate(2020, 6, 30) << RateBasis::ByTerm << "1" << 360
        << QStringList{Expected("2017-01-01", "2019-08-19", 961, "一至五年（含五年）", "4.75", "18259/4"),
                       Expected("2019-08-20", "2019-09-19", 31, OneYearLpr, "4.25", "527/4"),
                       Expected("2019-09-20", "2019-11-19", 61, OneYearLpr, "4.20", "256.2"),
                       Expected("2019-11-20", "2020-02-19", 92, OneYearLpr, "4.15", "381.8"),
                       Expected("2020-02-20", "2020-04-19", 60, OneYearLpr, "4.05", "243"),
                       Expected("2020-04-20", "2020-06-30", 72, OneYearLpr, "3.85", "277.2")}
        << "5854.7";
    QTest::newRow("by term: six years take the over-five-year LPR")
        << "36000" << QDate(2014, 1, 1) << QDate(2020, 1, 1) << RateBasis::ByTerm << "1" << 360
        << QStringList{Expected("2014-01-01", "2014-11-21", 325, "五年以上", "6.55", "2128.75"),
                       Expected("2014-11-22", "2015-02-28", 99, "五年以上", "6.15", "608.85"),
                       Expected("2015-03-01", "2015-05-10", 71, "五年以上", "5.90", "418.9"),
                       Expected("2015-05-11", "2015-06-27", 48, "五年以上", "5.65", "271.2"),
                       Expected("2015-06-28", "2015-08-25", 59, "五年以上", "5.40", "318.6"),
                       Expected("2015-08-26", "2015-10-23", 59, "五年以上", "5.15", "303.85"),
                       Expected("2015-10-24", "2019-08-19", 1396, "五年以上", "4.90", "6840.4"),
                       Expected("2019-08-20", "2019-11-19", 92, "五年期以上LPR", "4.85", "446.2"),
                       Expected("2019-11-20", "2020-01-01", 43, "五年期以上LPR", "4.80", "206.4")}
        << "11543.15";
    QTest::newRow("first day equals last day")
        << "36000" << QDate(2013, 5, 5) << QDate(2013, 5, 5) << RateBasis::OneYear << "1" << 360
        << QStringList{Expected("2013-05-05", "2013-05-05", 1, SixToTwelveMonths, "6.00", "6")} << "6";
    QTest::newRow("two days, one on each side of a change")
        << "36000" << QDate(2015, 10, 23) << QDate(2015, 10, 24) << RateBasis::OneYear << "1" << 360
        << QStringList{Expected("2015-10-23", "2015-10-23", 1, UpToOneYear, "4.60", "4.6"),
                       Expected("2015-10-24", "2015-10-24", 1, UpToOneYear, "4.35", "4.35")}
        << "8.95";
    QTest::newRow("starting on the day of a change takes the new rate")
        << "36000" << QDate(2012, 7, 6) << QDate(2012, 7, 15) << RateBasis::OneYear << "1" << 360
        << QStringList{Expected("2012-07-06", "2012-07-15", 10, SixToTwelveMonths, "6.00", "60")} << "60";
    QTest::newRow("the 365-day year")
        << "36500" << QDate(2013, 1, 1) << QDate(2013, 12, 31) << RateBasis::OneYear << "1" << 365
        << QStringList{Expected("2013-01-01", "2013-12-31", 365, SixToTwelveMonths, "6.00", "2190")} << "2190";
    QTest::newRow("a multiplier of 1.5")
        << "36000" << QDate(2013, 1, 1) << QDate(2013, 1, 10) << RateBasis::OneYear << "1.5" << 360
        << QStringList{Expected("2013-01-01", "2013-01-10", 10, SixToTwelveMonths, "6.00", "90")} << "90";
}

void SegmentedInterestTest::ratesInForce()
{
    QFETCH(QString, principal);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(RateBasis, basis);
    QFETCH(QString, multiplier);
    QFETCH(int, daysPerYear);
    QFETCH(QStringList, segments);
    QFETCH(QString, total);

    const SegmentedInterest result =
        InterestAtRatesInForce(Exact(principal), first, last, basis, Exact(multiplier), daysPerYear, m_history);
    QCOMPARE(result.outcome, Outcome::Complete);
    QCOMPARE(Described(result.segments), segments);
    QCOMPARE(Text(result.total), Text(Exact(total)));
    QVERIFY(!result.beyondKnownData);
}

void SegmentedInterestTest::doubledDelayInterest_data()
{
    QTest::addColumn<QString>("principal");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<QStringList>("segments");
    QTest::addColumn<QString>("total");

    // Before 2014-08-01: 2013-01-01 to 2014-07-31 is 1 year 6 months 30 days, band 3.
    QTest::newRow("across 2014-08-01")
        << "100000" << QDate(2013, 1, 1) << QDate(2014, 12, 31)
        << QStringList{Expected("2013-01-01", "2014-07-31", 577, "一至三年（含三年）", "6.15", "118285/6"),
                       Expected("2014-08-01", "2014-12-31", 153, DailyRate, "0.0175", "2677.5")}
        << "67175/3";
    // 2008-12-01 to 2009-01-31 is 1 month 30 days, band 1: 5.04, then 4.86 from 2008-12-23.
    QTest::newRow("before 2014-08-01 only, across a benchmark change")
        << "10000" << QDate(2008, 12, 1) << QDate(2009, 1, 31)
        << QStringList{Expected("2008-12-01", "2008-12-22", 22, "六个月以内（含六个月）", "5.04", "61.6"),
                       Expected("2008-12-23", "2009-01-31", 40, "六个月以内（含六个月）", "4.86", "108")}
        << "169.6";
    QTest::newRow("from 2014-08-01 only")
        << "20000" << QDate(2015, 1, 1) << QDate(2015, 1, 31)
        << QStringList{Expected("2015-01-01", "2015-01-31", 31, DailyRate, "0.0175", "108.5")} << "108.5";
    QTest::newRow("one day on 2014-08-01")
        << "100000" << QDate(2014, 8, 1) << QDate(2014, 8, 1)
        << QStringList{Expected("2014-08-01", "2014-08-01", 1, DailyRate, "0.0175", "17.5")} << "17.5";
    // The band is that of the one day before 2014-08-01, not of the whole period.
    QTest::newRow("one day before and one after 2014-08-01")
        << "36000" << QDate(2014, 7, 31) << QDate(2014, 8, 1)
        << QStringList{Expected("2014-07-31", "2014-07-31", 1, "六个月以内（含六个月）", "5.60", "11.2"),
                       Expected("2014-08-01", "2014-08-01", 1, DailyRate, "0.0175", "6.3")}
        << "17.5";
}

void SegmentedInterestTest::doubledDelayInterest()
{
    QFETCH(QString, principal);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(QStringList, segments);
    QFETCH(QString, total);

    const SegmentedInterest result = DoubledDelayInterestInForce(Exact(principal), first, last, m_history);
    QCOMPARE(result.outcome, Outcome::Complete);
    QCOMPARE(Described(result.segments), segments);
    QCOMPARE(Text(result.total), Text(Exact(total)));
}

void SegmentedInterestTest::doubledExampleRoundsOnceToTheFen()
{
    const SegmentedInterest result =
        DoubledDelayInterestInForce(100000, QDate(2013, 1, 1), QDate(2014, 12, 31), m_history);
    // 19714.1666… + 2677.50: the total is rounded once, not its parts.
    QCOMPARE(Text(result.total.roundedToFen()), Text(Exact(QStringLiteral("22391.67"))));
    QCOMPARE(Text(result.segments[0].interest.roundedToFen()), Text(Exact(QStringLiteral("19714.17"))));
}

void SegmentedInterestTest::outcomes_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<Outcome>("outcome");

    QTest::newRow("last day before the first") << QDate(2013, 5, 2) << QDate(2013, 5, 1) << Outcome::EndBeforeStart;
    QTest::newRow("no first day") << QDate() << QDate(2013, 5, 1) << Outcome::EndBeforeStart;
    QTest::newRow("a day before 1999-06-10") << QDate(1999, 6, 9) << QDate(2000, 1, 1) << Outcome::BeforeHistory;
    QTest::newRow("from 1999-06-10") << QDate(1999, 6, 10) << QDate(2000, 1, 1) << Outcome::Complete;
}

void SegmentedInterestTest::outcomes()
{
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(Outcome, outcome);

    const SegmentedInterest atRates = InterestAtRatesInForce(1000, first, last, RateBasis::ByTerm, 1, 360, m_history);
    const SegmentedInterest doubled = DoubledDelayInterestInForce(1000, first, last, m_history);
    QCOMPARE(atRates.outcome, outcome);
    QCOMPARE(doubled.outcome, outcome);
    QCOMPARE(atRates.segments.isEmpty(), outcome != Outcome::Complete);
    QCOMPARE(doubled.segments.isEmpty(), outcome != Outcome::Complete);
}

void SegmentedInterestTest::beyondKnownData_data()
{
    QTest::addColumn<QDate>("last");
    QTest::addColumn<bool>("beyond");

    QTest::newRow("ends on the known-through date") << QDate(2026, 3, 20) << false;
    QTest::newRow("ends the day after") << QDate(2026, 3, 21) << true;
}

void SegmentedInterestTest::beyondKnownData()
{
    QFETCH(QDate, last);
    QFETCH(bool, beyond);

    const SegmentedInterest result =
        InterestAtRatesInForce(36000, QDate(2025, 5, 1), last, RateBasis::OneYear, 1, 360, m_history);
    QCOMPARE(result.beyondKnownData, beyond);
    // The days past the data take the last known rate, 3.00 since 2025-05-20.
    QCOMPARE(result.segments.size(), 2);
    QCOMPARE(result.segments.last().annualRate, QStringLiteral("3.00"));
    QCOMPARE(result.segments.last().last, last);
    // Only the days before 2014-08-01 of the doubled interest use the data.
    QVERIFY(!DoubledDelayInterestInForce(36000, QDate(2025, 5, 1), last, m_history).beyondKnownData);
}

void SegmentedInterestTest::startsBeforeReplyOf2009_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<bool>("before");

    QTest::newRow("2009-05-17") << QDate(2009, 5, 17) << true;
    QTest::newRow("2009-05-18, the reply in force") << QDate(2009, 5, 18) << false;
}

void SegmentedInterestTest::startsBeforeReplyOf2009()
{
    QFETCH(QDate, first);
    QFETCH(bool, before);
    QCOMPARE(StartsBeforeReplyOf2009(first), before);
}

namespace {

RateTerms Terms(int basisPoints, const char *multiplier = "1", Repricing repricing = Repricing::EachFixing,
                int month = 1, int day = 1, bool countLastDay = true)
{
    return RateTerms{RateBasis::OneYear, Exact(QLatin1String(multiplier)), basisPoints, repricing, month, day, 360,
                     countLastDay};
}

} // namespace

// 36000 at 360 days a year earns the applied percent in yuan per day, so each
// segment's interest is its days × (published rate × multiplier + spread).
// The published one-year LPR: 2019-08-20 4.25, 2019-09-20 4.20, 2020-02-20
// 4.05, 2020-04-20 3.85, 2021-12-20 3.80, 2022-01-20 3.70, 2022-08-22 3.65,
// 2023-06-20 3.55.
void SegmentedInterestTest::contractTerms_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<RateTerms>("terms");
    QTest::addColumn<QStringList>("segments");
    QTest::addColumn<QString>("total");

    // 19 × (4.25 + 0.50) = 90.25; 11 × (4.20 + 0.50) = 51.7.
    QTest::newRow("LPR plus 50bp across two fixings")
        << QDate(2019, 9, 1) << QDate(2019, 9, 30) << Terms(50)
        << QStringList{Expected("2019-09-01", "2019-09-19", 19, OneYearLpr, "4.25", "90.25"),
                       Expected("2019-09-20", "2019-09-30", 11, OneYearLpr, "4.20", "51.7")}
        << "141.95";
    // The multiplier first, then the spread, which may be negative:
    // 10 × (3.85 × 1.5 − 0.20) = 10 × 5.575 = 55.75.
    QTest::newRow("times 1.5 minus 20bp") << QDate(2020, 4, 20) << QDate(2020, 4, 29) << Terms(-20, "1.5")
                                          << QStringList{Expected("2020-04-20", "2020-04-29", 10, OneYearLpr, "3.85", "55.75")}
                                          << "55.75";
    // Lookups 2020-03-01 (4.05), 2021-01-01 (3.85), 2022-01-01 (3.80), 2023-01-01 (3.65):
    // 306 × 4.05 = 1239.3; 365 × 3.85 = 1405.25; 365 × 3.80 = 1387; 59 × 3.65 = 215.35.
    QTest::newRow("yearly on 1 January")
        << QDate(2020, 3, 1) << QDate(2023, 2, 28) << Terms(0, "1", Repricing::Yearly, 1, 1)
        << QStringList{Expected("2020-03-01", "2020-12-31", 306, OneYearLpr, "4.05", "1239.3"),
                       Expected("2021-01-01", "2021-12-31", 365, OneYearLpr, "3.85", "1405.25"),
                       Expected("2022-01-01", "2022-12-31", 365, OneYearLpr, "3.80", "1387"),
                       Expected("2023-01-01", "2023-02-28", 59, OneYearLpr, "3.65", "215.35")}
        << "4246.9";
    // 29 February reprices on 28 February in 2021 and 2022. On 2021-02-28 the
    // rate is unchanged (3.85), so no split: 423 × 3.85 = 1628.55; 32 × 3.70 = 118.4.
    QTest::newRow("yearly on 29 February in common years")
        << QDate(2021, 1, 1) << QDate(2022, 3, 31) << Terms(0, "1", Repricing::Yearly, 2, 29)
        << QStringList{Expected("2021-01-01", "2022-02-27", 423, OneYearLpr, "3.85", "1628.55"),
                       Expected("2022-02-28", "2022-03-31", 32, OneYearLpr, "3.70", "118.4")}
        << "1746.95";
    // The start day's 4.25 for all 243 days, across four fixings: 243 × 4.25 = 1032.75.
    QTest::newRow("fixed at the start day")
        << QDate(2019, 9, 1) << QDate(2020, 4, 30) << Terms(0, "1", Repricing::Fixed)
        << QStringList{Expected("2019-09-01", "2020-04-30", 243, OneYearLpr, "4.25", "1032.75")} << "1032.75";
    QTest::newRow("last day left out of a one-day period: no days")
        << QDate(2020, 5, 5) << QDate(2020, 5, 5) << Terms(0, "1", Repricing::EachFixing, 1, 1, false)
        << QStringList{} << "0";
    // The last day is the fixing day of 2019-09-20, which bears no interest,
    // so the new rate never applies: 19 × 4.25 = 80.75.
    QTest::newRow("last day left out on a fixing day")
        << QDate(2019, 9, 1) << QDate(2019, 9, 20) << Terms(0, "1", Repricing::EachFixing, 1, 1, false)
        << QStringList{Expected("2019-09-01", "2019-09-19", 19, OneYearLpr, "4.25", "80.75")} << "80.75";
}

void SegmentedInterestTest::contractTerms()
{
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(RateTerms, terms);
    QFETCH(QStringList, segments);
    QFETCH(QString, total);

    const SegmentedInterest result = InterestAtRatesInForce(36000, first, last, terms, m_history);
    QCOMPARE(result.outcome, Outcome::Complete);
    QCOMPARE(Described(result.segments), segments);
    QCOMPARE(Text(result.total), Text(Exact(total)));
}

void SegmentedInterestTest::refusedTerms_data()
{
    QTest::addColumn<RateTerms>("terms");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QDate>("negativeDay");

    // −400bp: 4.15 − 4 and 4.05 − 4 stay above zero; 3.85 − 4 from 2020-04-20 does not.
    QTest::newRow("a rate below zero names its first day") << Terms(-400) << Outcome::NegativeRate << QDate(2020, 4, 20);
    QTest::newRow("basis points beyond 10000") << Terms(10001) << Outcome::InvalidTerms << QDate();
    QTest::newRow("no such repricing day") << Terms(0, "1", Repricing::Yearly, 2, 30) << Outcome::InvalidTerms << QDate();
    QTest::newRow("a zero multiplier") << Terms(0, "0") << Outcome::InvalidTerms << QDate();
}

void SegmentedInterestTest::refusedTerms()
{
    QFETCH(RateTerms, terms);
    QFETCH(Outcome, outcome);
    QFETCH(QDate, negativeDay);

    const SegmentedInterest result = InterestAtRatesInForce(36000, QDate(2020, 1, 1), QDate(2020, 6, 30), terms, m_history);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.negativeRateDay, negativeDay);
    QVERIFY(result.segments.isEmpty());
}

// 算头不算尾 over [first, last] is 两头都算 over [first, last − 1], for
// every repricing, over periods spread across the LPR's fixings.
void SegmentedInterestTest::lastDayLeftOutIsOneDayLess()
{
    const Money principal = Exact(QStringLiteral("123456.78"));
    for (const Repricing repricing : {Repricing::EachFixing, Repricing::Yearly, Repricing::Fixed}) {
        for (int step = 0; step < 40; ++step) {
            const QDate first = QDate(2019, 3, 1).addDays(step * 53);
            const QDate last = first.addDays(step * 37 % 900 + 1);
            RateTerms terms = Terms(step * 7 - 100, "1.3", repricing, step % 12 + 1, step % 28 + 1);
            const SegmentedInterest bothEnds = InterestAtRatesInForce(principal, first, last.addDays(-1), terms, m_history);
            terms.countLastDay = false;
            const SegmentedInterest headOnly = InterestAtRatesInForce(principal, first, last, terms, m_history);
            QCOMPARE(headOnly.outcome, Outcome::Complete);
            QCOMPARE(Described(headOnly.segments), Described(bothEnds.segments));
            QCOMPARE(Text(headOnly.total), Text(bothEnds.total));
        }
    }
}

namespace {

// Both calculations a keystroke on the page runs, over thirty years.
void ComputeThirtyYears(const RateHistory &history)
{
    const QDate first(1999, 6, 10);
    const QDate last(2029, 6, 9);
    const Money principal = Money::fromPlainDecimal(u"1234567.89").value();
    const Money multiplier = Money::fromPlainDecimal(u"1.5").value();
    const SegmentedInterest atRates =
        InterestAtRatesInForce(principal, first, last, RateBasis::ByTerm, multiplier, 365, history);
    const SegmentedInterest doubled = DoubledDelayInterestInForce(principal, first, last, history);
    if (atRates.segments.size() < 40 || doubled.segments.size() < 20)
        qFatal("thirty years took too few segments");
}

} // namespace

// Both calculations over thirty years, as each keystroke on the page runs
// them. Computed day by day they would take tens of milliseconds; by the
// dates of change they take a small fraction of one (README.md, performance
// notes, has the figures). A benchmark reports the time and asserts none: a
// time limit would measure the machine (a loaded one, the sanitizers, an
// emulator), not the code.
void SegmentedInterestTest::thirtyYears()
{
    QBENCHMARK {
        ComputeThirtyYears(m_history);
    }
}

QTEST_GUILESS_MAIN(SegmentedInterestTest)
#include "tst_segmented_interest.moc"
