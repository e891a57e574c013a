#include "money/money.h"
#include "money/unfinished_money_text.h"

#include <QTest>

using namespace pellumo;

namespace {

// A text with a long run of zeros inside: far beyond the double range, or far
// below it, within a few characters of typing.
QString WithZeros(const char *before, int zeros, const char *after)
{
    return QLatin1String(before) + QString(zeros, QLatin1Char('0')) + QLatin1String(after);
}

} // namespace

class UnfinishedMoneyTextTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unfinishedTexts_data();
    void unfinishedTexts();
    void longTextsAreJudgedInFull();
};

// Each row: the text, whether it reads as a value at all, whether it is an
// unfinished entry for a field that takes any value, and for a fee field
// that takes only values above zero.
void UnfinishedMoneyTextTest::unfinishedTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isValue");
    QTest::addColumn<bool>("unfinished");
    QTest::addColumn<bool>("unfinishedPositive");

    // Not yet a value, but the beginning of one.
    QTest::newRow("empty") << "" << false << true << true;
    QTest::newRow("blank") << " " << false << true << true;
    QTest::newRow("blanks") << "   " << false << true << true;
    QTest::newRow("minus") << "-" << false << true << false;
    QTest::newRow("blank then minus") << " -" << false << true << false;
    QTest::newRow("plus") << "+" << false << true << true;
    QTest::newRow("blank then plus") << "  +" << false << true << true;

    // Already values (ParseMoney reads them), so not unfinished for any field;
    // for a fee field only the zero ones that a further digit can lift.
    QTest::newRow("point alone") << "." << true << false << true;
    QTest::newRow("zero") << "0" << true << false << true;
    QTest::newRow("zero point") << "0." << true << false << true;
    QTest::newRow("zero point zero") << "0.0" << true << false << true;
    QTest::newRow("plus zero") << "+0" << true << false << true;
    QTest::newRow("plus point") << "+." << true << false << true;
    QTest::newRow("blank zero") << " 0" << true << false << true;
    QTest::newRow("zero with exponent marker") << "0e" << true << false << false;
    QTest::newRow("zero with exponent") << "0e5" << true << false << false;
    QTest::newRow("zero with trailing blank") << "0 " << true << false << false;
    QTest::newRow("minus zero") << "-0" << true << false << false;
    QTest::newRow("minus point") << "-." << true << false << false;
    QTest::newRow("negative amount") << "-5" << true << false << false;
    QTest::newRow("negative fraction") << "-0.5" << true << false << false;
    QTest::newRow("exponent marker") << "1e" << true << false << false;
    QTest::newRow("exponent minus") << "1e-" << true << false << false;
    QTest::newRow("exponent plus") << "1E+" << true << false << false;
    QTest::newRow("half") << "0.5" << true << false << false;
    QTest::newRow("point five") << ".5" << true << false << false;
    QTest::newRow("trailing blank") << "5 " << true << false << false;
    QTest::newRow("below the double range reads zero") << "1e-999" << true << false << false;
    QTest::newRow("tiny fraction, an exponent can lift it") << WithZeros("0.", 400, "1")
                                                            << true << false << true;
    QTest::newRow("tiny fraction and the marker") << WithZeros("0.", 400, "1e") << true << false
                                                  << true;
    QTest::newRow("tiny fraction and e-") << WithZeros("0.", 400, "1e-") << true << false
                                          << false;

    // No value, and typing on cannot make one.
    QTest::newRow("letter") << "a" << false << false << false;
    QTest::newRow("letter after digits") << "12a" << false << false << false;
    QTest::newRow("second point") << "1.2." << false << false << false;
    QTest::newRow("thousands separator") << "1,000" << false << false << false;
    QTest::newRow("exponent without mantissa") << "e5" << false << false << false;
    QTest::newRow("two signs") << "+-" << false << false << false;
    QTest::newRow("blank after sign") << "- " << false << false << false;
    QTest::newRow("blank inside") << "1 2" << false << false << false;
    QTest::newRow("second exponent") << "1e5e" << false << false << false;
    QTest::newRow("tab") << "\t" << false << false << false;
    QTest::newRow("full-width digit") << QString(QChar(0xFF11)) << false << false << false;
    QTest::newRow("beyond the double range") << "1e999" << false << false << false;
    QTest::newRow("beyond the double range, plus exponent") << "1e+999" << false << false << false;
    QTest::newRow("beyond the double range, negative") << "-1e999" << false << false << false;
    QTest::newRow("beyond the double range, closed") << WithZeros("1", 400, " ")
                                                     << false << false << false;

    // Beyond the double range, but an exponent still to come brings it back.
    QTest::newRow("400 digits") << WithZeros("1", 400, "") << false << true << true;
    QTest::newRow("400 digits and the marker") << WithZeros("1", 400, "e") << false << true
                                               << true;
    QTest::newRow("400 digits and e-") << WithZeros("1", 400, "e-") << false << true << true;
    QTest::newRow("400 digits, negative") << WithZeros("-1", 400, "") << false << true << false;
}

void UnfinishedMoneyTextTest::unfinishedTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, isValue);
    QFETCH(bool, unfinished);
    QFETCH(bool, unfinishedPositive);
    QCOMPARE(ParseMoney(text).has_value(), isValue);
    QCOMPARE(IsUnfinishedMoneyText(text), unfinished);
    QCOMPARE(IsUnfinishedPositiveMoneyText(text), unfinishedPositive);
}

// The judgement reads the whole text, however long: a bad character at the
// very end decides it.
void UnfinishedMoneyTextTest::longTextsAreJudgedInFull()
{
    const QString zeros(1'000'000, QLatin1Char('0'));
    QVERIFY(IsUnfinishedPositiveMoneyText(zeros));
    QVERIFY(!IsUnfinishedPositiveMoneyText(zeros + QLatin1Char('x')));
    QVERIFY(!IsUnfinishedMoneyText(QLatin1Char('-') + zeros + QLatin1Char('x')));
}

QTEST_GUILESS_MAIN(UnfinishedMoneyTextTest)
#include "tst_unfinished_money_text.moc"
