#include "money/money.h"
#include "money/number_text.h"

#include <QRandomGenerator>
#include <QTest>
#include <limits>

using namespace pellumo;

namespace {

// An amount as the user types it.
Money Typed(const QString &text)
{
    return ParseMoney(text).value();
}

// The largest amount a text may name, and its negative.
const QString LargestAmount = QStringLiteral("1.7976931348623157e308");

} // namespace

class MoneyTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void figures_data();
    void figures();
    void figuresJudgeTheExactValue();
    void words_data();
    void words();
    void digits_data();
    void digits();
    void parseMoneyValues_data();
    void parseMoneyValues();
    void parseMoneyRange_data();
    void parseMoneyRange();
    void parseMoneySurvivesHugeTexts();
    void hostileTexts_data();
    void hostileTexts();
    void wholeNumbersBeyond32Bits();
    void generalNumberText_data();
    void generalNumberText();
    void decimalText_data();
    void decimalText();
};

void MoneyTest::figures_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole amount") << "50" << "50.00";
    QTest::newRow("thousands without separator") << "2300" << "2300.00";
    QTest::newRow("zero") << "0" << "0.00";
    QTest::newRow("exact half rounds away from zero") << "0.125" << "0.13";
    QTest::newRow("108.625 rounds up") << "108.625" << "108.63";
    QTest::newRow("1.005 is half a fen and rounds up") << "1.005" << "1.01";
    QTest::newRow("2.675 is half a fen and rounds up") << "2.675" << "2.68";
    QTest::newRow("one fen") << "0.01" << "0.01";
    QTest::newRow("negative") << "-3.2" << "-3.20";
    QTest::newRow("negative half rounds away from zero") << "-0.125" << "-0.13";
    QTest::newRow("negative below half a fen keeps its sign") << "-0.001" << "-0.00";
    QTest::newRow("negative zero is no negative amount") << "-0" << "0.00";
    QTest::newRow("just below 1e18") << "999999999999999872" << "999999999999999872.00";
    QTest::newRow("1e18 falls back to the exponent form") << "1e18" << "1E18";
    QTest::newRow("above 1e18 with 15 digits") << "1.234567890123456789e20" << "1.23456789012346E20";
    QTest::newRow("15th digit half rounds away from zero") << "1.000000000000005e20" << "1.00000000000001E20";
    QTest::newRow("15 nines and a half carry into the exponent") << "9.999999999999995e20" << "1E21";
    QTest::newRow("negative beyond 1e18") << "-2e18" << "-2E18";
    QTest::newRow("largest amount") << LargestAmount << "1.79769313486232E308";
    QTest::newRow("largest negative amount") << QLatin1Char('-') + LargestAmount << "-1.79769313486232E308";
    QTest::newRow("smallest denormal") << "4.9406564584124654e-324" << "0.00";
}

void MoneyTest::figures()
{
    QFETCH(QString, amount);
    QFETCH(QString, expected);
    QCOMPARE(MoneyToFigures(Typed(amount)), expected);
}

void MoneyTest::figuresJudgeTheExactValue()
{
    // A hair below half a fen must not round up, however close it is.
    QCOMPARE(MoneyToFigures(Typed(QStringLiteral("0.004999999999999999999"))), QStringLiteral("0.00"));
    QCOMPARE(MoneyToChinese(Typed(QStringLiteral("0.004999999999999999999"))), QStringLiteral("零元"));
    QCOMPARE(MoneyToFigures(Typed(QStringLiteral("0.125"))), QStringLiteral("0.13"));
    QCOMPARE(MoneyToFigures(Money::fraction(17200, 3)), QStringLiteral("5733.33"));
    QCOMPARE(MoneyToFigures(Money::fraction(-17201, 3)), QStringLiteral("-5733.67"));
}

void MoneyTest::words_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << "0" << "零元";
    QTest::newRow("below half a fen") << "0.004" << "零元";
    QTest::newRow("half a fen rounds up") << "0.005" << "零元一分";
    QTest::newRow("five fen without leading zero") << "0.05" << "零元五分";
    QTest::newRow("five jiao") << "0.5" << "零元五角";
    QTest::newRow("jiao and fen") << "0.55" << "零元五角五分";
    QTest::newRow("one") << "1" << "一元";
    QTest::newRow("ten is never shortened") << "10" << "一十元";
    QTest::newRow("zero jiao before fen") << "12.05" << "一十二元零五分";
    QTest::newRow("five jiao after yuan") << "12.5" << "一十二元五角";
    QTest::newRow("zero inside hundreds") << "105" << "一百零五元";
    QTest::newRow("zero inside thousands") << "1050" << "一千零五十元";
    QTest::newRow("zeros across wan") << "10005" << "一万零五元";
    QTest::newRow("one hundred thousand") << "100000" << "一十万元";
    QTest::newRow("ten million and five") << "10000005" << "一千万零五元";
    QTest::newRow("one yi") << "100000000" << "一亿元";
    QTest::newRow("yi and wan") << "100010000" << "一亿零一万元";
    QTest::newRow("yi, shi wan, bai") << "100100100" << "一亿零一十万零一百元";
    QTest::newRow("all nine places") << "123456789" << "一亿二千三百四十五万六千七百八十九元";
    QTest::newRow("wan yi") << "1e12" << "一万亿元";
    QTest::newRow("bai yi and five") << "20000000005" << "二百亿零五元";
    // A whole zero group of four places between digits is joined by 零; a
    // zero 万 or 亿 place alone is not (一十万七千).
    QTest::newRow("yi, zero wan group, qian") << "100005000" << "一亿零五千元";
    QTest::newRow("wan yi, zero yi group, wan") << "534000053849227" << "五百三十四万亿零五千三百八十四万九千二百二十七元";
    QTest::newRow("zero wan place, qian") << "107000" << "一十万七千元";
    QTest::newRow("eleven nines") << "99999999999" << "九百九十九亿九千九百九十九万九千九百九十九元";
    QTest::newRow("negative") << "-3.2" << "负三元二角";
    QTest::newRow("negative below half a fen keeps its sign") << "-0.001" << "负零元";
    QTest::newRow("1e15 reaches the exponent form") << "1e15" << "输入含非数字字符!元";
    QTest::newRow("just below 1e15") << "999999999999999" << "九百九十九万九千九百九十九亿九千九百九十九万九千九百九十九元";
    QTest::newRow("rounding up to 1e15 reaches the exponent form") << "999999999999999.995" << "输入含非数字字符!元";
    QTest::newRow("108.625 rounds half away from zero") << "108.625" << "一百零八元六角三分";
    QTest::newRow("1.005 rounds half away from zero") << "1.005" << "一元零一分";
    QTest::newRow("2.675 rounds half away from zero") << "2.675" << "二元六角八分";
    QTest::newRow("amount reading of 12345.67") << "12345.67" << "一万二千三百四十五元六角七分";
    QTest::newRow("largest amount") << LargestAmount << "输入含非数字字符!元";
    QTest::newRow("largest negative amount") << QLatin1Char('-') + LargestAmount << "负输入含非数字字符!元";
}

void MoneyTest::words()
{
    QFETCH(QString, amount);
    QFETCH(QString, expected);
    QCOMPARE(MoneyToChinese(Typed(amount)), expected);
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

// The exact value of every accepted form, as a plain decimal.
void MoneyTest::parseMoneyValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");
    QTest::newRow("one tenth is exact") << "0.1" << "0.1";
    QTest::newRow("largest double written out") << LargestAmount << QStringLiteral("17976931348623157") + QString(292, QLatin1Char('0'));
    QTest::newRow("negative zero is zero") << "-0" << "0";
    QTest::newRow("lone point is zero") << "." << "0";
    QTest::newRow("leading and trailing zeros") << "000123.4500" << "123.45";
    QTest::newRow("exponent with plus") << "1.5E+2" << "150";
    QTest::newRow("exponent without digits") << "2e" << "2";
    QTest::newRow("negative exponent") << "1E-2" << "0.01";
    QTest::newRow("blanks around, plus sign") << "  +7.5  " << "7.5";
    QTest::newRow("trailing point") << "5." << "5";
    QTest::newRow("leading point") << "-.5" << "-0.5";
    QTest::newRow("every digit kept") << "3.14159265358979323846264338327950288" << "3.14159265358979323846264338327950288";
    QTest::newRow("2^53 + 1 is no longer rounded to even") << "9007199254740993" << "9007199254740993";
    QTest::newRow("ten decimals") << "0.0000000001" << "0.0000000001";
    QTest::newRow("exponent moves the point into the digits") << "12.345e1" << "123.45";
}

void MoneyTest::parseMoneyValues()
{
    QFETCH(QString, text);
    QFETCH(QString, value);
    const std::optional<Money> parsed = ParseMoney(text);
    QVERIFY(parsed.has_value());
    QVERIFY(*parsed == Money::fromPlainDecimal(value).value());
}

// The double range is still the limit: refused where a double overflows,
// zero where a double underflows to zero, exact in between.
void MoneyTest::parseMoneyRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("outcome");  // "refused", "zero" or "exact"
    QTest::newRow("1e308") << "1e308" << "exact";
    QTest::newRow("1e309") << "1e309" << "refused";
    QTest::newRow("-1e309") << "-1e309" << "refused";
    QTest::newRow("1e999") << "1e999" << "refused";
    QTest::newRow("below the overflow threshold, above the largest double") << "1.7976931348623158e308" << "exact";
    QTest::newRow("just below the overflow threshold") << "1.797693134862315807e308" << "exact";
    QTest::newRow("just above the overflow threshold") << "1.797693134862315808e308" << "refused";
    QTest::newRow("1e-323 is a denormal") << "1e-323" << "exact";
    QTest::newRow("1e-324 underflows") << "1e-324" << "zero";
    QTest::newRow("just below half the smallest denormal") << "2.4703282292062327e-324" << "zero";
    QTest::newRow("just above half the smallest denormal") << "2.4703282292062328e-324" << "exact";
    QTest::newRow("negative underflow") << "-1e-999" << "zero";
    QTest::newRow("zero with a huge exponent") << "0e99999" << "zero";
}

void MoneyTest::parseMoneyRange()
{
    QFETCH(QString, text);
    QFETCH(QString, outcome);
    const std::optional<Money> parsed = ParseMoney(text);
    QCOMPARE(parsed.has_value(), outcome != QLatin1String("refused"));
    if (!parsed)
        return;
    QCOMPARE(parsed->sign() == 0, outcome == QLatin1String("zero"));
}

void MoneyTest::parseMoneySurvivesHugeTexts()
{
    // A million digits: the decimal point after the first keeps the value
    // small, and every digit counts.
    const QString longFraction = QStringLiteral("1.") + QString(1'000'000, QLatin1Char('0')) + QLatin1Char('1');
    const std::optional<Money> justAboveOne = ParseMoney(longFraction);
    QVERIFY(justAboveOne.has_value());
    QVERIFY(*justAboveOne > 1);
    QCOMPARE(MoneyToFigures(*justAboveOne), QStringLiteral("1.00"));
    QCOMPARE(MoneyToChinese(*justAboveOne), QStringLiteral("一元"));
    const QString longInteger = QString(1'000'000, QLatin1Char('9'));
    QVERIFY(!ParseMoney(longInteger).has_value());
    const QString tinyLong = QStringLiteral("0.") + QString(500'000, QLatin1Char('0')) + QLatin1Char('5');
    QVERIFY(ParseMoney(tinyLong) == Money());
    const QString hugeExponent = QStringLiteral("1e") + QString(100'000, QLatin1Char('9'));
    QVERIFY(!ParseMoney(hugeExponent).has_value());
    const QString hugeNegativeExponent = QStringLiteral("1e-") + QString(100'000, QLatin1Char('9'));
    QVERIFY(ParseMoney(hugeNegativeExponent) == Money());
    const QString garbage(200'000, QChar(0x4E00));
    QVERIFY(!ParseMoney(garbage).has_value());
    // Digits far down still decide a half fen.
    const QString tie = QStringLiteral("0.005") + QString(2000, QLatin1Char('0'));
    QCOMPARE(MoneyToFigures(Typed(tie)), QStringLiteral("0.01"));
    QCOMPARE(MoneyToFigures(Typed(tie.chopped(1) + QLatin1Char('1'))), QStringLiteral("0.01"));
    QCOMPARE(MoneyToFigures(Typed(QStringLiteral("0.004") + QString(2000, QLatin1Char('9')))), QStringLiteral("0.00"));
}

// Whatever is typed: an answer, never a crash or a hang. The figures and
// words of every accepted text are formed too.
void MoneyTest::hostileTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("figures");  // empty: refused
    QString million(1'000'000, QLatin1Char('7'));
    million[0] = QLatin1Char('1');
    QTest::newRow("a million digits") << million << "";
    QTest::newRow("a million significant digits after the point")
        << QStringLiteral("0.") + million << "0.18";
    QTest::newRow("a million digits and a negative exponent")
        << million + QStringLiteral("e-999990") << "1777777777.78";
    QTest::newRow("a million zeros") << QString(1'000'000, QLatin1Char('0')) << "0.00";
    QTest::newRow("a million blanks around a digit")
        << QString(500'000, QLatin1Char(' ')) + QLatin1Char('3') + QString(500'000, QLatin1Char(' ')) << "3.00";
    QTest::newRow("a million blanks") << QString(1'000'000, QLatin1Char(' ')) << "";
    QTest::newRow("1e308") << "1e308" << "1E308";
    QTest::newRow("-0") << "-0" << "0.00";
    QTest::newRow("0.0000000001") << "0.0000000001" << "0.00";
    QTest::newRow("1e-999999999") << "1e-999999999" << "0.00";
    QTest::newRow("1e999999999") << "1e999999999" << "";
    QTest::newRow("exponent beyond 64 bits") << "1e99999999999999999999999999" << "";
    QTest::newRow("negative exponent beyond 64 bits") << "1e-99999999999999999999999999" << "0.00";
}

void MoneyTest::hostileTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, figures);
    const std::optional<Money> amount = ParseMoney(text);
    QCOMPARE(amount.has_value(), !figures.isEmpty());
    if (!amount)
        return;
    QCOMPARE(MoneyToFigures(*amount), figures);
    QVERIFY(!MoneyToChinese(*amount).isEmpty());
}

void MoneyTest::generalNumberText_data()
{
    QTest::addColumn<Money>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rate with two decimals") << Typed(QStringLiteral("5.31")) << "5.31";
    QTest::newRow("rate with one decimal") << Typed(QStringLiteral("5.4")) << "5.4";
    QTest::newRow("whole rate") << Money(6) << "6";
    QTest::newRow("fifteen digits") << Typed(QStringLiteral("0.30000000000000004")) << "0.3";
    QTest::newRow("fifteen integer digits") << Typed(QStringLiteral("999999999999999")) << "999999999999999";
    QTest::newRow("sixteen integer digits") << Typed(QStringLiteral("1e15")) << "1E15";
    QTest::newRow("half at the 15th digit rounds away from zero") << Typed(QStringLiteral("999999999999999.5")) << "1E15";
    QTest::newRow("smallest fixed") << Typed(QStringLiteral("0.00001")) << "0.00001";
    QTest::newRow("below fixed") << Typed(QStringLiteral("0.000001")) << "1E-6";
    QTest::newRow("negative") << Typed(QStringLiteral("-2.5")) << "-2.5";
    QTest::newRow("one third") << Money::fraction(1, 3) << "0.333333333333333";
    QTest::newRow("two thirds round up") << Money::fraction(-2, 3) << "-0.666666666666667";
    QTest::newRow("zero") << Money() << "0";
}

void MoneyTest::generalNumberText()
{
    QFETCH(Money, value);
    QFETCH(QString, expected);
    QCOMPARE(GeneralNumberText(value, 15), expected);
}

void MoneyTest::decimalText_data()
{
    QTest::addColumn<Money>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two decimals") << Typed(QStringLiteral("5.31")) << "5.31";
    QTest::newRow("trailing zero dropped") << Typed(QStringLiteral("6.10")) << "6.1";
    QTest::newRow("whole number, no point") << Typed(QStringLiteral("5e0")) << "5";
    QTest::newRow("seventeen digits kept") << Typed(QStringLiteral("0.30000000000000004")) << "0.30000000000000004";
    QTest::newRow("no exponent form") << Typed(QStringLiteral("1e-7")) << "0.0000001";
    QTest::newRow("negative below one") << Typed(QStringLiteral("-0.0175")) << "-0.0175";
    QTest::newRow("thousands") << Typed(QStringLiteral("1.5e3")) << "1500";
    QTest::newRow("zero") << Money() << "0";
    QTest::newRow("one third has no decimal end") << Money::fraction(1, 3) << "0.333333333333333";
}

void MoneyTest::decimalText()
{
    QFETCH(Money, value);
    QFETCH(QString, expected);
    QCOMPARE(DecimalText(value), expected);
}

// Counts wider than 32 bits stay exact where `long` is 32 bits (Windows):
// every 64-bit value through ExactInteger and back, checked against its
// decimal text, and the arithmetic of Money with such a count.
void MoneyTest::wholeNumbersBeyond32Bits()
{
    QList<qint64> values = {0, 1, -1, 2147483647, 2147483648LL, -2147483649LL, 4294967296LL,
                            99999999999999999LL, std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::min()};
    QRandomGenerator random(20261208);
    for (int i = 0; i < 1000; ++i)
        values.append(qint64(random.generate64()));
    for (const qint64 value : values) {
        const mpz_class exact = ExactInteger(value);
        QCOMPARE(QString::fromStdString(exact.get_str()), QString::number(value));
        QCOMPARE(Int64Value(exact), std::optional<qint64>(value));
        QVERIFY(Money(value).exact() == mpq_class(exact));
        if (value > 0 && value < std::numeric_limits<qint64>::max())
            QVERIFY(Money(value) + qint64(1) > value && Money(value) == value);
    }
    QCOMPARE(Int64Value(ExactInteger(std::numeric_limits<qint64>::max()) + 1), std::nullopt);
    QCOMPARE(MoneyToFigures(Money::fraction(99999999999999999LL, 100)), QStringLiteral("999999999999999.99"));
}

QTEST_GUILESS_MAIN(MoneyTest)
#include "tst_money.moc"
