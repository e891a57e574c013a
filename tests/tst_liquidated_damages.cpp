#include "interest/liquidated_damages.h"

#include <QTest>

using namespace pellumo;
using Outcome = LiquidatedDamagesResult::Outcome;

namespace {

const QString ResultPrefix = QStringLiteral(" 【计算结果】逾期违约金(元)：");
const QString Warning = QStringLiteral(" 利率过高，填写可能有误");

// Memo lines written as UTF-8 literals.
QStringList Lines(std::initializer_list<const char *> texts)
{
    QStringList lines;
    for (const char *text : texts)
        lines << QString::fromUtf8(text);
    return lines;
}

QString KindText(int kindIndex)
{
    const QStringList items{QStringLiteral("日利率"), QStringLiteral("月利率"), QStringLiteral("年利率")};
    return items.value(kindIndex);
}

} // namespace

class LiquidatedDamagesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lines_data();
    void lines();
    void damages_data();
    void damages();
    void warning_data();
    void warning();
    void outcome_data();
    void outcome();
};

void LiquidatedDamagesTest::lines_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("daily, 30 days in January")
        << "10000" << "0.05" << 0 << QDate(2010, 1, 1) << QDate(2010, 1, 31)
        << Lines({" 金额(元):10000", "", " 逾期： 30天  ", " 约定利率：日利率 0.05%", "",
                       " -----------------------------------", " 【计算结果】逾期违约金(元)：150.00"});
    QTest::newRow("monthly, three months 15 days")
        << "10000" << "1.5" << 1 << QDate(2010, 1, 1) << QDate(2010, 4, 16)
        << Lines({" 金额(元):10000", "", " 逾期： 0年  3个月 15天", " 约定利率：月利率 1.5%", "",
                       " -----------------------------------", " 【计算结果】逾期违约金(元)：525.00"});
    QTest::newRow("annual rate too high, texts as typed")
        << " 10000" << "120 " << 2 << QDate(2009, 1, 1) << QDate(2010, 7, 1)
        << Lines({" 金额(元): 10000", "", " 逾期： 1年  6个月 0天", " 约定利率：年利率 120 %", "",
                       " -----------------------------------", " 利率过高，填写可能有误",
                       " 【计算结果】逾期违约金(元)：18000.00"});
    QTest::newRow("daily, end five days before start")
        << "1000" << "0.1" << 0 << QDate(2010, 1, 10) << QDate(2010, 1, 5)
        << Lines({" 金额(元):1000", "", " 逾期： -5天  ", " 约定利率：日利率 0.1%", "",
                       " -----------------------------------", " 【计算结果】逾期违约金(元)：-5.00"});
}

void LiquidatedDamagesTest::lines()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(int, kind);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QStringList, lines);
    const LiquidatedDamagesResult result = LiquidatedDamages(amount, rate, kind, KindText(kind), start, end);
    QCOMPARE(result.outcome, Outcome::Complete);
    QCOMPARE(result.lines, lines);
}

void LiquidatedDamagesTest::damages_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QString>("overdue");  // after " 逾期： "
    QTest::addColumn<QString>("damages");

    const QDate jan1(2010, 1, 1);
    QTest::newRow("monthly, one year two months ten days") << "20000" << "2" << 1 << jan1 << QDate(2011, 3, 11)
                                                           << "1年  2个月 10天" << "5733.33";
    QTest::newRow("annual, one year six months") << "10000" << "18" << 2 << QDate(2009, 1, 1) << QDate(2010, 7, 1)
                                                 << "1年  6个月 0天" << "2700.00";
    QTest::newRow("daily, equal dates") << "10000" << "0.05" << 0 << jan1 << jan1 << "0天  " << "0.00";
    QTest::newRow("monthly, equal dates") << "10000" << "1.5" << 1 << jan1 << jan1 << "0年  0个月 0天" << "0.00";
    QTest::newRow("annual, equal dates") << "10000" << "18" << 2 << jan1 << jan1 << "0年  0个月 0天" << "0.00";
    QTest::newRow("daily counts February's real 29 days") << "10000" << "0.05" << 0 << QDate(2012, 2, 1)
                                                           << QDate(2012, 3, 1) << "29天  " << "145.00";
    QTest::newRow("daily, end a year before start") << "10000" << "0.05" << 0 << QDate(2011, 1, 1) << jan1
                                                    << "-365天  " << "-1825.00";
    QTest::newRow("monthly, end before start") << "10000" << "1" << 1 << QDate(2010, 5, 10) << QDate(2010, 5, 1)
                                               << "-1年  11个月 21天" << "-30.00";
    QTest::newRow("annual, end before start") << "10000" << "12" << 2 << QDate(2010, 5, 10) << QDate(2010, 5, 1)
                                              << "-1年  11个月 21天" << "-30.00";
    QTest::newRow("zero amount") << "0" << "0.05" << 0 << jan1 << QDate(2010, 1, 31) << "30天  " << "0.00";
    QTest::newRow("negative amount") << "-10000" << "0.05" << 0 << jan1 << QDate(2010, 1, 31) << "30天  "
                                     << "-150.00";
    QTest::newRow("negative rate") << "10000" << "-0.05" << 0 << jan1 << QDate(2010, 1, 31) << "30天  "
                                   << "-150.00";
    // Products whose exact value is a half fen round up, whatever a binary
    // float would have made of them.
    QTest::newRow("daily half fen kept without a detour through double") << "1" << "0.25" << 0 << jan1
                                                                          << QDate(2010, 1, 7) << "6天  " << "0.02";
    QTest::newRow("monthly half fen kept without a detour through double")
        << "100" << "0.05" << 1 << jan1 << QDate(2010, 4, 4) << "0年  3个月 3天" << "0.16";
    QTest::newRow("monthly half fen that plain doubles lose") << "100" << "0.05" << 1 << jan1 << QDate(2010, 1, 10)
                                                              << "0年  0个月 9天" << "0.02";
    QTest::newRow("annual half fen that plain doubles lose") << "100" << "0.05" << 2 << jan1 << QDate(2010, 11, 25)
                                                             << "0年  10个月 24天" << "0.05";
    // 100 × 0.03% × (1 + 10/12) is 0.055 exactly.
    QTest::newRow("annual exactly half a fen") << "100" << "0.03" << 2 << QDate(2009, 1, 1) << QDate(2010, 11, 1)
                                               << "1年  10个月 0天" << "0.06";
    // amount × rate is 1e310, beyond a double, and exact.
    QTest::newRow("product beyond the double range") << "1e308" << "100" << 0 << jan1 << QDate(2010, 1, 2)
                                                     << "1天  " << "1E308";
    QTest::newRow("1e308 over fifty years") << "1e308" << "1" << 2 << QDate(2000, 1, 1) << QDate(2050, 1, 1)
                                            << "50年  0个月 0天" << "5E307";
    // 3 × 5% × 1/30 is 0.005 exactly; a binary 1/30 lies below it.
    QTest::newRow("a day is exactly a thirtieth of a month") << "3" << "5" << 1 << jan1 << QDate(2010, 1, 2)
                                                             << "0年  0个月 1天" << "0.01";
}

void LiquidatedDamagesTest::damages()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(int, kind);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QString, overdue);
    QFETCH(QString, damages);
    const LiquidatedDamagesResult result = LiquidatedDamages(amount, rate, kind, KindText(kind), start, end);
    QCOMPARE(result.outcome, Outcome::Complete);
    QVERIFY(result.lines.size() >= 7);
    QCOMPARE(result.lines.at(2), QStringLiteral(" 逾期： ") + overdue);
    QCOMPARE(result.lines.last(), ResultPrefix + damages);
}

void LiquidatedDamagesTest::warning_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<bool>("warned");
    QTest::newRow("daily 1 is allowed") << 0 << "1" << false;
    QTest::newRow("daily 1.01 is too high") << 0 << "1.01" << true;
    QTest::newRow("monthly 10 is allowed") << 1 << "10" << false;
    QTest::newRow("monthly 10.5 is too high") << 1 << "10.5" << true;
    QTest::newRow("annual 100 is allowed") << 2 << "100" << false;
    QTest::newRow("annual 1e2 is allowed") << 2 << "1e2" << false;
    QTest::newRow("annual 120 is too high") << 2 << "120" << true;
    QTest::newRow("daily 10.5 is too high for its kind") << 0 << "10.5" << true;
    QTest::newRow("annual 10.5 is allowed for its kind") << 2 << "10.5" << false;
    QTest::newRow("large negative rate") << 0 << "-500" << false;
}

void LiquidatedDamagesTest::warning()
{
    QFETCH(int, kind);
    QFETCH(QString, rate);
    QFETCH(bool, warned);
    const LiquidatedDamagesResult result = LiquidatedDamages(QStringLiteral("10000"), rate, kind, KindText(kind),
                                                             QDate(2010, 1, 1), QDate(2010, 3, 1));
    QCOMPARE(result.outcome, Outcome::Complete);
    QCOMPARE(result.lines.size(), warned ? 8 : 7);
    QCOMPARE(result.lines.contains(Warning), warned);
    if (warned)
        QCOMPARE(result.lines.at(6), Warning);
    QVERIFY(result.lines.last().startsWith(ResultPrefix));
}

void LiquidatedDamagesTest::outcome_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("kind");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty amount") << "" << "1" << 0 << Outcome::NoResult << "" << "";
    QTest::newRow("empty rate") << "100" << "" << 0 << Outcome::NoResult << "" << "";
    QTest::newRow("empty amount before a bad rate") << "" << "abc" << 0 << Outcome::NoResult << "" << "";
    QTest::newRow("kind index -1") << "100" << "1" << -1 << Outcome::NoResult << "一百元" << "";
    QTest::newRow("kind index 3") << "100" << "1" << 3 << Outcome::NoResult << "一百元" << "";
    QTest::newRow("amount letters") << "abc" << "1" << 0 << Outcome::ConversionError << ""
                                    << "'abc' is not a valid floating point value";
    QTest::newRow("rate letters") << "100" << "abc" << 1 << Outcome::ConversionError << ""
                                  << "'abc' is not a valid floating point value";
    QTest::newRow("both bad: the amount is named") << "x1" << "y2" << 2 << Outcome::ConversionError << ""
                                                   << "'x1' is not a valid floating point value";
    QTest::newRow("amount one blank") << " " << "1" << 0 << Outcome::ConversionError << ""
                                      << "' ' is not a valid floating point value";
    QTest::newRow("rate nan") << "100" << "nan" << 0 << Outcome::ConversionError << ""
                              << "'nan' is not a valid floating point value";
    QTest::newRow("rate beyond a double") << "100" << "1e999" << 0 << Outcome::ConversionError << ""
                                          << "'1e999' is not a valid floating point value";
    QTest::newRow("bad rate before a bad kind index") << "100" << "1,5" << 7 << Outcome::ConversionError << ""
                                                      << "'1,5' is not a valid floating point value";
    QTest::newRow("zero amount") << "0" << "1" << 0 << Outcome::Complete << "零元" << "";
    QTest::newRow("negative amount in words") << "-3.2" << "1" << 2 << Outcome::Complete << "负三元二角" << "";
}

void LiquidatedDamagesTest::outcome()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(int, kind);
    QFETCH(Outcome, outcome);
    QFETCH(QString, words);
    QFETCH(QString, error);
    const LiquidatedDamagesResult result = LiquidatedDamages(amount, rate, kind, KindText(kind), QDate(2010, 1, 1),
                                                             QDate(2010, 2, 1));
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.amountInWords, words);
    QCOMPARE(result.errorMessage, error);
    QCOMPARE(result.lines.isEmpty(), outcome != Outcome::Complete);
}

QTEST_GUILESS_MAIN(LiquidatedDamagesTest)
#include "tst_liquidated_damages.moc"
