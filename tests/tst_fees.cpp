#include "fees/acceptance_fee.h"
#include "fees/amount_reading.h"
#include "fees/application_fee.h"
#include "money/money.h"

#include <QTest>

using namespace pellumo;

namespace {

// An amount as the user types it.
Money Typed(const char *text)
{
    return ParseMoney(QString::fromLatin1(text)).value();
}

} // namespace

class FeesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readAmount_data();
    void readAmount();
    void acceptanceFees_data();
    void acceptanceFees();
    void halfAFenRoundsAwayFromZero();
    void changedByExactArithmetic_data();
    void changedByExactArithmetic();
    void halfFee_data();
    void halfFee();
    void baseAmountsUsedAsRead();
    void applicationFees_data();
    void applicationFees();
    void preservationCap();
};

void FeesTest::readAmount_data()
{
    using Outcome = AmountReading::Outcome;
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("value");  // the exact amount, as a plain decimal
    QTest::newRow("empty") << "" << Outcome::Empty << "0";
    QTest::newRow("zero") << "0" << Outcome::Reject << "0";
    QTest::newRow("negative") << "-5" << Outcome::Reject << "0";
    QTest::newRow("letters") << "abc" << Outcome::Reject << "0";
    QTest::newRow("one blank") << " " << Outcome::Reject << "0";
    QTest::newRow("thousands separator") << "1,000" << Outcome::Reject << "0";
    QTest::newRow("lone point is zero") << "." << Outcome::Reject << "0";
    QTest::newRow("lone sign") << "+" << Outcome::Reject << "0";
    QTest::newRow("exponent beyond double") << "1e999" << Outcome::Reject << "0";
    QTest::newRow("exponent form") << "1e3" << Outcome::Value << "1000";
    QTest::newRow("blanks around") << " 12 " << Outcome::Value << "12";
    QTest::newRow("plus sign") << "+7" << Outcome::Value << "7";
    QTest::newRow("trailing point") << "5." << Outcome::Value << "5";
    QTest::newRow("leading point") << ".5" << Outcome::Value << "0.5";
    QTest::newRow("exponent without digits") << "2e" << Outcome::Value << "2";
    QTest::newRow("negative exponent") << "1E-2" << Outcome::Value << "0.01";
    QTest::newRow("two points") << "1.2.3" << Outcome::Reject << "0";
    QTest::newRow("blank inside") << "1 2" << Outcome::Reject << "0";
    QTest::newRow("tab is no blank") << "\t12" << Outcome::Reject << "0";
    QTest::newRow("exponent without mantissa") << "e5" << Outcome::Reject << "0";
    QTest::newRow("hexadecimal") << "0x10" << Outcome::Reject << "0";
    QTest::newRow("infinity word") << "inf" << Outcome::Reject << "0";
    QTest::newRow("underflow is zero") << "1e-999" << Outcome::Reject << "0";
    QTest::newRow("half a fen is kept exactly") << "1.005" << Outcome::Value << "1.005";
}

void FeesTest::readAmount()
{
    QFETCH(QString, text);
    QFETCH(AmountReading::Outcome, outcome);
    QFETCH(QString, value);
    const AmountReading reading = ReadAmount(text);
    QCOMPARE(reading.outcome, outcome);
    if (outcome == AmountReading::Outcome::Value)
        QVERIFY(reading.value == Money::fromPlainDecimal(value).value());
}

void FeesTest::acceptanceFees_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("divorce");
    QTest::addColumn<QString>("personality");
    QTest::newRow("one fen") << "0.01" << "50.00" << "50.00" << "100.00";
    QTest::newRow("top of the fixed bracket") << "10000" << "50.00" << "50.00" << "100.00";
    QTest::newRow("2.5% bracket") << "50000" << "1050.00" << "50.00" << "100.00";
    QTest::newRow("top of the 2.5% bracket") << "100000" << "2300.00" << "50.00" << "600.00";
    QTest::newRow("2% bracket") << "150000" << "3300.00" << "50.00" << "850.00";
    QTest::newRow("top of the 2% bracket") << "200000" << "4300.00" << "50.00" << "1100.00";
    QTest::newRow("one yuan into the 1.5% bracket") << "200001" << "4300.02" << "50.01" << "1100.01";
    QTest::newRow("1.5% bracket") << "300000" << "5800.00" << "550.00" << "1600.00";
    QTest::newRow("top of the 1.5% bracket") << "500000" << "8800.00" << "1550.00" << "2600.00";
    QTest::newRow("top of the 1% bracket") << "1000000" << "13800.00" << "4050.00" << "5100.00";
    QTest::newRow("top of the 0.9% bracket") << "2000000" << "22800.00" << "9050.00" << "10100.00";
    QTest::newRow("top of the 0.8% bracket") << "5000000" << "46800.00" << "24050.00" << "25100.00";
    QTest::newRow("top of the 0.7% bracket") << "10000000" << "81800.00" << "49050.00" << "50100.00";
    QTest::newRow("top of the 0.6% bracket") << "20000000" << "141800.00" << "99050.00" << "100100.00";
    QTest::newRow("0.5% bracket") << "30000000" << "191800.00" << "149050.00" << "150100.00";
    QTest::newRow("just above the fixed bracket") << "10000.01" << "50.00" << "50.00" << "100.00";
    QTest::newRow("12345") << "12345" << "108.63" << "50.00" << "100.00";
}

void FeesTest::acceptanceFees()
{
    QFETCH(QString, amount);
    QFETCH(QString, property);
    QFETCH(QString, divorce);
    QFETCH(QString, personality);
    const Money x = ParseMoney(amount).value();
    QCOMPARE(MoneyToFigures(PropertyCaseFee(x)), property);
    QCOMPARE(MoneyToFigures(DivorceCaseFee(x, 50)), divorce);
    QCOMPARE(MoneyToFigures(PersonalityRightsCaseFee(x, 100)), personality);
}

void FeesTest::halfAFenRoundsAwayFromZero()
{
    // 12345 × 2.5% − 200 is exactly 108.625: both forms round it up.
    const Money fee = PropertyCaseFee(12345);
    QVERIFY(fee == Money::fraction(108625, 1000));
    QCOMPARE(MoneyToFigures(fee), QStringLiteral("108.63"));
    QCOMPARE(MoneyToChinese(fee), QStringLiteral("一百零八元六角三分"));
}

// Fees whose exact value is half a fen or lies just beside it: the figures
// and the words now name the same amount, the law's fee rounded half away
// from zero.
void FeesTest::changedByExactArithmetic_data()
{
    QTest::addColumn<Money>("fee");
    QTest::addColumn<QString>("figures");
    QTest::addColumn<QString>("words");
    QTest::newRow("property fee of 48967 is 1024.175") << PropertyCaseFee(48967) << "1024.18" << "一千零二十四元一角八分";
    QTest::newRow("preservation fee of 1012.50 is 30.125") << PreservationFee(Typed("1012.50")) << "30.13"
                                                           << "三十元一角三分";
    QTest::newRow("execution fee of 10001 is 50.015") << ExecutionFee(10001) << "50.02" << "五十元零二分";
    QTest::newRow("property fee of 12345 is 108.625") << PropertyCaseFee(12345) << "108.63" << "一百零八元六角三分";
    QTest::newRow("half the property fee of 12345 is 54.3125") << HalfFee(PropertyCaseFee(12345)) << "54.31"
                                                               << "五十四元三角一分";
    QTest::newRow("payment order of 10001 is 16.675") << PaymentOrderFee(10001) << "16.68" << "一十六元六角八分";
    QTest::newRow("payment order of 100000 is 766.666…") << PaymentOrderFee(100000) << "766.67"
                                                        << "七百六十六元六角七分";
    QTest::newRow("divorce fee of 200001 is 50.005") << DivorceCaseFee(200001, 50) << "50.01" << "五十元零一分";
    QTest::newRow("half the divorce fee of 200003 is 25.0075") << HalfFee(DivorceCaseFee(200003, 50)) << "25.01"
                                                               << "二十五元零一分";
}

void FeesTest::changedByExactArithmetic()
{
    QFETCH(Money, fee);
    QFETCH(QString, figures);
    QFETCH(QString, words);
    QCOMPARE(MoneyToFigures(fee), figures);
    QCOMPARE(MoneyToChinese(fee), words);
}

void FeesTest::halfFee_data()
{
    QTest::addColumn<Money>("amount");
    QTest::addColumn<QString>("figures");
    QTest::addColumn<QString>("words");
    QTest::newRow("property fee of 12345 halved") << PropertyCaseFee(12345) << "54.31" << "五十四元三角一分";
    QTest::newRow("property fee of 100000 halved") << PropertyCaseFee(100000) << "1150.00" << "一千一百五十元";
    QTest::newRow("divorce fee halved") << DivorceCaseFee(100000, 50) << "25.00" << "二十五元";
    QTest::newRow("personality fee halved") << PersonalityRightsCaseFee(100000, 100) << "300.00" << "三百元";
}

void FeesTest::halfFee()
{
    QFETCH(Money, amount);
    QFETCH(QString, figures);
    QFETCH(QString, words);
    const Money half = HalfFee(amount);
    QCOMPARE(MoneyToFigures(half), figures);
    QCOMPARE(MoneyToChinese(half), words);
}

void FeesTest::baseAmountsUsedAsRead()
{
    QCOMPARE(MoneyToFigures(DivorceCaseFee(300000, 300)), QStringLiteral("800.00"));
    QCOMPARE(MoneyToFigures(PersonalityRightsCaseFee(300000, 500)), QStringLiteral("2000.00"));
    QCOMPARE(MoneyToFigures(DivorceCaseFee(100000, 1000)), QStringLiteral("1000.00"));
    QCOMPARE(MoneyToChinese(PropertyCaseFee(1000000)), QStringLiteral("一万三千八百元"));
    QCOMPARE(MoneyToChinese(DivorceCaseFee(1000000, 50)), QStringLiteral("四千零五十元"));
    QCOMPARE(MoneyToChinese(PersonalityRightsCaseFee(1000000, 100)), QStringLiteral("五千一百元"));
}

void FeesTest::applicationFees_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("execution");
    QTest::addColumn<QString>("preservation");
    QTest::addColumn<QString>("paymentOrder");
    QTest::newRow("one fen") << "0.01" << "50.00" << "30.00" << "16.67";
    QTest::newRow("top of the fixed preservation bracket") << "1000" << "50.00" << "30.00" << "16.67";
    QTest::newRow("1% preservation bracket") << "5000" << "50.00" << "70.00" << "16.67";
    QTest::newRow("top of the fixed execution bracket") << "10000" << "50.00" << "120.00" << "16.67";
    QTest::newRow("one yuan into the 1.5% bracket: 50.015 rounds up") << "10001" << "50.02" << "120.01" << "16.68";
    QTest::newRow("50000") << "50000" << "650.00" << "520.00" << "350.00";
    QTest::newRow("top of the preservation 1% bracket") << "100000" << "1400.00" << "1020.00" << "766.67";
    QTest::newRow("top of the execution 1.5% bracket") << "500000" << "7400.00" << "3020.00" << "2933.33";
    QTest::newRow("preservation reaches its cap") << "896000" << "11360.00" << "5000.00" << "4253.33";
    QTest::newRow("capped preservation") << "900000" << "11400.00" << "5000.00" << "4266.67";
    QTest::newRow("1000000") << "1000000" << "12400.00" << "5000.00" << "4600.00";
    QTest::newRow("top of the execution 1% bracket") << "5000000" << "52400.00" << "5000.00" << "15600.00";
    QTest::newRow("top of the execution 0.5% bracket") << "10000000" << "77400.00" << "5000.00" << "27266.67";
    QTest::newRow("execution 0.1% bracket") << "20000000" << "87400.00" << "5000.00" << "47266.67";
}

void FeesTest::applicationFees()
{
    QFETCH(QString, amount);
    QFETCH(QString, execution);
    QFETCH(QString, preservation);
    QFETCH(QString, paymentOrder);
    const Money x = ParseMoney(amount).value();
    QCOMPARE(MoneyToFigures(ExecutionFee(x)), execution);
    QCOMPARE(MoneyToFigures(PreservationFee(x)), preservation);
    QCOMPARE(MoneyToFigures(PaymentOrderFee(x)), paymentOrder);
}

void FeesTest::preservationCap()
{
    QVERIFY(PreservationFee(896000) == 5000);
    QVERIFY(PreservationFee(895999) < 5000);
    QVERIFY(PreservationFee(Typed("1e12")) == 5000);
    QCOMPARE(MoneyToChinese(ExecutionFee(100000)), QStringLiteral("一千四百元"));
    QCOMPARE(MoneyToChinese(PreservationFee(100000)), QStringLiteral("一千零二十元"));
    QCOMPARE(MoneyToChinese(PaymentOrderFee(100000)), QStringLiteral("七百六十六元六角七分"));
    QCOMPARE(MoneyToChinese(PaymentOrderFee(Typed("0.01"))), QStringLiteral("一十六元六角七分"));
}

QTEST_GUILESS_MAIN(FeesTest)
#include "tst_fees.moc"
