#include "interest/delay_interest.h"
#include "tests/test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pellumo;
using namespace pellumo::testing;
using Outcome = DelayInterestResult::Outcome;

namespace {

const QString ResultPrefix = QStringLiteral(" 【计算结果】迟延履行期间债务利息双倍(元)：");

const QByteArray NoFile;

// Memo lines written as UTF-8 literals.
QStringList Lines(std::initializer_list<const char *> texts)
{
    QStringList lines;
    for (const char *text : texts)
        lines << QString::fromUtf8(text);
    return lines;
}

} // namespace

class DelayInterestTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lines_data();
    void lines();
    void interest_data();
    void interest();
    void outcome_data();
    void outcome();
    void replacedRateFileCountsNextTime();

private:
    QString WriteRateFile(const QByteArray &bytes)
    {
        return PlaceFile(m_dir.filePath(QString::fromLatin1(RateTableFileName)), bytes);
    }
    QTemporaryDir m_dir;
};

void DelayInterestTest::lines_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("one year at the default rate of band 2")
        << "10000" << QDate(2009, 1, 1) << QDate(2010, 1, 1) << NoFile
        << Lines({" 执行款金额(元):10000",
                       "",
                       " 迟延期间： 1年  0个月 0天",
                       " 所属利率档： 六个月至一年（含一年）",
                       " 贷款基准年利率： 5.31% (基准利率调整日期：2008年12月23日)",
                       "",
                       " -----------------------------------",
                       " 【计算结果】迟延履行期间债务利息双倍(元)：1062.00"});
    QTest::newRow("equal dates")
        << "10000" << QDate(2010, 6, 1) << QDate(2010, 6, 1) << NoFile
        << Lines({" 执行款金额(元):10000",
                       "",
                       " 迟延期间： 0年  0个月 0天",
                       " 所属利率档： 六个月以内（含六个月）",
                       " 贷款基准年利率： 4.86% (基准利率调整日期：2008年12月23日)",
                       "",
                       " -----------------------------------",
                       " 【计算结果】迟延履行期间债务利息双倍(元)：0.00"});
    QTest::newRow("rates and date from the file, amount with blanks as typed")
        << " 12 " << QDate(2009, 3, 5) << QDate(2015, 4, 6)
        << Gbk(QStringLiteral("[money]\r\ne=6\r\nbz=2015年10月24日\r\n"))
        << Lines({" 执行款金额(元): 12 ",
                       "",
                       " 迟延期间： 6年  1个月 1天",
                       " 所属利率档： 五年以上",
                       " 贷款基准年利率： 6% (基准利率调整日期：2015年10月24日)",
                       "",
                       " -----------------------------------",
                       " 【计算结果】迟延履行期间债务利息双倍(元)：8.76"});
    QTest::newRow("empty adjustment date, every digit of the rate")
        << "1000000" << QDate(2010, 1, 1) << QDate(2010, 1, 2) << QByteArray("[money]\na=0.30000000000000004\nbz=\n")
        << Lines({" 执行款金额(元):1000000",
                       "",
                       " 迟延期间： 0年  0个月 1天",
                       " 所属利率档： 六个月以内（含六个月）",
                       " 贷款基准年利率： 0.30000000000000004% (基准利率调整日期：)",
                       "",
                       " -----------------------------------",
                       " 【计算结果】迟延履行期间债务利息双倍(元)：16.67"});
}

void DelayInterestTest::lines()
{
    QFETCH(QString, amount);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, lines);
    const DelayInterestResult result = DelayInterest(amount, start, end, RateTable(WriteRateFile(file)));
    QCOMPARE(result.outcome, Outcome::Complete);
    QCOMPARE(result.lines, lines);
}

void DelayInterestTest::interest_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("interest");

    QTest::newRow("two months 15 days at 4.86") << "10000" << QDate(2010, 1, 1) << QDate(2010, 3, 16) << NoFile
                                                << "202.50";
    QTest::newRow("two years three months ten days at 5.4") << "50000" << QDate(2010, 1, 1) << QDate(2012, 4, 11)
                                                            << NoFile << "12300.00";
    QTest::newRow("31 December to 1 January") << "10000" << QDate(2010, 12, 31) << QDate(2011, 1, 1) << NoFile
                                              << "0.00";
    QTest::newRow("negative amount") << "-100" << QDate(2009, 1, 1) << QDate(2010, 1, 1) << NoFile << "-10.62";
    QTest::newRow("zero, the reset of a bad amount") << "0" << QDate(2009, 1, 1) << QDate(2010, 1, 1) << NoFile
                                                     << "0.00";
    QTest::newRow("exponent form") << "1e3" << QDate(2009, 1, 1) << QDate(2010, 1, 1) << NoFile << "106.20";
    // 100 × 2 × 4.86% × (2/12 + 25/360) is 2.295 exactly: half a fen rounds up.
    QTest::newRow("half a fen of months and days rounds up") << "100" << QDate(2010, 1, 1)
                                                             << QDate(2010, 3, 26) << NoFile << "2.30";
    // 1.755 exactly.
    QTest::newRow("half a fen of months rounds up") << "100" << QDate(2010, 1, 1) << QDate(2010, 3, 6)
                                                    << NoFile << "1.76";
    // 100 × 2 × 4.86% × 5/360 is 0.135 exactly.
    QTest::newRow("half a fen of days rounds up") << "100" << QDate(2010, 1, 1) << QDate(2010, 1, 6) << NoFile
                                                  << "0.14";
    QTest::newRow("negative half a fen rounds away from zero") << "-100" << QDate(2010, 1, 1) << QDate(2010, 1, 6)
                                                               << NoFile << "-0.14";
    // 1e308 × 2 × 5.94% × 50 is 5.94e308: beyond the double range, still exact.
    QTest::newRow("1e308 over fifty years") << "1e308" << QDate(2000, 1, 1) << QDate(2050, 1, 1) << NoFile
                                            << "5.94E308";
    QTest::newRow("ten decimals of a yuan") << "0.0000000001" << QDate(2000, 1, 1) << QDate(2050, 1, 1) << NoFile
                                            << "0.00";
    QTest::newRow("band rate from the file") << "50000" << QDate(2010, 1, 1) << QDate(2012, 4, 11)
                                             << QByteArray("[money]\nc=6\n") << "13666.67";
    QTest::newRow("rate nan gives the default") << "10000" << QDate(2009, 1, 1) << QDate(2010, 1, 1)
                                                << QByteArray("[money]\nb=nan\n") << "1062.00";
    QTest::newRow("rate inf gives the default") << "10000" << QDate(2009, 1, 1) << QDate(2010, 1, 1)
                                                << QByteArray("[money]\nb=inf\n") << "1062.00";
    QTest::newRow("rate 1e999 gives the default") << "10000" << QDate(2009, 1, 1) << QDate(2010, 1, 1)
                                                  << QByteArray("[money]\nb=1e999\n") << "1062.00";
    QTest::newRow("binary file gives the defaults") << "10000" << QDate(2009, 1, 1) << QDate(2010, 1, 1)
                                                    << QByteArray(3000, '\xff') + QByteArray("\0[money]\n\0b=9\n", 14) << "1062.00";
}

void DelayInterestTest::interest()
{
    QFETCH(QString, amount);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QByteArray, file);
    QFETCH(QString, interest);
    const DelayInterestResult result = DelayInterest(amount, start, end, RateTable(WriteRateFile(file)));
    QCOMPARE(result.outcome, Outcome::Complete);
    QCOMPARE(result.lines.size(), 8);
    QCOMPARE(result.lines.first(), QStringLiteral(" 执行款金额(元):") + amount);
    QCOMPARE(result.lines.last(), ResultPrefix + interest);
}

void DelayInterestTest::outcome_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QDate>("end");  // from 2010-05-10
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("words");
    QTest::newRow("empty amount") << "" << QDate(2010, 6, 1) << Outcome::NoResult << "";
    QTest::newRow("empty amount, end before start") << "" << QDate(2010, 5, 1) << Outcome::NoResult << "";
    QTest::newRow("letters") << "abc" << QDate(2010, 6, 1) << Outcome::InvalidAmount << "";
    QTest::newRow("one blank") << " " << QDate(2010, 6, 1) << Outcome::InvalidAmount << "";
    QTest::newRow("thousands separator") << "1,000" << QDate(2010, 6, 1) << Outcome::InvalidAmount << "";
    QTest::newRow("letters, end before start") << "abc" << QDate(2010, 5, 1) << Outcome::InvalidAmount << "";
    QTest::newRow("end before start") << "100" << QDate(2010, 5, 1) << Outcome::WordsOnly << "一百元";
    QTest::newRow("end long before start, negative amount") << "-3.2" << QDate(1990, 1, 1) << Outcome::WordsOnly
                                                            << "负三元二角";
    QTest::newRow("zero") << "0" << QDate(2010, 6, 1) << Outcome::Complete << "零元";
    QTest::newRow("amount with jiao and fen") << "12345.67" << QDate(2010, 6, 1) << Outcome::Complete
                                              << "一万二千三百四十五元六角七分";
}

void DelayInterestTest::outcome()
{
    QFETCH(QString, amount);
    QFETCH(QDate, end);
    QFETCH(Outcome, outcome);
    QFETCH(QString, words);
    const DelayInterestResult result = DelayInterest(amount, QDate(2010, 5, 10), end, RateTable(WriteRateFile(NoFile)));
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.amountInWords, words);
    QCOMPARE(result.lines.size(), outcome == Outcome::Complete ? 8 : 0);
}

void DelayInterestTest::replacedRateFileCountsNextTime()
{
    const RateTable rates(WriteRateFile(QByteArray("[money]\nb=5.31\n")));
    const QDate start(2009, 1, 1);
    const QDate end(2010, 1, 1);
    QCOMPARE(DelayInterest(QStringLiteral("10000"), start, end, rates).lines.last(), ResultPrefix + QStringLiteral("1062.00"));
    WriteRateFile(Gbk(QStringLiteral("[money]\nb=4.35\nbz=2015年10月24日\n")));
    const DelayInterestResult second = DelayInterest(QStringLiteral("10000"), start, end, rates);
    QCOMPARE(second.lines.at(4), QStringLiteral(" 贷款基准年利率： 4.35% (基准利率调整日期：2015年10月24日)"));
    QCOMPARE(second.lines.last(), ResultPrefix + QStringLiteral("870.00"));
}

QTEST_GUILESS_MAIN(DelayInterestTest)
#include "tst_delay_interest.moc"
