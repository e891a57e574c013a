// The text of the execution ledger a clerk pastes into a document: a case
// worked out by hand, line by line, and one row per rule that decides what
// else the text says.

#include "interest/execution_ledger_text.h"
#include "tests/ledger_fixtures.h"

#include <QTest>
#include <functional>

using namespace pellumo;

namespace {

// 100000 principal and 2300 court fees due 2024-12-31; 50000 paid on
// 2025-03-01; owed at the end of 2025-03-31.
CaseRecord OneCreditCase()
{
    CaseRecord record;
    record.caseNumber = QStringLiteral("（2025）京0105执100号");
    record.parties = QStringLiteral("申请执行人甲，被执行人乙");
    ExecutionCase &c = record.executionCase;
    c.items = {{QStringLiteral("本金"), 100000, DebtKind::Principal, Day("2024-12-31"), true},
               {QStringLiteral("案件受理费"), 2300, DebtKind::LitigationCost, Day("2024-12-31"), false}};
    c.credits = {{Day("2025-03-01"), 50000}};
    c.calculationDay = Day("2025-03-31");
    return record;
}

QString TextOf(const CaseRecord &record)
{
    return ExecutionLedgerCopyText(record, ComputeExecutionLedger(record.executionCase, BuiltInRateHistory()));
}

using Change = std::function<void(ExecutionCase &)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class ExecutionLedgerTextTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void caseWorkedByHand();
    void whatTheTextSays_data();
    void whatTheTextSays();
};

// 2025-01-01 to 03-01: 60 days, the credit's day at the old balance;
// 100000 × 0.0175% × 60 = 1050.00. The credit pays the costs 2300, then the
// principal 47700; the doubled interest stays owed: 53350.00 after it.
// 03-02 to 03-31: 30 days on 52300: 274.575 → 274.58.
void ExecutionLedgerTextTest::caseWorkedByHand()
{
    const QString text = TextOf(OneCreditCase());
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), QStringLiteral("执行款计算"));
    for (const QString &line : {
             QStringLiteral("案号：（2025）京0105执100号"), QStringLiteral("当事人：申请执行人甲，被执行人乙"),
             QStringLiteral("案件受理费：2300.00元（诉讼费用），履行期限届满日2024年12月31日，不计入加倍部分债务利息的基数"),
             QStringLiteral("1. 2025年3月1日还款50000.00元（截至当日产生一般债务利息0.00元、加倍部分债务利息1050.00元）："
                            "冲抵费用2300.00元，冲抵本金47700.00元（50000.00＝2300.00＋47700.00），"
                            "其中：本金47700.00元、案件受理费2300.00元；还款后尚欠53350.00元"),
             QStringLiteral("1. 2025年1月1日至2025年3月1日，共60天，基数100000.00元：100000×0.0175%×60＝1050.00元"),
             QStringLiteral("2. 2025年3月2日至2025年3月31日，共30天，基数52300.00元：52300×0.0175%×30≈274.58元"),
             QStringLiteral("尚欠本金：52300.00元"), QStringLiteral("尚欠加倍部分债务利息：1324.58元"),
             QStringLiteral("合计尚欠：53624.58元（大写：人民币伍万叁仟陆佰贰拾肆元伍角捌分）"),
             QStringLiteral("《中华人民共和国民事诉讼法》第二百六十四条；"
                            "《最高人民法院关于执行程序中计算迟延履行期间的债务利息适用法律若干问题的解释》"
                            "（法释〔2014〕8号）第一条至第四条；《中华人民共和国民法典》第五百六十条第二款、第五百六十一条。")})
        QVERIFY2(lines.contains(line), qPrintable(line));
    // The default order, the base items and the rounding are named.
    for (const QString &fragment :
         {QStringLiteral("冲抵顺序：每笔还款先抵实现债权的费用，再抵一般债务利息，再抵本金"),
          QStringLiteral("加倍部分债务利息的基数：本金中尚未清偿的部分；不计入：案件受理费"),
          QStringLiteral("各自四舍五入至分后计入欠款")})
        QVERIFY2(text.contains(fragment), qPrintable(fragment));
    QVERIFY(lines.indexOf(QStringLiteral("二、还款及冲抵")) < lines.indexOf(QStringLiteral("三、加倍部分债务利息分段计算")));
}

void ExecutionLedgerTextTest::whatTheTextSays_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("fragment");  // none: no text at all
    auto row = [](const char *name, const char *fragment, Change change) {
        QTest::newRow(name) << change << QString::fromUtf8(fragment);
    };

    row("principal before interest named", "冲抵顺序：先本后息",
        [](ExecutionCase &c) { c.order = SetOffOrder::CostsPrincipalInterest; });
    // 150000 − 2300 − 100000 − 1050 of doubled interest = 46650 over.
    row("surplus shown", "超出应付部分：46650.00元", [](ExecutionCase &c) { c.credits[0].amount = 150000; });
    row("credit after the calculation day left out", "注：1笔还款的日期在计算日之后，未计入。",
        [](ExecutionCase &c) { c.credits.append({Day("2025-04-01"), 10}); });
    row("general interest at a fixed rate described",
        "一般债务利息：以尚未清偿的本金（种类为本金的债务项目）为基数，自2024年6月1日起按年利率6%的1.5倍计算，每年按360天计",
        [](ExecutionCase &c) { c.generalInterest = {true, Day("2024-06-01"), Money(6), RateBasis::OneYear, Money::fraction(3, 2)}; });
    row("LPR plus basis points, repriced yearly, head without tail",
        "自2024年6月1日起按一年期LPR的1.5倍加50个基点（每年1月1日重定价）计算，每年按360天计，算头不算尾",
        [](ExecutionCase &c) {
            c.generalInterest = {true, Day("2024-06-01"), std::nullopt, RateBasis::OneYear, Money::fraction(3, 2), 360, 50,
                                 Repricing::Yearly, 1, 1, false};
        });
    row("head without tail explained", "还款当日的一般债务利息已按还款后的余额计算",
        [](ExecutionCase &c) {
            c.generalInterest = {true, Day("2024-06-01"), Money(6), RateBasis::OneYear, 1, 360, 0,
                                 Repricing::EachFixing, 1, 1, false};
        });
    row("days before 2014-08-01 under the earlier rule", "（法释〔2014〕8号）第一条至第四条、第七条",
        [](ExecutionCase &c) { c.items[0].lastPerformanceDay = Day("2014-06-30"); });
    row("excluded period listed", "不计期间：2025年2月1日至2025年2月10日",
        [](ExecutionCase &c) { c.excluded = {{Day("2025-02-01"), Day("2025-02-10")}}; });
    row("refused case has no text", "", [](ExecutionCase &c) { c.credits[0].amount = 0; });
}

void ExecutionLedgerTextTest::whatTheTextSays()
{
    QFETCH(Change, change);
    QFETCH(QString, fragment);
    CaseRecord record = OneCreditCase();
    change(record.executionCase);
    const QString text = TextOf(record);
    QVERIFY2(fragment.isEmpty() ? text.isEmpty() : text.contains(fragment), qPrintable(text));
}

QTEST_GUILESS_MAIN(ExecutionLedgerTextTest)
#include "tst_execution_ledger_text.moc"
