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

TrialPeriodCase Case(Procedure procedure, QDate filed, QList<NotCounted> notCounted = {},
                     QList<Extension> extensions = {})
{
    TrialPeriodCase c;
    c.procedure = procedure;
    c.filed = filed;
    c.notCounted = notCounted;
    c.extensions = extensions;
    c.asOf = filed;
    return c;
}

TrialPeriodCase Longer(TrialPeriodCase c)
{
    c.longerCriminalPeriod = true;
    return c;
}

NotCounted Off(QDate first, QDate last)
{
    return {first, last, QStringLiteral("鉴定期间")};
}

} // namespace

class TrialPeriodTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lastDay_data();
    void lastDay();
    void daysLeft_data();
    void daysLeft();
    void steps();
    void refused_data();
    void refused();
    void agreesWithTheDatePage();
    void longCaseWithManyIntervals_data();
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
    const QDate mid(2025, 3, 14);
    const QDate end31(2025, 3, 31);
    const QString president = QStringLiteral("本院院长");
    // Each procedure's period is checked against the date page below; here
    // the month ends and the period of a month and 15 days.
    QTest::newRow("民事普通 3-31 + 6 months: September has no 31st")
        << Case(P::CivilOrdinary, end31) << QDate(2025, 9, 30) << 0 << QDate(2025, 9, 15) << president;
    QTest::newRow("刑事二审 2024-12-31 + 2 months: 28 February")
        << Case(P::CriminalSecondInstance, QDate(2024, 12, 31)) << QDate(2025, 2, 28) << 0 << QDate(2025, 2, 13)
        << "高级人民法院";
    // One month first (2024-02-20, leap year), then 15 days: 20 Feb + 9 = 29 Feb, + 6 = 6 March.
    // Days first would give 4 February + 1 month = 4 March. No extension, so no apply-by day.
    QTest::newRow("刑事简易 longer: month, then 15 days") << Longer(Case(P::CriminalSimplified, QDate(2024, 1, 20)))
                                                    << QDate(2024, 3, 6) << 0 << QDate() << "";
    // 2024-01-31 + 1 month = 29 February (leap), + 15 days = 15 March.
    QTest::newRow("刑事简易 longer from 2024-01-31")
        << Longer(Case(P::CriminalSimplified, QDate(2024, 1, 31))) << QDate(2024, 3, 15) << 0 << QDate() << "";

    // Not counted, on 民事普通 from 3-14 (last day 9-14 without them).
    const P ordinary = P::CivilOrdinary;
    QTest::newRow("inside: 5-1..5-10, 10 days → 9-24")
        << Case(ordinary, mid, {Off({2025, 5, 1}, {2025, 5, 10})}) << QDate(2025, 9, 24) << 10 << QDate(2025, 9, 9)
        << president;
    // 5-1..5-20 once: 20 days.
    QTest::newRow("overlapping: 5-1..5-10 and 5-6..5-20 → 10-4")
        << Case(ordinary, mid, {Off({2025, 5, 6}, {2025, 5, 20}), Off({2025, 5, 1}, {2025, 5, 10})})
        << QDate(2025, 10, 4) << 20 << QDate(2025, 9, 19) << president;
    QTest::newRow("touching: 5-1..5-10 and 5-11..5-15 → 9-29")
        << Case(ordinary, mid, {Off({2025, 5, 1}, {2025, 5, 10}), Off({2025, 5, 11}, {2025, 5, 15})})
        << QDate(2025, 9, 29) << 15 << QDate(2025, 9, 14) << president;
    // Begins before 9-14 and runs past it: all 21 days of 9-10..9-30 count.
    QTest::newRow("across the original last day: 9-10..9-30 → 10-5")
        << Case(ordinary, mid, {Off({2025, 9, 10}, {2025, 9, 30})}) << QDate(2025, 10, 5) << 21 << QDate(2025, 9, 20)
        << president;
    // 9-1..9-20 (20 days) moves the last day to 10-4; 9-25..9-26 then lies inside: 10-6.
    QTest::newRow("reached as the period grows")
        << Case(ordinary, mid, {Off({2025, 9, 1}, {2025, 9, 20}), Off({2025, 9, 25}, {2025, 9, 26})})
        << QDate(2025, 10, 6) << 22 << QDate(2025, 9, 21) << president;
    QTest::newRow("after the last day: not counted")
        << Case(ordinary, mid, {Off({2025, 9, 15}, {2025, 9, 20})}) << QDate(2025, 9, 14) << 0 << QDate(2025, 8, 30)
        << president;
    // 3-14 itself is not in the period: 3-15..3-20 is 6 days.
    QTest::newRow("starts on the 立案 day: counts from the next")
        << Case(ordinary, mid, {Off(mid, {2025, 3, 20})}) << QDate(2025, 9, 20) << 6 << QDate(2025, 9, 5) << president;

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

    // Extensions: each from the last day in force when approved.
    QTest::newRow("民事普通 +6 months, then the higher court")
        << Case(ordinary, mid, {}, {{6, 0}}) << QDate(2026, 3, 14) << 0 << QDate(2026, 2, 27) << "上级人民法院";
    // 9-14 + 6 months = 3-14; 2026-1-5..1-14 (10 days) lies inside the extended period.
    QTest::newRow("not counted after an extension")
        << Case(ordinary, mid, {Off({2026, 1, 5}, {2026, 1, 14})}, {{6, 0}}) << QDate(2026, 3, 24) << 10
        << QDate(2026, 3, 9) << "上级人民法院";
    QTest::newRow("民事简易 15 days twice: the month used")
        << Case(P::CivilSimplified, mid, {}, {{0, 15}, {0, 15}}) << QDate(2025, 7, 14) << 0 << QDate() << "";
    QTest::newRow("民事简易 15 days: another 15 still allowed")
        << Case(P::CivilSimplified, mid, {}, {{0, 15}}) << QDate(2025, 6, 29) << 0 << QDate(2025, 6, 14) << president;
    QTest::newRow("小额 +1 month") << Case(P::CivilSmallClaims, mid, {}, {{1, 0}}) << QDate(2025, 6, 14) << 0
                                  << QDate() << "";
    QTest::newRow("执行 +1 month +2 months: 3 in all")
        << Case(P::Execution, mid, {}, {{1, 0}, {2, 0}}) << QDate(2025, 12, 14) << 0 << QDate() << "";
    QTest::newRow("刑事一审 +3 months, then the Supreme Court")
        << Case(P::CriminalFirstInstance, mid, {}, {{3, 0}}) << QDate(2025, 8, 14) << 0 << QDate(2025, 7, 30)
        << "最高人民法院";

    // 4-3 + 6 months = 10-3, in the National Day holiday 10-1..10-8 of 2025: 10-9, a Thursday.
    TrialPeriodCase holiday = Case(ordinary, QDate(2025, 4, 3));
    holiday.moveOffHolidays = true;
    QTest::newRow("moved off the 2025 National Day holiday")
        << holiday << QDate(2025, 10, 9) << 0 << QDate(2025, 9, 24) << president;
    holiday.moveOffHolidays = false;
    QTest::newRow("not moved by default") << holiday << QDate(2025, 10, 3) << 0 << QDate(2025, 9, 18) << president;
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

void TrialPeriodTest::daysLeft_data()
{
    QTest::addColumn<QDate>("asOf");
    QTest::addColumn<int>("daysLeft");
    QTest::addColumn<bool>("passed");
    // 民事普通 from 2025-03-14: last day 2025-09-14.
    QTest::newRow("the day before") << QDate(2025, 9, 13) << 1 << false;
    QTest::newRow("the last day itself: 今日届满") << QDate(2025, 9, 14) << 0 << false;
    QTest::newRow("the day after: passed") << QDate(2025, 9, 15) << 0 << true;
}

void TrialPeriodTest::daysLeft()
{
    QFETCH(QDate, asOf);
    TrialPeriodCase c = Case(Procedure::CivilOrdinary, QDate(2025, 3, 14));
    c.asOf = asOf;
    const TrialPeriodResult result = ComputeTrialPeriod(c, m_calendar);
    QTEST(result.daysLeft, "daysLeft");
    QTEST(result.passed, "passed");
}

// The lines the window shows and prints, for a case with a not-counted
// interval that overlaps another, an extension and a day that has passed.
void TrialPeriodTest::steps()
{
    TrialPeriodCase c = Case(Procedure::CivilOrdinary, QDate(2025, 3, 14),
                             {Off({2025, 5, 1}, {2025, 5, 10}), {{2025, 5, 6}, {2025, 5, 20}, QStringLiteral("公告期间")}}, {{6, 0}});
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
    QTest::newRow("立案 before 1900") << Case(P::CivilOrdinary, QDate(1899, 12, 31))
                                    << "立案日：不是1900年1月1日至9999年12月31日之间的日期";
    QTest::newRow("last day beyond 9999") << Case(P::CivilOrdinary, QDate(9999, 10, 1))
                                          << "审限届满日超出9999年12月31日";
    QTest::newRow("a not-counted last day before its first")
        << Case(P::CivilOrdinary, mid, {Off({2025, 4, 1}, {2025, 4, 2}), Off({2025, 5, 10}, {2025, 5, 1})})
        << "不计入审限期间第2行：止日2025年5月1日早于起日2025年5月10日";
    QTest::newRow("a not-counted day after 9999")
        << Case(P::CivilOrdinary, mid, {Off({2025, 4, 1}, QDate(10000, 1, 1))})
        << u"不计入审限期间第1行：止日不是1900年1月1日至9999年12月31日之间的日期"_s;
    QTest::newRow("a not-counted interval before 立案")
        << Case(P::CivilOrdinary, mid, {Off({2025, 3, 13}, {2025, 3, 20})})
        << "不计入审限期间第1行：起日2025年3月13日早于立案日2025年3月14日";
    QTest::newRow("an extension of nothing") << Case(P::CivilOrdinary, mid, {}, {{0, 0}})
                                             << "延长审限第1行：延长的期限为零";
    QTest::newRow("a negative extension") << Case(P::CivilOrdinary, mid, {}, {{1, -3}})
                                          << "延长审限第1行：月数和日数不能为负数";
    QTest::newRow("刑事速裁 cannot be extended") << Case(P::CriminalExpedited, mid, {}, {{0, 5}})
                                              << "延长审限第1行：刑事速裁程序的审限不能延长（刑事诉讼法第二百二十五条）";
    QTest::newRow("民事简易 past 4 months in all")
        << Case(P::CivilSimplified, mid, {}, {{0, 20}, {0, 20}})
        << "延长审限第2行：民事简易程序的审限延长累计不得超过1个月（民诉法解释第二百五十八条）";
    QTest::newRow("执行 past 3 months of extension")
        << Case(P::Execution, mid, {}, {{3, 1}})
        << "延长审限第1行：执行的审限延长累计不得超过3个月（《最高人民法院关于严格执行案件审理期限制度的若干规定》第五条）";
    TrialPeriodCase converted = Case(P::CivilSimplified, mid);
    converted.simplifiedToOrdinary = QDate(2025, 4, 1);
    QTest::newRow("converted but not ordinary") << converted
                                                << "简易程序转为普通程序的裁定日：只适用于已转为民事普通程序一审的案件";
    TrialPeriodCase restarted = Case(P::CivilOrdinary, mid);
    restarted.restartedOn = QDate(2025, 4, 1);
    QTest::newRow("a civil restart")
        << restarted << "重新计算审限之日：民事普通程序一审不重新计算审限，只有刑事案件和民事特别程序案件重新计算";
}

void TrialPeriodTest::refused()
{
    QFETCH(TrialPeriodCase, c);
    const TrialPeriodResult result = ComputeTrialPeriod(c, m_calendar);
    QTEST(result.error, "error");
    QVERIFY(result.lastDay.isNull());
    QVERIFY(result.steps.isEmpty());
}

// With nothing not counted and no extension, the last day is the date page's
// day for the procedure's months or days, and with moveOffHolidays its
// statutory deadline, over generated 立案 days; the apply-by day is 15 days
// before it, where the procedure can be extended.
void TrialPeriodTest::agreesWithTheDatePage()
{
    struct Period { Procedure procedure; bool longer; int count; PeriodUnit unit; QString approver; };
    const PeriodUnit months = PeriodUnit::Months;
    const PeriodUnit days = PeriodUnit::Days;
    const QString president = u"本院院长"_s;
    const QList<Period> periods = {
        {Procedure::CivilOrdinary, false, 6, months, president}, {Procedure::CivilSimplified, false, 3, months, president},
        {Procedure::CivilSmallClaims, false, 2, months, president},
        {Procedure::CivilAppealJudgment, false, 3, months, president},
        {Procedure::CivilAppealRuling, false, 30, days, president}, {Procedure::CivilSpecial, false, 30, days, president},
        {Procedure::Execution, false, 6, months, president}, {Procedure::NonLitigationExecution, false, 3, months, president},
        {Procedure::CriminalFirstInstance, false, 2, months, u"上一级人民法院"_s},
        {Procedure::CriminalFirstInstance, true, 3, months, u"上一级人民法院"_s},
        {Procedure::CriminalSimplified, false, 20, days, {}}, {Procedure::CriminalExpedited, false, 10, days, {}},
        {Procedure::CriminalExpedited, true, 15, days, {}},
        {Procedure::CriminalSecondInstance, false, 2, months, u"高级人民法院"_s},
        {Procedure::AdministrativeFirstInstance, false, 6, months, u"高级人民法院"_s},
        {Procedure::AdministrativeSimplified, false, 45, days, {}},
        {Procedure::AdministrativeSecondInstance, false, 3, months, u"高级人民法院"_s}};
    QRandomGenerator random(28);
    for (int i = 0; i < 3400; ++i) {
        const QDate filed = QDate(1990, 1, 1).addDays(random.bounded(60 * 366));
        const Period &period = periods[i % periods.size()];
        TrialPeriodCase c = Case(period.procedure, filed);
        c.longerCriminalPeriod = period.longer;
        const TrialPeriodResult result = ComputeTrialPeriod(c, m_calendar);
        QCOMPARE(result.lastDay, ComputeDeadline(filed, QString::number(period.count), period.unit).result.date);
        QCOMPARE(result.extensionApprover, period.approver);
        QCOMPARE(result.applyForExtensionBy, period.approver.isEmpty() ? QDate() : result.lastDay.addDays(-15));
        c.moveOffHolidays = true;
        QCOMPARE(ComputeTrialPeriod(c, m_calendar).lastDay,
                 ComputeStatutoryDeadline(filed, period.count, period.unit, m_calendar).deadline);
    }
}

// 25 years of extensions with 3,000 not-counted intervals; and a case as a
// keystroke recomputes it.
void TrialPeriodTest::longCaseWithManyIntervals_data()
{
    QTest::addColumn<TrialPeriodCase>("c");
    TrialPeriodCase longCase = Case(Procedure::CivilOrdinary, QDate(2000, 1, 1));
    for (int i = 0; i < 49; ++i)
        longCase.extensions << Extension{6, 0};
    for (int i = 0; i < 3000; ++i) {
        const QDate first = QDate(2000, 1, 2).addDays(i * 3);
        longCase.notCounted << NotCounted{first, first.addDays(i % 2), QStringLiteral("公告期间")};
    }
    QTest::newRow("25 years, 3000 intervals") << longCase;
    QTest::newRow("a keystroke") << Case(Procedure::CivilOrdinary, QDate(2025, 3, 14),
                                         {Off({2025, 5, 1}, {2025, 5, 10}), Off({2025, 6, 1}, {2025, 6, 10})}, {{6, 0}});
}

void TrialPeriodTest::longCaseWithManyIntervals()
{
    QFETCH(TrialPeriodCase, c);
    TrialPeriodResult result;
    QBENCHMARK {
        result = ComputeTrialPeriod(c, m_calendar);
    }
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QVERIFY(result.lastDay > c.filed);
}

QTEST_GUILESS_MAIN(TrialPeriodTest)
#include "tst_trial_period.moc"
