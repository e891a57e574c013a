#include "fees/acceptance_fee.h"
#include "fees/application_fee.h"
#include "fees/money.h"

#include <QTest>

using namespace pellumo;

class FeesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void acceptanceFees_data();
    void acceptanceFees();
    void extendedPrecisionKeepsTheFen();
    void halfFee_data();
    void halfFee();
    void baseAmountsUsedAsRead();
    void applicationFees_data();
    void applicationFees();
    void preservationCap();
};

void FeesTest::acceptanceFees_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("divorce");
    QTest::addColumn<QString>("personality");
    QTest::newRow("one fen") << 0.01 << "50.00" << "50.00" << "100.00";
    QTest::newRow("top of the fixed bracket") << 10000.0 << "50.00" << "50.00" << "100.00";
    QTest::newRow("2.5% bracket") << 50000.0 << "1050.00" << "50.00" << "100.00";
    QTest::newRow("top of the 2.5% bracket") << 100000.0 << "2300.00" << "50.00" << "600.00";
    QTest::newRow("2% bracket") << 150000.0 << "3300.00" << "50.00" << "850.00";
    QTest::newRow("top of the 2% bracket") << 200000.0 << "4300.00" << "50.00" << "1100.00";
    QTest::newRow("one yuan into the 1.5% bracket") << 200001.0 << "4300.02" << "50.01" << "1100.01";
    QTest::newRow("1.5% bracket") << 300000.0 << "5800.00" << "550.00" << "1600.00";
    QTest::newRow("top of the 1.5% bracket") << 500000.0 << "8800.00" << "1550.00" << "2600.00";
    QTest::newRow("top of the 1% bracket") << 1000000.0 << "13800.00" << "4050.00" << "5100.00";
    QTest::newRow("top of the 0.9% bracket") << 2000000.0 << "22800.00" << "9050.00" << "10100.00";
    QTest::newRow("top of the 0.8% bracket") << 5000000.0 << "46800.00" << "24050.00" << "25100.00";
    QTest::newRow("top of the 0.7% bracket") << 10000000.0 << "81800.00" << "49050.00" << "50100.00";
    QTest::newRow("top of the 0.6% bracket") << 20000000.0 << "141800.00" << "99050.00" << "100100.00";
    QTest::newRow("0.5% bracket") << 30000000.0 << "191800.00" << "149050.00" << "150100.00";
    QTest::newRow("just above the fixed bracket") << 10000.01 << "50.00" << "50.00" << "100.00";
    QTest::newRow("12345") << 12345.0 << "108.63" << "50.00" << "100.00";
}

void FeesTest::acceptanceFees()
{
    QFETCH(double, amount);
    QFETCH(QString, property);
    QFETCH(QString, divorce);
    QFETCH(QString, personality);
    QCOMPARE(MoneyToFigures(PropertyCaseFee(amount)), property);
    QCOMPARE(MoneyToFigures(DivorceCaseFee(amount, 50)), divorce);
    QCOMPARE(MoneyToFigures(PersonalityRightsCaseFee(amount, 100)), personality);
}

void FeesTest::extendedPrecisionKeepsTheFen()
{
    // 12345 * 0.025 - 200 is a little above 108.625 in extended precision;
    // in plain doubles it is exactly 108.625 and the words form loses a fen.
    const double fee = PropertyCaseFee(12345);
    QVERIFY(fee > 108.625);
    QCOMPARE(MoneyToChinese(fee), QStringLiteral("一百零八元六角三分"));
    const double plainDouble = 12345.0 * 0.025 - 200.0;
    QCOMPARE(MoneyToChinese(plainDouble), QStringLiteral("一百零八元六角二分"));
}

void FeesTest::halfFee_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("figures");
    QTest::addColumn<QString>("words");
    QTest::newRow("property fee of 12345 halved") << PropertyCaseFee(12345) << "54.31" << "五十四元三角一分";
    QTest::newRow("property fee of 100000 halved") << PropertyCaseFee(100000) << "1150.00" << "一千一百五十元";
    QTest::newRow("divorce fee halved") << DivorceCaseFee(100000, 50) << "25.00" << "二十五元";
    QTest::newRow("personality fee halved") << PersonalityRightsCaseFee(100000, 100) << "300.00" << "三百元";
}

void FeesTest::halfFee()
{
    QFETCH(double, amount);
    QFETCH(QString, figures);
    QFETCH(QString, words);
    const double half = amount * 0.5;
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
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("execution");
    QTest::addColumn<QString>("preservation");
    QTest::addColumn<QString>("paymentOrder");
    QTest::newRow("one fen") << 0.01 << "50.00" << "30.00" << "16.67";
    QTest::newRow("top of the fixed preservation bracket") << 1000.0 << "50.00" << "30.00" << "16.67";
    QTest::newRow("1% preservation bracket") << 5000.0 << "50.00" << "70.00" << "16.67";
    QTest::newRow("top of the fixed execution bracket") << 10000.0 << "50.00" << "120.00" << "16.67";
    QTest::newRow("one yuan into the 1.5% bracket") << 10001.0 << "50.01" << "120.01" << "16.68";
    QTest::newRow("50000") << 50000.0 << "650.00" << "520.00" << "350.00";
    QTest::newRow("top of the preservation 1% bracket") << 100000.0 << "1400.00" << "1020.00" << "766.67";
    QTest::newRow("top of the execution 1.5% bracket") << 500000.0 << "7400.00" << "3020.00" << "2933.33";
    QTest::newRow("preservation reaches its cap") << 896000.0 << "11360.00" << "5000.00" << "4253.33";
    QTest::newRow("capped preservation") << 900000.0 << "11400.00" << "5000.00" << "4266.67";
    QTest::newRow("1000000") << 1000000.0 << "12400.00" << "5000.00" << "4600.00";
    QTest::newRow("top of the execution 1% bracket") << 5000000.0 << "52400.00" << "5000.00" << "15600.00";
    QTest::newRow("top of the execution 0.5% bracket") << 10000000.0 << "77400.00" << "5000.00" << "27266.67";
    QTest::newRow("execution 0.1% bracket") << 20000000.0 << "87400.00" << "5000.00" << "47266.67";
}

void FeesTest::applicationFees()
{
    QFETCH(double, amount);
    QFETCH(QString, execution);
    QFETCH(QString, preservation);
    QFETCH(QString, paymentOrder);
    QCOMPARE(MoneyToFigures(ExecutionFee(amount)), execution);
    QCOMPARE(MoneyToFigures(PreservationFee(amount)), preservation);
    QCOMPARE(MoneyToFigures(PaymentOrderFee(amount)), paymentOrder);
}

void FeesTest::preservationCap()
{
    QCOMPARE(PreservationFee(896000), 5000.0);
    QVERIFY(PreservationFee(895999) < 5000.0);
    QCOMPARE(PreservationFee(1e12), 5000.0);
    QCOMPARE(MoneyToChinese(ExecutionFee(100000)), QStringLiteral("一千四百元"));
    QCOMPARE(MoneyToChinese(PreservationFee(100000)), QStringLiteral("一千零二十元"));
    QCOMPARE(MoneyToChinese(PaymentOrderFee(100000)), QStringLiteral("七百六十六元六角七分"));
    QCOMPARE(MoneyToChinese(PaymentOrderFee(0.01)), QStringLiteral("一十六元六角七分"));
}

QTEST_GUILESS_MAIN(FeesTest)
#include "tst_fees.moc"
