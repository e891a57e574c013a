#include "fees/money.h"

#include <QTest>

using namespace pellumo;

class MoneyTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void figures_data();
    void figures();
    void figuresFromExtended();
    void words_data();
    void words();
    void digits_data();
    void digits();
    void readAmount_data();
    void readAmount();
    void parseDecimalValues_data();
    void parseDecimalValues();
    void parseDecimalSurvivesHugeTexts();
    void generalNumberText_data();
    void generalNumberText();
};

void MoneyTest::figures_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole amount") << 50.0 << "50.00";
    QTest::newRow("thousands without separator") << 2300.0 << "2300.00";
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("exact half rounds away from zero") << 0.125 << "0.13";
    QTest::newRow("108.625 is held exactly and rounds up") << 108.625 << "108.63";
    QTest::newRow("1.005 is held below the half") << 1.005 << "1.00";
    QTest::newRow("2.675 is held below the half") << 2.675 << "2.67";
    QTest::newRow("one fen") << 0.01 << "0.01";
    QTest::newRow("negative") << -3.2 << "-3.20";
    QTest::newRow("negative half rounds away from zero") << -0.125 << "-0.13";
    QTest::newRow("negative below half a fen keeps its sign") << -0.001 << "-0.00";
    QTest::newRow("negative zero is no negative amount") << -0.0 << "0.00";
    QTest::newRow("just below 1e18") << 999999999999999872.0 << "999999999999999872.00";
    QTest::newRow("1e18 falls back to the exponent form") << 1e18 << "1E18";
    QTest::newRow("above 1e18 with 15 digits") << 1.234567890123456789e20 << "1.23456789012346E20";
    QTest::newRow("negative beyond 1e18") << -2e18 << "-2E18";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "INF";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "NAN";
    QTest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min() << "0.00";
}

void MoneyTest::figures()
{
    QFETCH(double, amount);
    QFETCH(QString, expected);
    QCOMPARE(MoneyToFigures(amount), expected);
}

void MoneyTest::figuresFromExtended()
{
    // An extended value a hair below half a fen must not round up, although
    // the nearest double is exactly 0.005-ish and would.
    const Extended justBelow = 0.005L - 1e-21L;
    QCOMPARE(MoneyToFigures(justBelow), QStringLiteral("0.00"));
    QCOMPARE(MoneyToFigures(Extended(0.125L)), QStringLiteral("0.13"));
    QCOMPARE(MoneyToFigures(Extended(5733.333333333333333L)), QStringLiteral("5733.33"));
}

void MoneyTest::words_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "零元";
    QTest::newRow("below half a fen") << 0.004 << "零元";
    QTest::newRow("half a fen rounds up") << 0.005 << "零元一分";
    QTest::newRow("five fen without leading zero") << 0.05 << "零元五分";
    QTest::newRow("five jiao") << 0.5 << "零元五角";
    QTest::newRow("jiao and fen") << 0.55 << "零元五角五分";
    QTest::newRow("one") << 1.0 << "一元";
    QTest::newRow("ten is never shortened") << 10.0 << "一十元";
    QTest::newRow("zero jiao before fen") << 12.05 << "一十二元零五分";
    QTest::newRow("five jiao after yuan") << 12.5 << "一十二元五角";
    QTest::newRow("zero inside hundreds") << 105.0 << "一百零五元";
    QTest::newRow("zero inside thousands") << 1050.0 << "一千零五十元";
    QTest::newRow("zeros across wan") << 10005.0 << "一万零五元";
    QTest::newRow("one hundred thousand") << 100000.0 << "一十万元";
    QTest::newRow("ten million and five") << 10000005.0 << "一千万零五元";
    QTest::newRow("one yi") << 100000000.0 << "一亿元";
    QTest::newRow("yi and wan") << 100010000.0 << "一亿零一万元";
    QTest::newRow("yi, shi wan, bai") << 100100100.0 << "一亿零一十万零一百元";
    QTest::newRow("all nine places") << 123456789.0 << "一亿二千三百四十五万六千七百八十九元";
    QTest::newRow("wan yi") << 1e12 << "一万亿元";
    QTest::newRow("bai yi and five") << 20000000005.0 << "二百亿零五元";
    QTest::newRow("eleven nines") << 99999999999.0 << "九百九十九亿九千九百九十九万九千九百九十九元";
    QTest::newRow("negative") << -3.2 << "负三元二角";
    QTest::newRow("1e15 reaches the exponent form") << 1e15 << "输入含非数字字符!元";
    QTest::newRow("just below 1e15") << 999999999999999.0 << "九百九十九万九千九百九十九亿九千九百九十九万九千九百九十九元";
    QTest::newRow("exactly 108.625 loses the fen in words") << 108.625 << "一百零八元六角二分";
    QTest::newRow("amount reading of 12345.67") << 12345.67 << "一万二千三百四十五元六角七分";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "输入含非数字字符!元";
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << "负输入含非数字字符!元";
}

void MoneyTest::words()
{
    QFETCH(double, amount);
    QFETCH(QString, expected);
    QCOMPARE(MoneyToChinese(amount), expected);
}

void MoneyTest::digits_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << "" << "零";
    QTest::newRow("zero") << "0" << "零";
    QTest::newRow("twelve") << "12" << "一十二";
    QTest::newRow("blank keeps its position") << "1 2" << "一百二";
    QTest::newRow("letter") << "12a" << "输入含非数字字符!";
    QTest::newRow("full-width digit") << "１2" << "输入含非数字字符!";
    QTest::newRow("24 digits") << QString(24, QLatin1Char('1'))
                               << "一千一百一十一万一千一百一十一亿一千一百一十一万一千一百一十一亿"
                                  "一千一百一十一万一千一百一十一";
    QTest::newRow("25 digits") << QString(25, QLatin1Char('1')) << "数值过大!";
    QTest::newRow("25 letters are too long before they are letters") << QString(25, QLatin1Char('x'))
                                                                    << "数值过大!";
    QTest::newRow("1e16 reads yi yi") << "10000000000000000" << "一亿亿";
}

void MoneyTest::digits()
{
    QFETCH(QString, digits);
    QFETCH(QString, expected);
    QCOMPARE(DigitsToChinese(digits), expected);
}

void MoneyTest::readAmount_data()
{
    using Outcome = AmountReading::Outcome;
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << Outcome::Empty << 0.0;
    QTest::newRow("zero") << "0" << Outcome::Reject << 0.0;
    QTest::newRow("negative") << "-5" << Outcome::Reject << 0.0;
    QTest::newRow("letters") << "abc" << Outcome::Reject << 0.0;
    QTest::newRow("one blank") << " " << Outcome::Reject << 0.0;
    QTest::newRow("thousands separator") << "1,000" << Outcome::Reject << 0.0;
    QTest::newRow("lone point is zero") << "." << Outcome::Reject << 0.0;
    QTest::newRow("lone sign") << "+" << Outcome::Reject << 0.0;
    QTest::newRow("exponent beyond double") << "1e999" << Outcome::Reject << 0.0;
    QTest::newRow("exponent form") << "1e3" << Outcome::Value << 1000.0;
    QTest::newRow("blanks around") << " 12 " << Outcome::Value << 12.0;
    QTest::newRow("plus sign") << "+7" << Outcome::Value << 7.0;
    QTest::newRow("trailing point") << "5." << Outcome::Value << 5.0;
    QTest::newRow("leading point") << ".5" << Outcome::Value << 0.5;
    QTest::newRow("exponent without digits") << "2e" << Outcome::Value << 2.0;
    QTest::newRow("negative exponent") << "1E-2" << Outcome::Value << 0.01;
    QTest::newRow("two points") << "1.2.3" << Outcome::Reject << 0.0;
    QTest::newRow("blank inside") << "1 2" << Outcome::Reject << 0.0;
    QTest::newRow("tab is no blank") << "\t12" << Outcome::Reject << 0.0;
    QTest::newRow("exponent without mantissa") << "e5" << Outcome::Reject << 0.0;
    QTest::newRow("hexadecimal") << "0x10" << Outcome::Reject << 0.0;
    QTest::newRow("infinity word") << "inf" << Outcome::Reject << 0.0;
    QTest::newRow("underflow is zero") << "1e-999" << Outcome::Reject << 0.0;
}

void MoneyTest::readAmount()
{
    QFETCH(QString, text);
    QFETCH(AmountReading::Outcome, outcome);
    QFETCH(double, value);
    const AmountReading reading = ReadAmount(text);
    QCOMPARE(reading.outcome, outcome);
    if (outcome == AmountReading::Outcome::Value)
        QCOMPARE(reading.value, value);
}

void MoneyTest::parseDecimalValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("correctly rounded") << "0.1" << 0.1;
    QTest::newRow("largest double") << "1.7976931348623157e308" << 1.7976931348623157e308;
    QTest::newRow("negative zero accepted") << "-0" << -0.0;
    QTest::newRow("leading zeros") << "000123.4500" << 123.45;
    QTest::newRow("exponent with plus") << "1.5E+2" << 150.0;
    QTest::newRow("many digits") << "3.14159265358979323846264338327950288" << 3.141592653589793;
}

void MoneyTest::parseDecimalValues()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto parsed = ParseDecimal(text);
    QVERIFY(parsed.has_value());
    QCOMPARE(*parsed, value);
    QCOMPARE(std::signbit(*parsed), std::signbit(value));
}

void MoneyTest::parseDecimalSurvivesHugeTexts()
{
    // A million digits: the decimal point after the first keeps the value
    // small; digits past the precision only nudge the rounding.
    const QString longFraction = QStringLiteral("1.") + QString(1'000'000, QLatin1Char('0')) + QLatin1Char('1');
    QCOMPARE(ParseDecimal(longFraction), std::optional<double>(1.0));
    const QString longInteger = QString(1'000'000, QLatin1Char('9'));
    QVERIFY(!ParseDecimal(longInteger).has_value());
    const QString tinyLong = QStringLiteral("0.") + QString(500'000, QLatin1Char('0')) + QLatin1Char('5');
    QCOMPARE(ParseDecimal(tinyLong), std::optional<double>(0.0));
    const QString hugeExponent = QStringLiteral("1e") + QString(100'000, QLatin1Char('9'));
    QVERIFY(!ParseDecimal(hugeExponent).has_value());
    const QString hugeNegativeExponent = QStringLiteral("1e-") + QString(100'000, QLatin1Char('9'));
    QCOMPARE(ParseDecimal(hugeNegativeExponent), std::optional<double>(0.0));
    const QString garbage(200'000, QChar(0x4E00));
    QVERIFY(!ParseDecimal(garbage).has_value());
    // Digits beyond the sticky limit still decide a tie: 2^53 + 1 followed by
    // many zeros and a final 1 lies above the halfway point.
    const QString tie = QStringLiteral("9007199254740993.") + QString(2000, QLatin1Char('0')) + QLatin1Char('1');
    QCOMPARE(ParseDecimal(tie), std::optional<double>(9007199254740994.0));
    QCOMPARE(ParseDecimal(QStringLiteral("9007199254740993")), std::optional<double>(9007199254740992.0));
}

void MoneyTest::generalNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rate with two decimals") << 5.31 << "5.31";
    QTest::newRow("rate with one decimal") << 5.4 << "5.4";
    QTest::newRow("whole rate") << 6.0 << "6";
    QTest::newRow("fifteen digits") << 0.1 + 0.2 << "0.3";
    QTest::newRow("fifteen integer digits") << 999999999999999.0 << "999999999999999";
    QTest::newRow("sixteen integer digits") << 1e15 << "1E15";
    QTest::newRow("smallest fixed") << 0.00001 << "0.00001";
    QTest::newRow("below fixed") << 0.000001 << "1E-6";
    QTest::newRow("negative") << -2.5 << "-2.5";
}

void MoneyTest::generalNumberText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(GeneralNumberText(value, 15), expected);
}

QTEST_GUILESS_MAIN(MoneyTest)
#include "tst_money.moc"
