// The pasted text of a private-lending calculation: a segment with its rule,
// rates, parts and the arithmetic of the supported amount, the totals in
// figures and capitals, the steps and the notes; none for a refused loan.

#include "interest/private_lending_text.h"

#include <QTest>

using namespace pellumo;

class TestPrivateLendingText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copyText();
};

void TestPrivateLendingText::copyText()
{
    // Formed 2019-03-01 at 30 %, filed 2021-03-15: 538 days under the 2015
    // text, 193 under four times the LPR of the filing day (3.85).
    PrivateLoan loan;
    loan.principal = 100000;
    loan.formed = loan.lent = QDate(2019, 3, 1);
    loan.due = loan.until = QDate(2021, 2, 28);
    loan.filed = QDate(2021, 3, 15);
    loan.loanRatePercent = Money(30);
    const QStringList lines = PrivateLendingCopyText(loan, ComputePrivateLendingInterest(loan, BuiltInRateHistory())).split(u'\n');
    // 24000×538/360 = 35866.666…; 15400×193/360 = 8256.111…. Totals are exact
    // sums rounded once: 134500/3 + 48250/3 = 60916.666… agreed, 107600/3 +
    // 74305/9 = 44122.777… supported, 26900/3 + 70445/9 = 16793.888… not
    // supported.
    for (const QString &line :
         {QStringLiteral("1. 2019年3月1日至2020年8月19日，共538天（法释〔2015〕18号 第二十六条）：主张年利率30%，上限24%，"
                         "支持年利率24%；主张利息44833.33元，予以支持35866.67元（100000×24%÷360×538≈35866.67），"
                         "不予支持8966.67元，约定无效0.00元"),
          QStringLiteral("合计：主张利息60916.67元；予以支持44122.78元（大写：人民币肆万肆仟壹佰贰拾贰元柒角捌分）；"
                         "不予支持16793.89元；约定无效0.00元。"),
          QStringLiteral("利率来源：全国银行间同业拆借中心公布的贷款市场报价利率（LPR）。"),
          QStringLiteral("借期内年利率：30%"), QStringLiteral("计算过程：")})
        QVERIFY2(lines.contains(line), qPrintable(lines.join(u'\n')));

    loan.filed = QDate(2020, 10, 1);
    QCOMPARE(PrivateLendingCopyText(loan, ComputePrivateLendingInterest(loan, BuiltInRateHistory())), QString());
}

QTEST_GUILESS_MAIN(TestPrivateLendingText)
#include "tst_private_lending_text.moc"
