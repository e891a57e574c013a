#include "interest/elapsed_period.h"

#include <QTest>
#include <limits>

using namespace pellumo;

class ElapsedPeriodTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void period_data();
    void period();
};

void ElapsedPeriodTest::period_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<int>("years");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("days");

    QTest::newRow("equal dates") << QDate(2010, 1, 15) << QDate(2010, 1, 15) << 0 << 0 << 0;
    QTest::newRow("exactly one year") << QDate(2009, 1, 1) << QDate(2010, 1, 1) << 1 << 0 << 0;
    QTest::newRow("30 days inside January stay days") << QDate(2010, 1, 1) << QDate(2010, 1, 31) << 0 << 0 << 30;
    QTest::newRow("28 February to 31 March") << QDate(2010, 2, 28) << QDate(2010, 3, 31) << 0 << 1 << 3;
    QTest::newRow("31 January to 1 March ignores February") << QDate(2010, 1, 31) << QDate(2010, 3, 1) << 0 << 1
                                                            << 0;
    QTest::newRow("day borrow with no month borrows a year") << QDate(2010, 3, 20) << QDate(2011, 3, 10) << 0
                                                             << 11 << 20;
    QTest::newRow("31 December to 1 January is nothing") << QDate(2010, 12, 31) << QDate(2011, 1, 1) << 0 << 0
                                                          << 0;
    QTest::newRow("end nine days before start") << QDate(2010, 5, 10) << QDate(2010, 5, 1) << -1 << 11 << 21;
    QTest::newRow("one day in mid-month") << QDate(2010, 6, 14) << QDate(2010, 6, 15) << 0 << 0 << 1;
    QTest::newRow("end one day before start") << QDate(2010, 6, 15) << QDate(2010, 6, 14) << -1 << 11 << 29;
    QTest::newRow("leap day to 28 February") << QDate(2012, 2, 29) << QDate(2013, 2, 28) << 0 << 11 << 29;
    QTest::newRow("month and day borrow across years") << QDate(2009, 11, 30) << QDate(2012, 2, 1) << 2 << 2
                                                       << 1;
    // Year numbers near ±2^31: the difference would overflow 32 bits.
    const int lowest = std::numeric_limits<int>::min();
    const int highest = std::numeric_limits<int>::max();
    QTest::newRow("first to last date QDate holds saturates") << QDate(lowest, 1, 1) << QDate(highest, 12, 31)
                                                              << highest << 11 << 30;
    QTest::newRow("last to first date QDate holds saturates") << QDate(highest, 12, 31) << QDate(lowest, 1, 1)
                                                              << lowest << 0 << 0;
}

void ElapsedPeriodTest::period()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(int, years);
    QFETCH(int, months);
    QFETCH(int, days);
    QVERIFY(start.isValid() && end.isValid());
    const Period period = ElapsedPeriod(start, end);
    QCOMPARE(period.years, years);
    QCOMPARE(period.months, months);
    QCOMPARE(period.days, days);
}

QTEST_GUILESS_MAIN(ElapsedPeriodTest)
#include "tst_elapsed_period.moc"
