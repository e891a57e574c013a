// The private-lending cap worked out by hand: which text governs each day,
// the cap of that text, and the exact agreed, supported, not supported and
// void parts. Principal 100000 and 360 days a year unless a row says
// otherwise, so a segment's amount is 1000 × percent × days ÷ 360. The
// one-year LPR of the shipped history: 3.85 from 2020-04-20, 3.80 from
// 2021-12-20, 3.00 from 2025-05-20 (known through 2026-03-20).

#include "interest/private_lending.h"
#include "money/number_text.h"

#include <QRandomGenerator>
#include <QTest>

using namespace pellumo;

namespace {

QDate Day(const char *text) { return QDate::fromString(QString::fromLatin1(text), Qt::ISODate); }
std::optional<Money> Rate(const char *text)
{
    return *text ? std::optional(Money::fromPlainDecimal(QString::fromLatin1(text)).value()) : std::nullopt;
}

// An empty rate is one not agreed.
PrivateLoan Loan(const char *formed, const char *lent, const char *due, const char *filed, const char *until,
                 const char *loanRate, const char *overdueRate = "", const char *charges = "0")
{
    PrivateLoan loan;
    loan.principal = 100000;
    loan.formed = Day(formed), loan.lent = Day(lent), loan.due = Day(due), loan.filed = Day(filed), loan.until = Day(until);
    loan.loanRatePercent = Rate(loanRate);
    loan.overdueRatePercent = Rate(overdueRate);
    loan.otherChargesPercent = *Rate(charges);
    return loan;
}

QString Exact(const Money &value) { return QString::fromStdString(value.exact().get_str()); }

// "first last days | rule | agreed% cap% supported% | agreed supported notSupported void".
QString Describe(const CapSegment &s)
{
    return QStringList{s.first.toString(Qt::ISODate) + u' ' + s.last.toString(Qt::ISODate) + u' ' + QString::number(s.days),
                       s.rule,
                       QStringList{DecimalText(s.agreedPercent), DecimalText(s.capPercent), DecimalText(s.supportedPercent)}.join(u' '),
                       QStringList{Exact(s.agreed), Exact(s.supported), Exact(s.notSupported), Exact(s.voidPart)}.join(u' ')}
        .join(QStringLiteral(" | "));
}

PrivateLoan GeneratedLoan(QRandomGenerator &random)
{
    const QDate start(2014, 1, 1);
    PrivateLoan loan;
    loan.principal = Money::fraction(random.bounded(1, 100000000), 100);
    loan.formed = start.addDays(random.bounded(4800));
    loan.lent = loan.formed.addDays(random.bounded(60));
    loan.due = loan.lent.addDays(random.bounded(800));
    loan.until = loan.lent.addDays(random.bounded(1600));
    loan.filed = loan.formed.addDays(random.bounded(2500));
    const auto rate = [&random]() -> std::optional<Money> {
        return random.bounded(4) == 0 ? std::nullopt : std::optional(Money::fraction(random.bounded(6000), 100));
    };
    loan.loanRatePercent = rate();
    loan.overdueRatePercent = rate();
    loan.otherChargesPercent = random.bounded(3) == 0 ? Money::fraction(random.bounded(3000), 100) : Money();
    loan.daysPerYear = random.bounded(2) ? 360 : 365;
    loan.countLastDay = random.bounded(2);
    return loan;
}

} // namespace

class TestPrivateLending : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cap_data();
    void cap();
    void refusals_data();
    void refusals();
    void partsAddUpOverGeneratedLoans();
};

void TestPrivateLending::cap_data()
{
    QTest::addColumn<PrivateLoan>("loan");
    QTest::addColumn<QString>("segments");
    QTest::addColumn<QString>("step");

    // 2015 text up to 2020-08-19 (538 days): 30000×538/360 = 134500/3 agreed,
    // 24 % supported = 107600/3, 6 % not supported = 26900/3. From 2020-08-20
    // (193 days) the cap is 4 × 3.85 (LPR on the filing day 2021-03-15) = 15.4:
    // 30000×193/360 = 48250/3, 15400×193/360 = 74305/9, 14600×193/360 = 70445/9.
    QTest::newRow("formed 2019 at 30 %, split at 2020-08-20")
        << Loan("2019-03-01", "2019-03-01", "2021-02-28", "2021-03-15", "2021-02-28", "30")
        << QString::fromUtf8("2019-03-01 2020-08-19 538 | 法释〔2015〕18号 第二十六条 | 30 24 24 | 134500/3 107600/3 26900/3 0\n"
                           "2020-08-20 2021-02-28 193 | 法释〔2020〕17号 第二十五条、第三十一条 | 30 15.4 15.4 | 48250/3 74305/9 70445/9 0")
        << QStringLiteral("起诉日2021年3月15日一年期LPR3.85%的四倍，即15.4%");
    // No agreed rate: the loan term bears nothing; overdue 2022-01-01..03-31
    // (90 days) at the LPR of the first overdue day, 3.80: 3800×90/360 = 950.
    QTest::newRow("no agreed rate, overdue at the LPR of the default day")
        << Loan("2021-06-01", "2021-06-01", "2021-12-31", "2022-06-01", "2022-03-31", "")
        << QString::fromUtf8("2021-06-01 2021-12-31 214 | 法释〔2020〕17号 第二十四条 | 0 15.4 0 | 0 0 0 0\n"
                           "2022-01-01 2022-03-31 90 | 法释〔2020〕17号 第二十八条、第二十九条 | 3.8 15.4 3.8 | 950 950 0 0")
        << QStringLiteral("逾期之日（到期日次日）2022年1月1日的一年期LPR 3.8%");
    // Loan term 183 days at 12 % = 6100. Overdue 90 days at 12 % + 违约金 6 % = 18 %
    // against the cap 15.4: 4500 agreed, 3850 supported, 650 not supported.
    QTest::newRow("overdue rate plus 违约金 beyond the cap")
        << Loan("2021-06-01", "2021-06-01", "2021-11-30", "2022-06-01", "2022-02-28", "12", "12", "6")
        << QString::fromUtf8("2021-06-01 2021-11-30 183 | 法释〔2020〕17号 第二十五条 | 12 15.4 12 | 6100 6100 0 0\n"
                           "2021-12-01 2022-02-28 90 | 法释〔2020〕17号 第二十八条、第二十九条 | 18 15.4 15.4 | 4500 3850 650 0")
        << QStringLiteral("合计超过上限的部分不予支持");
    // Filed in 2019: the 2015 text throughout. 40 % over 365 days: 365000/9
    // agreed, 24 % = 73000/3 supported, 12 % = 36500/3 not supported, 4 % above
    // 36 % = 36500/9 void. Overdue 90 days, the loan rate continuing: 10000,
    // 6000, 3000, 1000.
    QTest::newRow("40 % before 2020, the part above 36 % void")
        << Loan("2018-01-01", "2018-01-01", "2018-12-31", "2019-06-01", "2019-03-31", "40")
        << QString::fromUtf8("2018-01-01 2018-12-31 365 | 法释〔2015〕18号 第二十六条 | 40 24 24 | 365000/9 73000/3 36500/3 36500/9\n"
                           "2019-01-01 2019-03-31 90 | 法释〔2015〕18号 第二十九条、第三十条 | 40 24 24 | 10000 6000 3000 1000")
        << QStringLiteral("逾期后按借期内年利率40%计算");
    // 2015 text, no agreed rate: 6 % + 违约金 34 % = 40 % over 90 days is 10000;
    // 24 % = 6000 supported and the rest not supported: neither is ever void.
    QTest::newRow("2015 text, statutory 6 % and 违约金 are never void")
        << Loan("2018-01-01", "2018-01-01", "2018-12-31", "2019-06-01", "2019-03-31", "", "", "34")
        << QString::fromUtf8("2018-01-01 2018-12-31 365 | 法释〔2015〕18号 第二十五条 | 0 24 0 | 0 0 0 0\n"
                           "2019-01-01 2019-03-31 90 | 法释〔2015〕18号 第二十九条、第三十条 | 40 24 24 | 10000 6000 4000 0")
        << QStringLiteral("按年利率6%计算逾期利息");
    // Formed and in default before 2020-08-20, filed 2021: overdue at 6 % up to
    // 2020-08-19 (232 days, 6000×232/360 = 11600/3), then at the LPR of
    // 2020-08-20, 3.85 (134 days, 3850×134/360 = 25795/18).
    QTest::newRow("default before 2020-08-20, LPR of 2020-08-20 from then")
        << Loan("2019-03-01", "2019-03-01", "2019-12-31", "2021-03-01", "2020-12-31", "")
        << QString::fromUtf8("2019-03-01 2019-12-31 306 | 法释〔2015〕18号 第二十五条 | 0 24 0 | 0 0 0 0\n"
                           "2020-01-01 2020-08-19 232 | 法释〔2015〕18号 第二十九条、第三十条 | 6 24 6 | 11600/3 11600/3 0 0\n"
                           "2020-08-20 2020-12-31 134 | 法释〔2020〕17号 第二十八条、第二十九条、第三十一条 | 3.85 15.4 3.85 | 25795/18 25795/18 0 0")
        << QStringLiteral("此处“当时”取2020年8月20日");
    // Formed 2021-06 at 18 %: the cap of the formation day, 4 × 3.85. 算头不算尾
    // and 365 days a year: 364 days, 18000×364/365 = 1310400/73.
    PrivateLoan lastDayFree = Loan("2021-06-01", "2021-06-01", "2022-05-31", "2022-07-01", "2022-05-31", "18");
    lastDayFree.countLastDay = false;
    lastDayFree.daysPerYear = 365;
    QTest::newRow("formed 2021-06, 算头不算尾, 365 days a year")
        << lastDayFree
        << QString::fromUtf8("2021-06-01 2022-05-30 364 | 法释〔2020〕17号 第二十五条 | 18 15.4 15.4 | 1310400/73 1121120/73 189280/73 0")
        << QStringLiteral("合同成立日2021年6月1日一年期LPR3.85%的四倍") + u'\n' + QStringLiteral("算头不算尾");
    // Formed after the last known fixing: the last one, 3.00, cap 12.
    // 31 days at 10 %: 10000×31/360 = 7750/9.
    QTest::newRow("formed beyond the known rates")
        << Loan("2026-06-01", "2026-06-01", "2026-07-01", "2026-08-01", "2026-07-01", "10")
        << QString::fromUtf8("2026-06-01 2026-07-01 31 | 法释〔2020〕17号 第二十五条 | 10 12 10 | 7750/9 7750/9 0 0")
        << QStringLiteral("利率数据截至2026年3月20日");
}

void TestPrivateLending::cap()
{
    QFETCH(PrivateLoan, loan);
    QFETCH(QString, segments);
    QFETCH(QString, step);

    const PrivateLendingResult result = ComputePrivateLendingInterest(loan, BuiltInRateHistory());
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QStringList described;
    for (const CapSegment &segment : result.segments)
        described << Describe(segment);
    QCOMPARE(described.join(u'\n'), segments);
    const QString steps = result.steps.join(u'\n');
    for (const QString &part : step.split(u'\n'))
        QVERIFY2(steps.contains(part), qPrintable(steps));
    QVERIFY(steps.contains(QStringLiteral("不计算利息的利息")));
}

// One row per refusal rule; the date range is one loop over the five days, so
// its row takes the last day named, 计息截止日.
void TestPrivateLending::refusals_data()
{
    QTest::addColumn<PrivateLoan>("loan");
    QTest::addColumn<QString>("error");

    const PrivateLoan good = Loan("2021-06-01", "2021-06-01", "2022-05-31", "2022-07-01", "2022-05-31", "18");
    const auto changed = [&good](auto change) { PrivateLoan loan = good; change(loan); return loan; };
    QTest::newRow("licensed lender") << changed([](PrivateLoan &l) { l.lender = LenderKind::LicensedOrLocalFinancial; })
                                     << QStringLiteral("法释〔2020〕27号");
    QTest::newRow("filed in 2020-10") << Loan("2019-03-01", "2019-03-01", "2020-03-01", "2020-10-15", "2020-09-30", "18")
                                      << QStringLiteral("法释〔2020〕6号");
    QTest::newRow("filed before 2015-09-01") << Loan("2014-03-01", "2014-03-01", "2015-03-01", "2015-08-31", "2015-06-30", "18")
                                             << QStringLiteral("1991年");
    QTest::newRow("due before lent") << changed([](PrivateLoan &l) { l.due = l.lent.addDays(-1); }) << QStringLiteral("到期日早于出借日");
    QTest::newRow("until before lent") << changed([](PrivateLoan &l) { l.until = l.lent.addDays(-1); })
                                       << QStringLiteral("计息截止日早于出借日");
    QTest::newRow("lent before formed") << changed([](PrivateLoan &l) { l.lent = l.formed.addDays(-1); })
                                        << QStringLiteral("出借日早于合同成立日");
    QTest::newRow("filed before formed") << changed([](PrivateLoan &l) { l.filed = l.formed.addDays(-1); })
                                         << QStringLiteral("起诉日早于合同成立日");
    QTest::newRow("negative overdue rate") << changed([](PrivateLoan &l) { l.overdueRatePercent = Money(-1); })
                                           << QStringLiteral("利率不能为负数");
    QTest::newRow("principal zero") << changed([](PrivateLoan &l) { l.principal = 0; }) << QStringLiteral("借款本金须大于零");
    QTest::newRow("366 days a year") << changed([](PrivateLoan &l) { l.daysPerYear = 366; }) << QStringLiteral("360或365");
    QTest::newRow("until 1999-06-09") << changed([](PrivateLoan &l) { l.until = QDate(1999, 6, 9); })
                                      << QStringLiteral("计息截止日须在1999年6月10日至9999年12月31日之间");
}

void TestPrivateLending::refusals()
{
    QFETCH(PrivateLoan, loan);
    QFETCH(QString, error);

    const PrivateLendingResult result = ComputePrivateLendingInterest(loan, BuiltInRateHistory());
    QVERIFY2(result.error.contains(error), qPrintable(result.error));
    QVERIFY(result.segments.isEmpty());
    QVERIFY(result.steps.isEmpty());
}

// Over loans of every shape: the segments cover the claimed days without gap,
// each splits its agreed amount exactly into its parts, nothing is supported
// beyond the cap, only the 2015 text voids, and each total is its parts'
// exact sum rounded once.
void TestPrivateLending::partsAddUpOverGeneratedLoans()
{
    QRandomGenerator random(29);
    const RateHistory history = BuiltInRateHistory();
    int computed = 0;
    for (int i = 0; i < 3000; ++i) {
        const PrivateLoan loan = GeneratedLoan(random);
        const PrivateLendingResult result = ComputePrivateLendingInterest(loan, history);
        if (!result.error.isEmpty())
            continue;
        ++computed;
        QDate next = loan.lent;
        Money agreed, supported;
        for (const CapSegment &s : result.segments) {
            QCOMPARE(s.first, next);
            QCOMPARE(s.days, int(s.first.daysTo(s.last)) + 1);
            QVERIFY(s.agreed == s.supported + s.notSupported + s.voidPart);
            QVERIFY(s.supported >= 0 && s.notSupported >= 0 && s.voidPart >= 0);
            QVERIFY(s.supportedPercent <= s.capPercent && s.supportedPercent <= s.agreedPercent);
            QVERIFY(s.voidPart == 0 || s.rule.startsWith(QStringLiteral("法释〔2015〕18号")));
            QCOMPARE(s.rule.startsWith(QStringLiteral("法释〔2020〕17号")),
                     loan.filed >= PrivateLendingLprCapStart() && s.first >= PrivateLendingLprCapStart());
            agreed += s.agreed;
            supported += s.supported;
            next = s.last.addDays(1);
        }
        QCOMPARE(next, loan.countLastDay ? loan.until.addDays(1) : loan.until);
        QVERIFY(result.agreedTotal == agreed.roundedToFen());
        QVERIFY(result.supportedTotal == supported.roundedToFen());
    }
    QVERIFY(computed > 1000);
}

QTEST_GUILESS_MAIN(TestPrivateLending)
#include "tst_private_lending.moc"
