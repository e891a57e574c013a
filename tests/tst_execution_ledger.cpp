// The execution ledger against cases worked out by hand, its refusals of bad
// input, a day-by-day recount and properties that hold for any case.

#include "interest/execution_ledger.h"
#include "tests/ledger_fixtures.h"

#include <QRandomGenerator>
#include <QTest>
#include <array>
#include <numeric>

using namespace pellumo;

Q_DECLARE_METATYPE(pellumo::ExecutionCase)

namespace {

DebtItem Item(const char *amount, const char *lastPerformanceDay, DebtKind kind = DebtKind::Principal)
{
    return {QStringLiteral("项目"), Exact(QLatin1String(amount)), kind, Day(lastPerformanceDay),
            InDoubledBaseByDefault(kind)};
}

Credit Paid(const char *day, const char *amount)
{
    return {Day(day), Exact(QLatin1String(amount))};
}

ExecutionCase Case(QList<DebtItem> items, QList<Credit> credits, const char *calculationDay)
{
    ExecutionCase c;
    c.items = items;
    c.credits = credits;
    c.calculationDay = Day(calculationDay);
    return c;
}

GeneralInterest FixedRate(const char *from, const char *percent, int daysPerYear, const char *times = "1")
{
    GeneralInterest g;
    g.awarded = true;
    g.from = Day(from);
    g.fixedAnnualRatePercent = Exact(QLatin1String(percent));
    g.daysPerYear = daysPerYear;
    g.multiplier = Exact(QLatin1String(times));
    return g;
}

// Computed figures and hand-written words ("2024-04-01 30 52.5") in one form.
QString Join(const QList<Money> &values)
{
    QStringList texts;
    for (const Money &value : values)
        texts << QString::fromStdString(value.exact().get_str());
    return texts.join(QLatin1Char(' '));
}

QString Canon(const char *words)
{
    QStringList texts;
    for (const QString &word : QString::fromLatin1(words).split(QLatin1Char(' ')))
        texts << (word.count(QLatin1Char('-')) == 2 ? word : Join({Exact(word)}));
    return texts.join(QLatin1Char(' '));
}

QStringList Canon(std::initializer_list<const char *> rows)
{
    QStringList texts;
    for (const char *row : rows)
        texts << Canon(row);
    return texts;
}

// Each doubled segment: "first last days base interest".
QStringList Segments(const ExecutionLedger &ledger)
{
    QStringList texts;
    for (const DoubledSegment &s : ledger.doubled)
        texts << s.first.toString(Qt::ISODate) + QLatin1Char(' ') + s.last.toString(Qt::ISODate) +
                     QStringLiteral(" %1 ").arg(s.days) + Join({s.base, s.interest});
    return texts;
}

// Each credit as set off: "costs generalInterest principal doubled surplus".
QStringList Applied(const QList<CreditApplied> &credits)
{
    QStringList texts;
    for (const CreditApplied &c : credits)
        texts << Join({c.toCosts, c.toGeneralInterest, c.toPrincipal, c.toDoubled, c.surplus});
    return texts;
}

// What is owed: "costs generalInterest principal doubled total".
QString Owed(const ExecutionLedger &ledger)
{
    return Join({ledger.owedCosts, ledger.owedGeneralInterest, ledger.owedPrincipal, ledger.owedDoubled,
                 ledger.owedTotal});
}

// Random cases: one to four items (the first a principal), general interest
// or none, up to eight credits from 2014-08-01, up to two excluded periods,
// either order. `sinceLpr` keeps every day from 2019-08-20 on, for DayByDay.
class CaseGenerator
{
public:
    explicit CaseGenerator(quint32 seed) : m_random(seed) {}

    ExecutionCase next(bool sinceLpr)
    {
        const QDate start = sinceLpr ? QDate(2019, 8, 20) : QDate(2005, 1, 1);
        const int span = sinceLpr ? 1500 : 7000;
        ExecutionCase c;
        for (int i = 0, items = 1 + int(m_random.bounded(4)); i < items; ++i) {
            const DebtKind kind = i == 0 ? DebtKind::Principal : DebtKind(m_random.bounded(6));
            c.items.append({QStringLiteral("项目"), fen(1, 5000000), kind, day(start, span),
                            InDoubledBaseByDefault(kind) != (m_random.bounded(5) == 0)});
        }
        if (m_random.bounded(3) != 0) {
            GeneralInterest &g = c.generalInterest;
            g.awarded = true;
            g.from = day(start, span);
            if (m_random.bounded(2) == 0)
                g.fixedAnnualRatePercent = Money::fraction(long(m_random.bounded(1, 2400)), 100);
            g.basis = m_random.bounded(2) == 0 ? RateBasis::OneYear : RateBasis::OverFiveYears;
            g.multiplier = Exact(QLatin1String(std::array{"1", "1.3", "1.5", "4"}[m_random.bounded(4)]));
            g.daysPerYear = m_random.bounded(2) == 0 ? 360 : 365;
        }
        const QDate creditsFrom = std::max(start, QDate(2014, 8, 1));
        for (int i = 0, credits = int(m_random.bounded(9)); i < credits; ++i)
            c.credits.append({day(creditsFrom, span), fen(1, 3000000)});
        QDate free = start;
        for (int i = 0, excluded = int(m_random.bounded(3)); i < excluded; ++i) {
            const QDate first = day(free, span / 3);
            c.excluded.append({first, first.addDays(m_random.bounded(200))});
            free = c.excluded.last().last.addDays(1);
        }
        c.order = m_random.bounded(2) == 0 ? SetOffOrder::CostsInterestPrincipal
                                           : SetOffOrder::CostsPrincipalInterest;
        c.calculationDay = day(start, span + 400);
        return c;
    }

    Money fen(int low, int high) { return Money::fraction(long(m_random.bounded(low, high)), 100); }
    QRandomGenerator &random() { return m_random; }

private:
    QDate day(const QDate &from, int span) { return from.addDays(m_random.bounded(span)); }

    QRandomGenerator m_random;
};

// The ledger counted a day at a time, as a clerk's spreadsheet would: each
// day's interest on the balance at its start, that day's credits after it,
// rounding at each credit and at the end. Days from 2019-08-20 only, so every
// doubled day is at 0.0175% and every rate in force an LPR.
ExecutionLedger DayByDay(const ExecutionCase &c, const RateHistory &history)
{
    ExecutionLedger r;
    for (const DebtItem &item : c.items)
        r.owedItems.append(item.amount);
    QList<int> order(c.items.size());  // by due day
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return c.items[a].lastPerformanceDay < c.items[b].lastPerformanceDay;
    });
    const GeneralInterest &g = c.generalInterest;
    auto annualRate = [&](const QDate &d) {
        Money rate = g.fixedAnnualRatePercent.value_or(Money());
        for (const LoanPrimeRates &row : history.loanPrime) {
            if (!g.fixedAnnualRatePercent && row.from <= d)
                rate = g.basis == RateBasis::OverFiveYears ? row.overFiveYears.percent : row.oneYear.percent;
        }
        return rate;
    };
    auto excluded = [&](const QDate &d) {
        return std::any_of(c.excluded.cbegin(), c.excluded.cend(),
                           [&](const ExcludedPeriod &p) { return p.first <= d && d <= p.last; });
    };
    Money general, doubled;
    auto settle = [&] {
        r.owedGeneralInterest += general.roundedToFen();
        r.owedDoubled += doubled.roundedToFen();
        general = doubled = Money();
    };
    for (QDate d(2019, 8, 20); d <= c.calculationDay; d = d.addDays(1)) {
        for (int i = 0; i < c.items.size(); ++i) {
            if (g.awarded && d >= g.from && c.items[i].kind == DebtKind::Principal)
                general += r.owedItems[i] * annualRate(d) / 100 * g.multiplier / Money(g.daysPerYear);
            if (c.items[i].inDoubledBase && d > c.items[i].lastPerformanceDay && !excluded(d))
                doubled += r.owedItems[i] * Money::fraction(175, 1000000);
        }
        for (const Credit &credit : c.credits) {
            if (credit.day != d)
                continue;
            settle();
            CreditApplied a;
            Money left = credit.amount;
            auto pay = [&left](Money &owed) {
                const Money paid = std::min(left, owed);
                owed -= paid;
                left -= paid;
                return paid;
            };
            auto payItems = [&](bool costs, Money &paid) {
                for (int i : order) {
                    if (IsCostKind(c.items[i].kind) == costs)
                        paid += pay(r.owedItems[i]);
                }
            };
            payItems(true, a.toCosts);
            if (c.order == SetOffOrder::CostsInterestPrincipal)
                a.toGeneralInterest = pay(r.owedGeneralInterest);
            payItems(false, a.toPrincipal);
            a.toGeneralInterest += pay(r.owedGeneralInterest);
            a.toDoubled = pay(r.owedDoubled);
            a.surplus = left;
            r.credits.append(a);
        }
    }
    settle();
    return r;
}

} // namespace

class ExecutionLedgerTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_history = BuiltInRateHistory(); }
    void ledger_data();
    void ledger();
    void earliestDueIsPaidFirst();
    void refused_data();
    void refused();
    void propertiesOfGeneratedCases();
    void hundredCreditsOverThirtyYears();

private:
    RateHistory m_history;
};

void ExecutionLedgerTest::ledger_data()
{
    QTest::addColumn<ExecutionCase>("input");
    QTest::addColumn<QStringList>("segments");  // "first last days base interest"
    QTest::addColumn<QStringList>("credits");   // "costs general principal doubled surplus"
    QTest::addColumn<QString>("owed");          // "costs general principal doubled total"
    auto row = [](const char *name, const ExecutionCase &c, std::initializer_list<const char *> segments,
                  std::initializer_list<const char *> credits, const char *owed) {
        QTest::newRow(name) << c << Canon(segments) << Canon(credits) << Canon(owed);
    };
    const DebtItem principal10k = Item("10000", "2024-03-31");

    // 04-01..04-30: 30 days × 1.75 (10000 × 0.0175%) = 52.50; the credit pays
    // the principal, then exactly the doubled interest.
    row("one credit pays everything", Case({principal10k}, {Paid("2024-04-30", "10052.50")}, "2024-06-30"),
        {"2024-04-01 2024-04-30 30 10000 52.5"}, {"0 0 10000 52.5 0"}, "0 0 0 0 0");

    // 01-01..01-31: 31 × 17.50 = 542.50; 30000 to principal, 70000 left.
    // 02-01..03-15: 44 × 12.25 = 539; 50000 to principal, 20000 left.
    // 03-16..06-30: 107 × 3.50 = 374.50; doubled 1456: 21000 pays 20000 and
    // 1000 of it; 456 left, bearing no interest. The 2025 credit is after the
    // calculation day and left out.
    row("three credits on a principal alone",
        Case({Item("100000", "2023-12-31")},
             {Paid("2024-01-31", "30000"), Paid("2024-03-15", "50000"), Paid("2024-06-30", "21000"),
              Paid("2025-02-01", "456")},
             "2024-12-31"),
        {"2024-01-01 2024-01-31 31 100000 542.5", "2024-02-01 2024-03-15 44 70000 539",
         "2024-03-16 2024-06-30 107 20000 374.5"},
        {"0 0 30000 0 0", "0 0 50000 0 0", "0 0 20000 1000 0"}, "0 0 0 456 456");

    // Entered the later first. 02-01..02-29: the first alone, 29 × 1.05 =
    // 30.45; 03-01..03-05: both, 5 × 2.10 = 10.50. 7000 pays the one due
    // first and 1000 of the other. 03-06..03-10: 5 × 0.875 = 4.375 → 4.38.
    row("instalments each from their own day",
        Case({Item("6000", "2024-02-29"), Item("6000", "2024-01-31")},
             {Paid("2024-03-05", "7000")}, "2024-03-10"),
        {"2024-02-01 2024-02-29 29 6000 30.45", "2024-03-01 2024-03-05 5 12000 10.5",
         "2024-03-06 2024-03-10 5 5000 4.375"},
        {"0 0 7000 0 0"}, "0 0 5000 45.33 5045.33");

    // Doubled from 02-01 but not 02-11..02-20: 19 × 1.75 = 33.25. General
    // interest, 3.65% ÷ 365 = 1.00 a day, runs through them: 29.00.
    ExecutionCase c = Case({Item("10000", "2024-01-31")}, {}, "2024-02-29");
    c.generalInterest = FixedRate("2024-02-01", "3.65", 365);
    c.excluded = {{Day("2024-02-11"), Day("2024-02-20")}};
    row("an excluded period stops only the doubled interest", c,
        {"2024-02-01 2024-02-10 10 10000 17.5", "2024-02-21 2024-02-29 9 10000 15.75"}, {},
        "0 29 10000 33.25 10062.25");

    // Costs 500 outside the doubled base; general 3.6% ÷ 360 = 1.00 a day
    // from 01-01, doubled 1.75 from 02-01. At 03-01: general 61, doubled 52.50.
    // 5000: costs 500, general 61, principal 4439; 5561 left. 30 days: general
    // 16.683 → 16.68; doubled 29.19525 (81.70 in all).
    c = Case({Item("10000", "2024-01-31"), Item("500", "2024-01-31", DebtKind::LitigationCost)},
             {Paid("2024-03-01", "5000")}, "2024-03-31");
    c.generalInterest = FixedRate("2024-01-01", "3.6", 360);
    row("costs, general interest, principal", c,
        {"2024-02-01 2024-03-01 30 10000 52.5", "2024-03-02 2024-03-31 30 5561 29.19525"},
        {"500 61 4439 0 0"},
        "0 16.68 5561 81.7 5659.38");
    // 先本后息: costs 500, principal 4500; 5500 left, 61 still owed. 30 days:
    // general 16.50 (77.50), doubled 28.875 → 28.88 (81.38).
    c.order = SetOffOrder::CostsPrincipalInterest;
    row("costs, principal, general interest", c,
        {"2024-02-01 2024-03-01 30 10000 52.5", "2024-03-02 2024-03-31 30 5500 28.875"}, {"500 0 4500 0 0"},
        "0 77.5 5500 81.38 5658.88");

    // 1.5 × the one-year LPR ÷ 360 on 36000, due only at year end (no doubled
    // interest). 10-01..10-20 at 3.35%: 5.025 × 20 = 100.50; 10-21..10-25 at
    // 3.10%: 4.65 × 5 = 23.25. 10000 pays 123.75 and 9876.25 of principal.
    // 10-26..10-31: 26123.75 × 0.031 × 1.5 ÷ 360 × 6 = 20.2459… → 20.25.
    c = Case({Item("36000", "2024-12-31")}, {Paid("2024-10-25", "10000")}, "2024-10-31");
    c.generalInterest = {true, Day("2024-10-01"), std::nullopt, RateBasis::OneYear, Exact("1.5")};
    row("general interest at the LPR across a fixing", c, {}, {"0 123.75 9876.25 0 0"},
        "0 20.25 26123.75 0 26144");

    // Fixed at the start day: 3.35% (LPR of 2024-07-22) + 0.50 = 3.85% ÷ 360
    // on 36000 = 3.85 a day for all 31 days, the fixing of 10-21 ignored: 119.35.
    c = Case({Item("36000", "2024-12-31")}, {}, "2024-10-31");
    c.generalInterest = {true, Day("2024-10-01"), std::nullopt, RateBasis::OneYear, 1, 360, 50, Repricing::Fixed};
    row("general interest at the LPR plus 50bp, fixed at the start", c, {}, {}, "0 119.35 36000 0 36119.35");
    // 算头不算尾, 3.6% ÷ 360 = 1.00 a day on 10000: 01-01..01-09 is 9.00 at the
    // credit, whose day bears interest on the 5009 left; 01-10..01-19 (the
    // calculation day bears none): 10 × 0.5009 = 5.009 → 5.01.
    c = Case({Item("10000", "2024-12-31")}, {Paid("2024-01-10", "5000")}, "2024-01-20");
    c.generalInterest = FixedRate("2024-01-01", "3.6", 360);
    c.generalInterest.countLastDay = false;
    row("算头不算尾: a credit's day bears interest on the reduced balance", c, {}, {"0 9 4991 0 0"},
        "0 5.01 5009 0 5014.01");

    // 06-01..06-10: 10 × 0.175 = 1.75. 2000 pays 100 + 1000 + 1.75: 898.25
    // over; nothing is owed after, so the next credit is surplus in full.
    row("a credit larger than the debt leaves a surplus",
        Case({Item("1000", "2024-05-31"), Item("100", "2024-05-31", DebtKind::LitigationCost)},
             {Paid("2024-06-10", "2000"), Paid("2024-07-01", "50")}, "2024-12-31"),
        {"2024-06-01 2024-06-10 10 1000 1.75"}, {"100 0 1000 1.75 898.25", "0 0 0 0 50"}, "0 0 0 0 0");

    // Before 2014-08-01 (第七条): less than six months late, twice 5.60% ÷
    // 360 = 28/9 a day × 31 = 868/9. 08-01..08-05: 8.75; 105.19444… → 105.19
    // at the credit. 08-06..08-20: 15 × 0.875 = 13.125 → 13.13; 118.32.
    row("back before 2014-08-01, credited after",
        Case({Item("10000", "2014-06-30")}, {Paid("2014-08-05", "5000")}, "2014-08-20"),
        {"2014-07-01 2014-07-31 31 10000 868/9", "2014-08-01 2014-08-05 5 10000 8.75",
         "2014-08-06 2014-08-20 15 5000 13.125"},
        {"0 0 5000 0 0"}, "0 0 5000 118.32 5118.32");

    row("the last day of the calendar",
        Case({Item("10000", "9999-12-30")}, {}, "9999-12-31"),
        {"9999-12-31 9999-12-31 1 10000 1.75"}, {}, "0 0 10000 1.75 10001.75");

    // Before 2014-08-01 each item takes the band of its own delay: 10000 due
    // 2013-06-30 (一至三年, 6.15%): 41/12 a day × 396 = 1353; 20000 due
    // 2014-05-31 (六个月以内, 5.60%): 56/9 a day × 61 = 3416/9. From 08-01 one
    // segment on 30000: 52.50. 1785.0555… → 1785.06.
    row("the earlier rule takes each item's own band",
        Case({Item("10000", "2013-06-30"), Item("20000", "2014-05-31")}, {}, "2014-08-10"),
        {"2013-07-01 2014-07-31 396 10000 1353", "2014-06-01 2014-07-31 61 20000 3416/9",
         "2014-08-01 2014-08-10 10 30000 52.5"}, {}, "0 0 30000 1785.06 31785.06");
}

void ExecutionLedgerTest::ledger()
{
    QFETCH(ExecutionCase, input);
    const ExecutionLedger ledger = ComputeExecutionLedger(input, m_history);
    QCOMPARE(ledger.error, QString());
    QTEST(Segments(ledger), "segments");
    QTEST(Applied(ledger.credits), "credits");
    QTEST(Owed(ledger), "owed");
    QVERIFY(!ledger.beyondKnownData);
}

// Each credit goes to the item due first, whatever its kind or the order it
// was entered in; costs go first even when due last.
void ExecutionLedgerTest::earliestDueIsPaidFirst()
{
    const ExecutionLedger ledger = ComputeExecutionLedger(
        Case({Item("3000", "2024-06-30", DebtKind::Damages), Item("5000", "2024-03-31"),
              Item("1000", "2024-01-31", DebtKind::LawyerFee),
              Item("800", "2024-12-31", DebtKind::AppraisalCost)},
             {Paid("2024-01-15", "2000"), Paid("2024-01-20", "5500")}, "2024-01-31"),
        m_history);
    // 2000: appraisal 800, lawyer's fee 1000, principal 200; 5500: the
    // principal's 4800, then 700 of the damages.
    QCOMPARE(ledger.credits.size(), 2);
    QCOMPARE(QStringList({Join(ledger.credits[0].toItems), Join(ledger.credits[1].toItems)}),
             Canon({"0 200 1000 800", "700 4800 0 0"}));
    QCOMPARE(ledger.credits[1].row, 2);
}

void ExecutionLedgerTest::refused_data()
{
    QTest::addColumn<ExecutionCase>("input");
    QTest::addColumn<QString>("message");

    ExecutionCase good =
        Case({Item("10000", "2024-03-31"), Item("500", "2024-03-31", DebtKind::Damages)},
             {Paid("2024-05-01", "100"), Paid("2024-06-01", "100"), Paid("2024-07-01", "100")}, "2024-12-31");
    good.excluded = {{Day("2024-08-01"), Day("2024-08-31")}, {Day("2024-10-01"), Day("2024-10-31")}};
    QVERIFY(ComputeExecutionLedger(good, m_history).error.isEmpty());

    auto row = [&](const char *name, auto change, const char *message) {
        ExecutionCase c = good;
        change(c);
        QTest::newRow(name) << c << QString::fromUtf8(message);
    };
    using C = ExecutionCase &;
    row("a credit of zero", [](C c) { c.credits[2].amount = 0; }, "还款第3行：金额必须大于零。");
    row("a credit in fractions of a fen", [](C c) { c.credits[0].amount = Exact(QStringLiteral("0.005")); },
        "还款第1行：金额只能精确到分。");
    row("a credit without a day", [](C c) { c.credits[1].day = QDate(); }, "还款第2行：日期无效。");
    row("a credit before 2014-08-01", [](C c) { c.credits[1].day = Day("2014-07-31"); },
        "还款第2行：2014年8月1日以前的还款依法释〔2014〕8号 第七条适用此前的司法解释"
        "（还款在债务与迟延履行期间的债务利息之间按比例清偿），本计算不能计算此类案件。");
    row("a credit before the rates begin", [](C c) { c.credits[0].day = Day("1999-06-09"); },
        "还款第1行：日期须在1999年6月10日至9999年12月31日之间。");
    row("an item's day after the calendar ends", [](C c) { c.items[0].lastPerformanceDay = QDate(10000, 1, 1); },
        "债务项目第1行：履行期限最后一日须在1999年6月10日至9999年12月31日之间。");
    row("no principal", [](C c) { c.items.removeFirst(); }, "债务项目：至少需要一项本金。");
    row("an excluded period ending before it starts",
        [](C c) { c.excluded[1] = {Day("2024-10-31"), Day("2024-10-01")}; }, "不计期间第2行：最后一日早于第一日。");
    row("overlapping excluded periods", [](C c) { c.excluded[1].first = Day("2024-08-31"); },
        "不计期间第2行：与第1行重叠。");
    row("no calculation day", [](C c) { c.calculationDay = QDate(); }, "计算日：日期无效。");
    row("general interest from no day", [](C c) { c.generalInterest.awarded = true; }, "一般债务利息：起算日无效。");
    row("general interest at a rate of zero", [](C c) { c.generalInterest = FixedRate("2024-01-01", "0", 360); },
        "一般债务利息：年利率必须大于零。");
    row("general interest by the term of the whole period",
        [](C c) { c.generalInterest = {true, Day("2024-01-01"), std::nullopt, RateBasis::ByTerm}; },
        "一般债务利息：分次清偿时没有一个确定的期间可定利率档次，请选择一年期或五年期以上的利率。");
    row("general interest times zero", [](C c) { c.generalInterest = FixedRate("2024-01-01", "4", 360, "0"); },
        "一般债务利息：倍数必须大于零。");
    row("a year of 300 days", [](C c) { c.generalInterest = FixedRate("2024-01-01", "4", 300); },
        "一般债务利息：每年天数只能是360或365。");
    // 3.45% − 4.00 from the first day.
    row("general interest below zero names the day",
        [](C c) { c.generalInterest = {true, Day("2024-01-01"), std::nullopt, RateBasis::OneYear, 1, 360, -400}; },
        "一般债务利息：2024年1月1日的利率加点后低于零，无法计算，请检查加点。");
    row("no such repricing day",
        [](C c) {
            c.generalInterest = {true, Day("2024-01-01"), std::nullopt, RateBasis::OneYear, 1, 360, 0, Repricing::Yearly, 4, 31};
        },
        "一般债务利息：重定价日无效。");
    // The first fault in the order the window shows the tables.
    row("the first of several faults", [](C c) { c.credits[0].amount = c.items[1].amount = 0; },
        "债务项目第2行：金额必须大于零。");
}

void ExecutionLedgerTest::refused()
{
    QFETCH(ExecutionCase, input);
    const ExecutionLedger ledger = ComputeExecutionLedger(input, m_history);
    QTEST(ledger.error, "message");
    QVERIFY(ledger.doubled.isEmpty() && ledger.credits.isEmpty() && ledger.owedItems.isEmpty());
    QCOMPARE(ledger.owedTotal, Money());
}

// For any case: credits and balance make the debt and all interest accrued,
// to the fen; nothing owed is below zero or off the fen; the segments hold
// the doubled interest before rounding; paying more never leaves more owed;
// the order credits were entered in, or a credit split in two on its day,
// changes nothing; and the first cases from 2019-08-20 on give what counting
// every day gives (same-day credits and both set-off orders included).
void ExecutionLedgerTest::propertiesOfGeneratedCases()
{
    CaseGenerator generator(19990610);
    int withCredits = 0, withSurplus = 0;
    for (int n = 0; n < 300; ++n) {
        const ExecutionCase c = generator.next(n % 2 == 0);
        const ExecutionLedger ledger = ComputeExecutionLedger(c, m_history);
        QVERIFY2(ledger.error.isEmpty(), qPrintable(ledger.error));
        if (n % 2 == 0 && n < 120) {
            const ExecutionLedger reference = DayByDay(c, m_history);
            QCOMPARE(Applied(ledger.credits), Applied(reference.credits));
            QCOMPARE(Join({ledger.owedGeneralInterest, ledger.owedDoubled}),
                     Join({reference.owedGeneralInterest, reference.owedDoubled}));
            QCOMPARE(ledger.owedItems, reference.owedItems);
        }
        Money credited, debt, segments;
        for (const CreditApplied &applied : ledger.credits) {
            credited += applied.amount - applied.surplus;
            QVERIFY(applied.owedAfter >= 0 && applied.surplus >= 0);
            QVERIFY(applied.surplus == 0 || applied.owedAfter == 0);
            QCOMPARE(std::accumulate(applied.toItems.begin(), applied.toItems.end(), Money()),
                     applied.toCosts + applied.toPrincipal);
            withSurplus += applied.surplus > 0;
        }
        withCredits += !ledger.credits.isEmpty();
        for (const DebtItem &item : c.items)
            debt += item.amount;
        QCOMPARE(credited + ledger.owedTotal, debt + ledger.accruedGeneralInterest + ledger.accruedDoubled);
        for (const Money &owed : {ledger.owedCosts, ledger.owedGeneralInterest, ledger.owedPrincipal,
                                  ledger.owedDoubled, ledger.owedTotal})
            QVERIFY(owed >= 0 && mpq_class(owed.exact() * 100).get_den() == 1);
        for (qsizetype i = 0; i < c.items.size(); ++i)
            QVERIFY(ledger.owedItems[i] >= 0 && ledger.owedItems[i] <= c.items[i].amount);

        // Rounded at each credit and on the calculation day: within half a
        // fen a rounding of the exact sum of the segments.
        for (const DoubledSegment &segment : ledger.doubled) {
            segments += segment.interest;
            for (const ExcludedPeriod &period : c.excluded)
                QVERIFY(segment.last < period.first || period.last < segment.first);
        }
        const Money slack = Money::fraction(long(ledger.credits.size()) + 1, 200);
        QVERIFY(ledger.accruedDoubled - segments <= slack && segments - ledger.accruedDoubled <= slack);

        if (c.credits.isEmpty())
            continue;
        ExecutionCase more = c;
        const qsizetype k = generator.random().bounded(int(c.credits.size()));
        more.credits[k].amount += generator.fen(1, 2000000);
        const ExecutionLedger after = ComputeExecutionLedger(more, m_history);
        QVERIFY(after.error.isEmpty() && after.owedTotal <= ledger.owedTotal);

        ExecutionCase reordered = c;
        std::reverse(reordered.credits.begin(), reordered.credits.end());
        const int wholeFen = int(mpq_class(c.credits[k].amount.exact() * 100).get_num().get_si());
        if (wholeFen > 1) {
            const Money piece = Money::fraction(long(generator.random().bounded(1, wholeFen)), 100);
            reordered.credits.append({c.credits[k].day, piece});
            reordered.credits[c.credits.size() - 1 - k].amount -= piece;
        }
        const ExecutionLedger same = ComputeExecutionLedger(reordered, m_history);
        QCOMPARE(Owed(same), Owed(ledger));
        QCOMPARE(same.owedItems, ledger.owedItems);
    }
    QVERIFY(withCredits > 150);  // the cases reach what they are meant to check
    QVERIFY(withSurplus > 10);
}

// Due from 2000, general interest at the rates in force, three instalments,
// costs, two suspensions, 100 credits 2014-08-01 to 2029: what a keystroke in
// the window recomputes.
void ExecutionLedgerTest::hundredCreditsOverThirtyYears()
{
    ExecutionCase c = Case({Item("1000000", "1999-12-31"), Item("500000", "2001-06-30"), Item("500000", "2003-06-30"),
                            Item("80000", "1999-12-31", DebtKind::Damages),
                            Item("13800", "1999-12-31", DebtKind::LitigationCost)}, {}, "2029-12-31");
    c.generalInterest = {true, Day("2000-01-01"), std::nullopt, RateBasis::OneYear, Exact("1.5")};
    c.excluded = {{Day("2005-03-01"), Day("2006-02-28")}, {Day("2016-05-01"), Day("2016-10-31")}};
    for (int i = 0; i < 100; ++i)
        c.credits.append({QDate(2014, 8, 1).addDays(i * 56), 15000});

    const ExecutionLedger first = ComputeExecutionLedger(c, m_history);
    QCOMPARE(first.credits.size(), 100);
    // Doubled days from 2000 precede the reply of 2009; general interest to
    // 2029 runs past the last published rate.
    QVERIFY(first.startsBeforeReplyOf2009 && first.beyondKnownData);
    QCOMPARE(first.knownThrough, m_history.knownThrough);
    QBENCHMARK { ComputeExecutionLedger(c, m_history); }
}

QTEST_GUILESS_MAIN(ExecutionLedgerTest)
#include "tst_execution_ledger.moc"
