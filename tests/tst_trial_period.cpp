// The trial period limit (审限), worked out by hand: the period runs from the
// day after 立案, months end on the day of the same number (the month's last
// day when there is none), and each not-counted day inside the period as it
// stands moves the last day one day later.

#include "dates/deadline.h"
#include "dates/official_calendar.h"
#include "dates/statutory_deadline.h"
#include "dates/trial_period.h"

#include <QRandomGenerator>
#include <QTest>

using namespace pellumo;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TrialPeriodCase)

namespace {

TrialPeriodCase Case(Procedure procedure, QDate filed, QList<NotCounted> off = {}, QList<Extension> ext = {})
{
    TrialPeriodCase c;
    c.procedure = procedure;
    c.filed = c.asOf = filed;
    c.notCounted = off;
    c.extensions = ext;
    return c;
}

NotCounted Off(QDate first, QDate last) { return {first, last, QStringLiteral("鉴定期间")}; }

} // namespace

class TrialPeriodTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lastDay_data();
    void lastDay();
    void steps();
    void refused_data();
    void refused();
    void agreesWithTheDatePage();
    void longCaseWithManyIntervals();

private:
    const OfficialCalendar m_calendar = BuiltInOfficialCalendar();
};

void TrialPeriodTest::lastDay_data()
{
    QTest::addColumn<TrialPeriodCase>("c");
    QTest::addColumn<QDate>("lastDay");
    QTest::addColumn<int>("notCountedDays");
    QTest::addColumn<QDate>("applyBy");
    QTest::addColumn<QString>("approver");

    using P = Procedure;
    const P ordinary = P::CivilOrdinary;
    const QDate mid(2025, 3, 14);  // 民事普通 from here: 9-14 with nothing not counted
    const QString president = QStringLiteral("本院院长");
    // One month first (2024-02-20, leap year), then 15 days: 6 March; days first would give 4 March.
    TrialPeriodCase longer = Case(P::CriminalSimplified, QDate(2024, 1, 20));
    longer.longerCriminalPeriod = true;
    QTest::newRow("刑事简易 longer: month, then 15 days") << longer << QDate(2024, 3, 6) << 0 << QDate() << "";

    // 5-1..5-20 once: 20 days.
    QTest::newRow("overlapping: 5-1..5-10 and 5-6..5-20")
        << Case(ordinary, mid, {Off({2025, 5, 6}, {2025, 5, 20}), Off({2025, 5, 1}, {2025, 5, 10})})
        << QDate(2025, 10, 4) << 20 << QDate(2025, 9, 19) << president;
    // Begins before 9-14 and runs past it: all 21 days of 9-10..9-30 count.
    QTest::newRow("across the original last day")
        << Case(ordinary, mid, {Off({2025, 9, 10}, {2025, 9, 30})}) << QDate(2025, 10, 5) << 21
        << QDate(2025, 9, 20) << president;
    // 9-1..9-20 (20 days) moves the last day to 10-4; 9-25..9-26 then lies inside: 10-6.
    QTest::newRow("reached as the period grows")
        << Case(ordinary, mid, {Off({2025, 9, 1}, {2025, 9, 20}), Off({2025, 9, 25}, {2025, 9, 26})})
        << QDate(2025, 10, 6) << 22 << QDate(2025, 9, 21) << president;
    QTest::newRow("after the last day: not counted")
        << Case(ordinary, mid, {Off({2025, 9, 15}, {2025, 9, 20})}) << QDate(2025, 9, 14) << 0
        << QDate(2025, 8, 30) << president;
    // 3-14 itself is not in the period: 3-15..3-20 is 6 days.
    QTest::newRow("starts on the 立案 day") << Case(ordinary, mid, {Off(mid, {2025, 3, 20})})
                                              << QDate(2025, 9, 20) << 6 << QDate(2025, 9, 5) << president;

    TrialPeriodCase converted = Case(ordinary, mid);
    converted.simplifiedToOrdinary = QDate(2025, 5, 10);
    QTest::newRow("simplified → ordinary: still from the original 立案")
        << converted << QDate(2025, 9, 14) << 0 << QDate(2025, 8, 30) << president;
    // Back from 补充侦查 on 4-20: 2 months from then; 3-20..3-25 lies before and no longer counts.
    TrialPeriodCase restarted = Case(P::CriminalFirstInstance, mid, {Off({2025, 3, 20}, {2025, 3, 25})});
    restarted.restartedOn = QDate(2025, 4, 20);
    QTest::newRow("criminal restart") << restarted << QDate(2025, 6, 20) << 0 << QDate(2025, 6, 5)
                                      << "上一级人民法院";
    TrialPeriodCase notice = Case(P::CivilSpecial, mid);
    notice.restartedOn = QDate(2025, 6, 30);
    QTest::newRow("special procedure from the end of the notice: 30 days")
        << notice << QDate(2025, 7, 30) << 0 << QDate(2025, 7, 15) << president;

    // Extensions: each from the last day in force when approved. 9-14 + 6 months = 3-14;
    // 2026-1-5..1-14 (10 days) lies inside the extended period; the higher court approves the next.
    QTest::newRow("not counted after an extension")
        << Case(ordinary, mid, {Off({2026, 1, 5}, {2026, 1, 14})}, {{6, 0}}) << QDate(2026, 3, 24) << 10
        << QDate(2026, 3, 9) << "上级人民法院";
    QTest::newRow("民事简易 15 days: another 15 still allowed")
        << Case(P::CivilSimplified, mid, {}, {{0, 15}}) << QDate(2025, 6, 29) << 0 << QDate(2025, 6, 14) << president;
    QTest::newRow("民事简易 15 days twice: the month used")
        << Case(P::CivilSimplified, mid, {}, {{0, 15}, {0, 15}}) << QDate(2025, 7, 14) << 0 << QDate() << "";
    QTest::newRow("小额 +1 month") << Case(P::CivilSmallClaims, mid, {}, {{1, 0}}) << QDate(2025, 6, 14) << 0
                                  << QDate() << "";
    QTest::newRow("执行 +1 month +2 months: 3 in all")
        << Case(P::Execution, mid, {}, {{1, 0}, {2, 0}}) << QDate(2025, 12, 14) << 0 << QDate() << "";
    QTest::newRow("刑事一审 +3 months, then the Supreme Court")
        << Case(P::CriminalFirstInstance, mid, {}, {{3, 0}}) << QDate(2025, 8, 14) << 0 << QDate(2025, 7, 30)
        << "最高人民法院";

}

void TrialPeriodTest::lastDay()
{
    QFETCH(TrialPeriodCase, c);
    const TrialPeriodResult result = ComputeTrialPeriod(c, m_calendar);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QTEST(result.lastDay, "lastDay");
    QTEST(result.notCountedDays, "notCountedDays");
    QTEST(result.applyForExtensionBy, "applyBy");
    QTEST(result.extensionApprover, "approver");
}

// The lines the window shows and prints, for a case with a not-counted
// interval that overlaps another, an extension and a day that has passed.
void TrialPeriodTest::steps()
{
    TrialPeriodCase c = Case(Procedure::CivilOrdinary, QDate(2025, 3, 14),
                             {Off({2025, 5, 1}, {2025, 5, 10}), {{2025, 5, 6}, {2025, 5, 20}, u"公告期间"_s}},
                             {{6, 0}});
    c.asOf = QDate(2026, 4, 10);
    const QStringList expected = {
        u"本案为民事普通程序一审案件，立案日为2025年3月14日，审限自立案次日起计算（《最高人民法院关于严格执行案件审理期限制度的若干规定》第八条）。"_s,
        u"审限6个月（民事诉讼法第一百五十二条），自2025年3月15日起算，至2025年9月14日届满。"_s,
        u"扣除鉴定期间、公告期间2025年5月1日至2025年5月20日共20日（第1行、第2行；民诉法解释第二百四十三条），重叠或相连的期间只扣除一次，审限届满日由2025年9月14日顺延至2025年10月4日。"_s,
        u"经本院院长批准延长审限6个月（民事诉讼法第一百五十二条），审限届满日由2025年10月4日延至2026年4月4日。"_s,
        u"审限届满日为2026年4月4日。"_s,
        u"如需延长审限，应在审限届满十五日前即2026年3月20日以前报请上级人民法院批准（《最高人民法院关于严格规范民商事案件延长审限和延期开庭问题的规定》第一条）。"_s,
        u"审限已于2026年4月4日届满，截至2026年4月10日已超过6日。"_s};
    QCOMPARE(ComputeTrialPeriod(c, m_calendar).steps, expected);
}

void TrialPeriodTest::refused_data()
{
    QTest::addColumn<TrialPeriodCase>("c");
    QTest::addColumn<QString>("error");

    using P = Procedure;
    const QDate mid(2025, 3, 14);
    const auto row = [](const char *name, const TrialPeriodCase &c, const QString &error) {
        QTest::newRow(name) << c << error;
    };
    // Days outside 1900..9999: the 立案 day, a row's day, the last day reached.
    row("立案 before 1900", Case(P::CivilOrdinary, QDate(1899, 12, 31)),
        u"立案日：不是1900年1月1日至9999年12月31日之间的日期"_s);
    row("a not-counted day after 9999", Case(P::CivilOrdinary, mid, {Off({2025, 4, 1}, QDate(10000, 1, 1))}),
        u"不计入审限期间第1行：止日不是1900年1月1日至9999年12月31日之间的日期"_s);
    row("last day beyond 9999", Case(P::CivilOrdinary, QDate(9999, 10, 1)), u"审限届满日超出9999年12月31日"_s);
    // Not-counted intervals out of order.
    row("a not-counted last day before its first",
        Case(P::CivilOrdinary, mid, {Off({2025, 4, 1}, {2025, 4, 2}), Off({2025, 5, 10}, {2025, 5, 1})}),
        u"不计入审限期间第2行：止日2025年5月1日早于起日2025年5月10日"_s);
    row("a not-counted interval before 立案", Case(P::CivilOrdinary, mid, {Off({2025, 3, 13}, {2025, 3, 20})}),
        u"不计入审限期间第1行：起日2025年3月13日早于立案日2025年3月14日"_s);
    // Extensions the law does not allow.
    row("an extension of nothing", Case(P::CivilOrdinary, mid, {}, {{0, 0}}), u"延长审限第1行：延长的期限为零"_s);
    row("a negative extension", Case(P::CivilOrdinary, mid, {}, {{1, -3}}),
        u"延长审限第1行：月数和日数不能为负数"_s);
    row("刑事速裁 cannot be extended", Case(P::CriminalExpedited, mid, {}, {{0, 5}}),
        u"延长审限第1行：刑事速裁程序的审限不能延长（刑事诉讼法第二百二十五条）"_s);
    row("民事简易 past 1 month of extension", Case(P::CivilSimplified, mid, {}, {{0, 20}, {0, 20}}),
        u"延长审限第2行：民事简易程序的审限延长累计不得超过1个月（民诉法解释第二百五十八条）"_s);
    row("执行 past 3 months of extension", Case(P::Execution, mid, {}, {{3, 1}}),
        u"延长审限第1行：执行的审限延长累计不得超过3个月（《最高人民法院关于严格执行案件审理期限制度的若干规定》第五条）"_s);
    // A conversion or restart the procedure does not have.
    TrialPeriodCase converted = Case(P::CivilSimplified, mid);
    converted.simplifiedToOrdinary = QDate(2025, 4, 1);
    row("converted but not ordinary", converted,
        u"简易程序转为普通程序的裁定日：只适用于已转为民事普通程序一审的案件"_s);
    TrialPeriodCase restarted = Case(P::CivilOrdinary, mid);
    restarted.restartedOn = QDate(2025, 4, 1);
    row("a civil restart", restarted,
        u"重新计算审限之日：民事普通程序一审不重新计算审限，只有刑事案件和民事特别程序案件重新计算"_s);
}

void TrialPeriodTest::refused()
{
    QFETCH(TrialPeriodCase, c);
    const TrialPeriodResult result = ComputeTrialPeriod(c, m_calendar);
    QTEST(result.error, "error");
    QVERIFY(result.lastDay.isNull());
    QVERIFY(result.steps.isEmpty());
}

// With nothing not counted and no extension, over generated 立案 days: the
// last day is the date page's day for the procedure's months or days (month
// ends included), and with moveOffHolidays its statutory deadline; the
// apply-by day is 15 days before it where the procedure can be extended; the
// days left run down to 0 on the last day, which has passed the day after.
void TrialPeriodTest::agreesWithTheDatePage()
{
    struct Period { Procedure procedure; bool longer; int count; PeriodUnit unit; QString approver; };
    using P = Procedure;
    const PeriodUnit M = PeriodUnit::Months, D = PeriodUnit::Days;
    const QString president = u"本院院长"_s, upper = u"上一级人民法院"_s, high = u"高级人民法院"_s;
    const QList<Period> periods = {
        {P::CivilOrdinary, false, 6, M, president},       {P::CivilSimplified, false, 3, M, president},
        {P::CivilSmallClaims, false, 2, M, president},    {P::CivilAppealJudgment, false, 3, M, president},
        {P::CivilAppealRuling, false, 30, D, president},  {P::CivilSpecial, false, 30, D, president},
        {P::Execution, false, 6, M, president},           {P::NonLitigationExecution, false, 3, M, president},
        {P::CriminalFirstInstance, false, 2, M, upper},   {P::CriminalFirstInstance, true, 3, M, upper},
        {P::CriminalSimplified, false, 20, D, {}},        {P::CriminalExpedited, false, 10, D, {}},
        {P::CriminalExpedited, true, 15, D, {}},          {P::CriminalSecondInstance, false, 2, M, high},
        {P::AdministrativeFirstInstance, false, 6, M, high}, {P::AdministrativeSimplified, false, 45, D, {}},
        {P::AdministrativeSecondInstance, false, 3, M, high}};
    QRandomGenerator random(28);
    for (int i = 0; i < 3400; ++i) {
        const QDate filed = QDate(1990, 1, 1).addDays(random.bounded(60 * 366));
        const Period &period = periods[i % periods.size()];
        TrialPeriodCase c = Case(period.procedure, filed);
        c.longerCriminalPeriod = period.longer;
        const QDate lastDay = ComputeDeadline(filed, QString::number(period.count), period.unit).result.date;
        c.asOf = lastDay.addDays(random.bounded(-2, 3));
        const TrialPeriodResult result = ComputeTrialPeriod(c, m_calendar);
        QCOMPARE(result.lastDay, lastDay);
        QCOMPARE(result.extensionApprover, period.approver);
        QCOMPARE(result.applyForExtensionBy, period.approver.isEmpty() ? QDate() : lastDay.addDays(-15));
        QCOMPARE(result.daysLeft, std::max<qint64>(0, c.asOf.daysTo(lastDay)));
        QCOMPARE(result.passed, c.asOf > lastDay);
        c.moveOffHolidays = true;
        QCOMPARE(ComputeTrialPeriod(c, m_calendar).lastDay,
                 ComputeStatutoryDeadline(filed, period.count, period.unit, m_calendar).deadline);
    }
}

// 25 years of extensions with 3,000 not-counted intervals.
void TrialPeriodTest::longCaseWithManyIntervals()
{
    TrialPeriodCase c = Case(Procedure::CivilOrdinary, QDate(2000, 1, 1), {}, QList<Extension>(49, {6, 0}));
    for (int i = 0; i < 3000; ++i)
        c.notCounted << Off(QDate(2000, 1, 2).addDays(i * 3), QDate(2000, 1, 2).addDays(i * 3 + i % 2));
    TrialPeriodResult result;
    QBENCHMARK {
        result = ComputeTrialPeriod(c, m_calendar);
    }
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(result.notCountedDays, 4500);
}

QTEST_GUILESS_MAIN(TrialPeriodTest)
#include "tst_trial_period.moc"
