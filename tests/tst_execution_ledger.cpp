// The execution ledger, checked against cases worked out by hand: how each
// credit is set off, how many days each doubled segment has and on which
// base, where the interest is rounded, and what is still owed; the refusals
// of bad input; and properties that hold for any case.

#include "interest/execution_ledger.h"

#include <QRandomGenerator>
#include <QTest>

using namespace pellumo;

Q_DECLARE_METATYPE(pellumo::ExecutionCase)

namespace {

// "868/9", "52.5" or "10000": an exact value.
Money Exact(const char *text)
{
    const QString s = QString::fromLatin1(text);
    const qsizetype slash = s.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return Money::fromPlainDecimal(s).value();
    return Money::fraction(s.first(slash).toLong(), s.sliced(slash + 1).toLong());
}

QString Text(const Money &value)
{
    return QString::fromStdString(value.exact().get_str());
}

QDate Day(const char *iso)
{
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

DebtItem Item(DebtKind kind, const char *amount, const char *lastPerformanceDay)
{
    return {QStringLiteral("项目"), Exact(amount), kind, Day(lastPerformanceDay),
            InDoubledBaseByDefault(kind)};
}

Credit Paid(const char *day, const char *amount)
{
    return {Day(day), Exact(amount)};
}

GeneralInterest FixedRate(const char *from, const char *percent, int daysPerYear)
{
    GeneralInterest g;
    g.awarded = true;
    g.from = Day(from);
    g.fixedAnnualRatePercent = Exact(percent);
    g.daysPerYear = daysPerYear;
    return g;
}

// Values written by hand and values computed, in one canonical text each.
QString Figures(std::initializer_list<const char *> values)
{
    QStringList texts;
    for (const char *value : values)
        texts << Text(Exact(value));
    return texts.join(QLatin1Char(' '));
}

QString Figures(std::initializer_list<Money> values)
{
    QStringList texts;
    for (const Money &value : values)
        texts << Text(value);
    return texts.join(QLatin1Char(' '));
}

// A doubled segment: "first last days base interest".
QString Segment(const char *first, const char *last, int days, const char *base, const char *interest)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QLatin1String(first), QLatin1String(last))
        .arg(days)
        .arg(Figures({base, interest}));
}

QStringList Segments(const ExecutionLedger &ledger)
{
    QStringList texts;
    for (const DoubledSegment &s : ledger.doubled)
        texts << QStringLiteral("%1 %2 %3 %4")
                     .arg(s.first.toString(Qt::ISODate), s.last.toString(Qt::ISODate))
                     .arg(s.days)
                     .arg(Figures({s.base, s.interest}));
    return texts;
}

QStringList Applied(const QList<CreditApplied> &credits);

// A credit as set off: "costs generalInterest principal doubled surplus".
QStringList Applied(const ExecutionLedger &ledger)
{
    return Applied(ledger.credits);
}

// What is owed: "costs generalInterest principal doubled total".
QString Owed(const ExecutionLedger &ledger)
{
    return Figures({ledger.owedCosts, ledger.owedGeneralInterest, ledger.owedPrincipal, ledger.owedDoubled,
                    ledger.owedTotal});
}

Money Sum(const QList<Money> &values)
{
    Money total;
    for (const Money &value : values)
        total += value;
    return total;
}

bool IsWholeFen(const Money &value)
{
    return mpq_class(value.exact() * 100).get_den() == 1;
}

// Random cases: one to four items of any kind (at least one principal),
// general interest or none, up to eight credits from 2014-08-01, up to two
// excluded periods, either order. `sinceLpr` keeps every day from
// 2019-08-20 on and the general interest at a fixed rate or the LPR, for the
// day-by-day reference below.
class CaseGenerator
{
public:
    explicit CaseGenerator(quint32 seed) : m_random(seed) {}

    ExecutionCase next(bool sinceLpr)
    {
        const QDate start = sinceLpr ? QDate(2019, 8, 20) : QDate(2005, 1, 1);
        const int span = sinceLpr ? 1500 : 7000;
        ExecutionCase c;
        const int items = 1 + int(m_random.bounded(4));
        for (int i = 0; i < items; ++i) {
            const DebtKind kind = i == 0 ? DebtKind::Principal : DebtKind(m_random.bounded(6));
            DebtItem item{QStringLiteral("项目"), fen(1, 5000000), kind, day(start, span),
                          InDoubledBaseByDefault(kind)};
            if (m_random.bounded(5) == 0)
                item.inDoubledBase = !item.inDoubledBase;
            c.items.append(item);
        }
        if (m_random.bounded(3) != 0) {
            GeneralInterest &g = c.generalInterest;
            g.awarded = true;
            g.from = day(start, span);
            if (m_random.bounded(2) == 0)
                g.fixedAnnualRatePercent = Money::fraction(long(m_random.bounded(1, 2400)), 100);
            g.basis = m_random.bounded(2) == 0 ? RateBasis::OneYear : RateBasis::OverFiveYears;
            static const char *const multipliers[] = {"1", "1.3", "1.5", "4"};
            g.multiplier = Exact(multipliers[m_random.bounded(4)]);
            g.daysPerYear = m_random.bounded(2) == 0 ? 360 : 365;
        }
        const QDate creditsFrom = std::max(start, QDate(2014, 8, 1));
        const int credits = int(m_random.bounded(9));
        for (int i = 0; i < credits; ++i)
            c.credits.append({day(creditsFrom, span), fen(1, 3000000)});
        QDate free = start;
        const int excluded = int(m_random.bounded(3));
        for (int i = 0; i < excluded; ++i) {
            const QDate first = day(free, span / 3);
            const QDate last = first.addDays(m_random.bounded(200));
            c.excluded.append({first, last});
            free = last.addDays(1);
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

// The same ledger counted one day at a time, as a clerk's spreadsheet would:
// each day's interest on the balance at the start of the day, the credits of
// a day after its interest, rounding at each credit and at the end. Only for
// days from 2019-08-20, so that every doubled day is at 0.0175% and every
// rate in force is an LPR.
struct Reference {
    QList<CreditApplied> credits;
    Money owedGeneral, owedDoubled;
    QList<Money> unpaid;
};

Reference DayByDay(const ExecutionCase &c, const RateHistory &history)
{
    Reference r;
    for (const DebtItem &item : c.items)
        r.unpaid.append(item.amount);
    QList<int> order;
    for (bool costs : {true, false}) {
        QList<int> part;
        for (int i = 0; i < c.items.size(); ++i) {
            if (IsCostKind(c.items[i].kind) == costs)
                part.append(i);
        }
        std::stable_sort(part.begin(), part.end(), [&](int a, int b) {
            return c.items[a].lastPerformanceDay < c.items[b].lastPerformanceDay;
        });
        order += part;
    }
    const GeneralInterest &g = c.generalInterest;
    auto annualRate = [&](const QDate &d) {
        if (g.fixedAnnualRatePercent)
            return *g.fixedAnnualRatePercent;
        Money rate;
        for (const LoanPrimeRates &row : history.loanPrime) {
            if (row.from <= d)
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
        r.owedGeneral += general.roundedToFen();
        r.owedDoubled += doubled.roundedToFen();
        general = doubled = Money();
    };
    for (QDate d(2019, 8, 20); d <= c.calculationDay; d = d.addDays(1)) {
        for (int i = 0; i < c.items.size(); ++i) {
            if (g.awarded && d >= g.from && c.items[i].kind == DebtKind::Principal)
                general += r.unpaid[i] * annualRate(d) / 100 * g.multiplier / Money(g.daysPerYear);
            if (c.items[i].inDoubledBase && d > c.items[i].lastPerformanceDay && !excluded(d))
                doubled += r.unpaid[i] * Money::fraction(175, 1000000);
        }
        for (const Credit &credit : c.credits) {
            if (credit.day != d)
                continue;
            settle();
            CreditApplied applied;
            Money left = credit.amount;
            auto pay = [&left](Money &owed) {
                const Money paid = std::min(left, owed);
                owed -= paid;
                left -= paid;
                return paid;
            };
            for (int i : order) {
                if (IsCostKind(c.items[i].kind))
                    applied.toCosts += pay(r.unpaid[i]);
            }
            if (c.order == SetOffOrder::CostsInterestPrincipal)
                applied.toGeneralInterest = pay(r.owedGeneral);
            for (int i : order) {
                if (!IsCostKind(c.items[i].kind))
                    applied.toPrincipal += pay(r.unpaid[i]);
            }
            applied.toGeneralInterest += pay(r.owedGeneral);
            applied.toDoubled = pay(r.owedDoubled);
            applied.surplus = left;
            r.credits.append(applied);
        }
    }
    settle();
    return r;
}

QStringList Applied(const QList<CreditApplied> &credits)
{
    QStringList texts;
    for (const CreditApplied &c : credits)
        texts << Figures({c.toCosts, c.toGeneralInterest, c.toPrincipal, c.toDoubled, c.surplus});
    return texts;
}

} // namespace

class ExecutionLedgerTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void ledger_data();
    void ledger();
    void earliestDueIsPaidFirst();
    void earlierRuleTakesEachItemsOwnBand();
    void refused_data();
    void refused();
    void agreesWithCountingDayByDay();
    void propertiesOfGeneratedCases();
    void hundredCreditsOverThirtyYears();

private:
    RateHistory m_history;
};

void ExecutionLedgerTest::initTestCase()
{
    m_history = BuiltInRateHistory();
}

void ExecutionLedgerTest::ledger_data()
{
    QTest::addColumn<ExecutionCase>("input");
    QTest::addColumn<QStringList>("segments");
    QTest::addColumn<QStringList>("credits");
    QTest::addColumn<QString>("owed");

    const DebtItem principal10k = Item(DebtKind::Principal, "10000", "2024-03-31");
    {
        // Doubled from 2024-04-01 to the credit day 04-30: 30 days,
        // 10000 × 0.0175% = 1.75 a day, 52.50. The credit pays the
        // principal, then exactly the doubled interest.
        ExecutionCase c;
        c.items = {principal10k};
        c.credits = {Paid("2024-04-30", "10052.50")};
        c.calculationDay = Day("2024-06-30");
        QTest::newRow("one credit pays everything")
            << c << QStringList{Segment("2024-04-01", "2024-04-30", 30, "10000", "52.5")}
            << QStringList{Figures({"0", "0", "10000", "52.5", "0"})} << Figures({"0", "0", "0", "0", "0"});
    }
    {
        // Doubled from 2024-01-01.
        // 01-01..01-31: 31 days × 17.50 (100000 × 0.0175%) = 542.50; 30000 goes to
        //   the principal, the doubled interest waits: 70000 left.
        // 02-01..03-15: 29 + 15 = 44 days × 12.25 = 539.00; 50000 to the
        //   principal: 20000 left; doubled owed 542.50 + 539.00 = 1081.50.
        // 03-16..06-30: 16 + 30 + 31 + 30 = 107 days × 3.50 = 374.50; doubled
        //   owed 1456.00; 21000 pays 20000 principal and 1000 doubled.
        // Left: 456.00 doubled, which bears no interest. The credit of 2025 lies
        // after the calculation day and is left out.
        ExecutionCase c;
        c.items = {Item(DebtKind::Principal, "100000", "2023-12-31")};
        c.credits = {Paid("2024-01-31", "30000"), Paid("2024-03-15", "50000"), Paid("2024-06-30", "21000"),
                     Paid("2025-02-01", "456")};
        c.calculationDay = Day("2024-12-31");
        QTest::newRow("three credits on a principal alone")
            << c
            << QStringList{Segment("2024-01-01", "2024-01-31", 31, "100000", "542.5"),
                           Segment("2024-02-01", "2024-03-15", 44, "70000", "539"),
                           Segment("2024-03-16", "2024-06-30", 107, "20000", "374.5")}
            << QStringList{Figures({"0", "0", "30000", "0", "0"}), Figures({"0", "0", "50000", "0", "0"}),
                           Figures({"0", "0", "20000", "1000", "0"})}
            << Figures({"0", "0", "0", "456", "456"});
    }
    {
        // Two instalments of 6000, entered the later first; the doubled
        // interest of each starts the day after its own last day.
        // 02-01..02-29: the first alone, 29 days × 1.05 = 30.45.
        // 03-01..03-05: both, 5 days × 2.10 = 10.50; owed 40.95 at the credit.
        // 7000 pays the instalment due first in full, 1000 of the other.
        // 03-06..03-10: 5000 × 0.0175% × 5 = 4.375, rounded 4.38 on the
        // calculation day; doubled 40.95 + 4.38 = 45.33.
        ExecutionCase c;
        c.items = {Item(DebtKind::Principal, "6000", "2024-02-29"),
                   Item(DebtKind::Principal, "6000", "2024-01-31")};
        c.credits = {Paid("2024-03-05", "7000")};
        c.calculationDay = Day("2024-03-10");
        QTest::newRow("instalments each from their own day")
            << c
            << QStringList{Segment("2024-02-01", "2024-02-29", 29, "6000", "30.45"),
                           Segment("2024-03-01", "2024-03-05", 5, "12000", "10.5"),
                           Segment("2024-03-06", "2024-03-10", 5, "5000", "4.375")}
            << QStringList{Figures({"0", "0", "7000", "0", "0"})}
            << Figures({"0", "0", "5000", "45.33", "5045.33"});
    }
    {
        // Doubled from 02-01, not on 02-11..02-20: 10 + 9 days × 1.75 = 33.25.
        // General interest 3.65% a year of 365 days = 1.00 a day runs through
        // the excluded days: 02-01..02-29, 29.00.
        ExecutionCase c;
        c.items = {Item(DebtKind::Principal, "10000", "2024-01-31")};
        c.generalInterest = FixedRate("2024-02-01", "3.65", 365);
        c.excluded = {{Day("2024-02-11"), Day("2024-02-20")}};
        c.calculationDay = Day("2024-02-29");
        QTest::newRow("an excluded period stops only the doubled interest")
            << c
            << QStringList{Segment("2024-02-01", "2024-02-10", 10, "10000", "17.5"),
                           Segment("2024-02-21", "2024-02-29", 9, "10000", "15.75")}
            << QStringList{} << Figures({"0", "29", "10000", "33.25", "10062.25"});
    }
    {
        // Principal 10000 and costs 500 (not in the doubled base), general
        // interest 3.6% ÷ 360 = 1.00 a day from 01-01; doubled from 02-01.
        // At the credit of 03-01: general 31 + 29 + 1 = 61 days, 61.00;
        // doubled 29 + 1 = 30 days × 1.75 = 52.50.
        // 5000: costs 500, general 61, principal 4439; 5561 left.
        // 03-02..03-31, 30 days: general 5561 × 0.0001 × 30 = 16.683 → 16.68;
        // doubled 5561 × 0.000175 × 30 = 29.19525 → 29.20 (81.70 in all).
        // Owed 16.68 + 5561 + 81.70 = 5659.38.
        ExecutionCase c;
        c.items = {Item(DebtKind::Principal, "10000", "2024-01-31"),
                   Item(DebtKind::LitigationCost, "500", "2024-01-31")};
        c.generalInterest = FixedRate("2024-01-01", "3.6", 360);
        c.credits = {Paid("2024-03-01", "5000")};
        c.calculationDay = Day("2024-03-31");
        QTest::newRow("costs, general interest, principal")
            << c
            << QStringList{Segment("2024-02-01", "2024-03-01", 30, "10000", "52.5"),
                           Segment("2024-03-02", "2024-03-31", 30, "5561", "29.19525")}
            << QStringList{Figures({"500", "61", "4439", "0", "0"})}
            << Figures({"0", "16.68", "5561", "81.7", "5659.38"});
        // 先本后息: 5000 pays costs 500 and principal 4500; 5500 left, 61 of
        // general interest still owed. 30 days: general 5500 × 0.0001 × 30 =
        // 16.50 (77.50 in all); doubled 5500 × 0.000175 × 30 = 28.875 → 28.88
        // (81.38 in all). Owed 77.50 + 5500 + 81.38 = 5658.88.
        c.order = SetOffOrder::CostsPrincipalInterest;
        QTest::newRow("costs, principal, general interest")
            << c
            << QStringList{Segment("2024-02-01", "2024-03-01", 30, "10000", "52.5"),
                           Segment("2024-03-02", "2024-03-31", 30, "5500", "28.875")}
            << QStringList{Figures({"500", "0", "4500", "0", "0"})}
            << Figures({"0", "77.5", "5500", "81.38", "5658.88"});
    }
    {
        // 1.5 × the one-year LPR ÷ 360 on 36000 from 2024-10-01; the item is
        // due only at the end of 2024, so no doubled interest, and the
        // credit pays it early.
        // 10-01..10-20 at 3.35%: 36000 × 0.0335 × 1.5 ÷ 360 = 5.025 a day × 20 = 100.50.
        // 10-21..10-25 at 3.10%: 36000 × 0.031 × 1.5 ÷ 360 = 4.65 a day × 5 = 23.25.
        // 10000 pays 123.75 general interest and 9876.25 principal.
        // 10-26..10-31: 26123.75 × 0.031 × 1.5 ÷ 360 × 6 = 1214.754375 ÷ 60
        // = 20.24590625 → 20.25.
        ExecutionCase c;
        c.items = {Item(DebtKind::Principal, "36000", "2024-12-31")};
        c.generalInterest.awarded = true;
        c.generalInterest.from = Day("2024-10-01");
        c.generalInterest.multiplier = Exact("1.5");
        c.credits = {Paid("2024-10-25", "10000")};
        c.calculationDay = Day("2024-10-31");
        QTest::newRow("general interest at the LPR across a fixing")
            << c << QStringList{} << QStringList{Figures({"0", "123.75", "9876.25", "0", "0"})}
            << Figures({"0", "20.25", "26123.75", "0", "26144"});
    }
    {
        // Doubled 06-01..06-10: 10 days × 0.175 = 1.75. 2000 pays costs 100,
        // principal 1000, doubled 1.75: 898.25 left over. Nothing is owed
        // afterwards, so the next credit is surplus in full.
        ExecutionCase c;
        c.items = {Item(DebtKind::Principal, "1000", "2024-05-31"),
                   Item(DebtKind::LitigationCost, "100", "2024-05-31")};
        c.credits = {Paid("2024-06-10", "2000"), Paid("2024-07-01", "50")};
        c.calculationDay = Day("2024-12-31");
        QTest::newRow("a credit larger than the debt leaves a surplus")
            << c << QStringList{Segment("2024-06-01", "2024-06-10", 10, "1000", "1.75")}
            << QStringList{Figures({"100", "0", "1000", "1.75", "898.25"}),
                           Figures({"0", "0", "0", "0", "50"})}
            << Figures({"0", "0", "0", "0", "0"});
    }
    {
        // Doubled from 2014-07-01. Before 2014-08-01 (第七条): 31 days, a
        // delay of less than six months, at twice the band's 5.60% ÷ 360:
        // 10000 × 0.056 × 2 ÷ 360 = 28/9 a day × 31 = 868/9 (96.444…).
        // 08-01..08-05: 5 days × 1.75 = 8.75. At the credit 868/9 + 8.75 =
        // 105.19444… → 105.19; 5000 pays principal.
        // 08-06..08-20: 15 days × 0.875 = 13.125 → 13.13; doubled 118.32.
        ExecutionCase c;
        c.items = {Item(DebtKind::Principal, "10000", "2014-06-30")};
        c.credits = {Paid("2014-08-05", "5000")};
        c.calculationDay = Day("2014-08-20");
        QTest::newRow("back before 2014-08-01, credited after")
            << c
            << QStringList{Segment("2014-07-01", "2014-07-31", 31, "10000", "868/9"),
                           Segment("2014-08-01", "2014-08-05", 5, "10000", "8.75"),
                           Segment("2014-08-06", "2014-08-20", 15, "5000", "13.125")}
            << QStringList{Figures({"0", "0", "5000", "0", "0"})}
            << Figures({"0", "0", "5000", "118.32", "5118.32"});
    }
    {
        // Two credits on one day: the day counts once, at the balance before
        // the first; the second finds no new interest.
        // 04-01..04-10: 10 × 1.75 = 17.50. 5000 to principal; 17.50 owed.
        // 3000 the same day to principal; 2000 left.
        // 04-11..04-30: 20 days × 2000 × 0.000175 = 7.00; doubled 24.50.
        ExecutionCase c;
        c.items = {principal10k};
        c.credits = {Paid("2024-04-10", "5000"), Paid("2024-04-10", "3000")};
        c.calculationDay = Day("2024-04-30");
        QTest::newRow("two credits on one day")
            << c
            << QStringList{Segment("2024-04-01", "2024-04-10", 10, "10000", "17.5"),
                           Segment("2024-04-11", "2024-04-30", 20, "2000", "7")}
            << QStringList{Figures({"0", "0", "5000", "0", "0"}), Figures({"0", "0", "3000", "0", "0"})}
            << Figures({"0", "0", "2000", "24.5", "2024.5"});
    }
    {
        // The last day a case may reach: one doubled day, 1.75.
        ExecutionCase c;
        c.items = {Item(DebtKind::Principal, "10000", "9999-12-30")};
        c.calculationDay = Day("9999-12-31");
        QTest::newRow("the last day of the calendar")
            << c << QStringList{Segment("9999-12-31", "9999-12-31", 1, "10000", "1.75")} << QStringList{}
            << Figures({"0", "0", "10000", "1.75", "10001.75"});
    }
}

void ExecutionLedgerTest::ledger()
{
    QFETCH(ExecutionCase, input);
    QFETCH(QStringList, segments);
    QFETCH(QStringList, credits);
    QFETCH(QString, owed);

    const ExecutionLedger ledger = ComputeExecutionLedger(input, m_history);
    QCOMPARE(ledger.error, QString());
    QCOMPARE(Segments(ledger), segments);
    QCOMPARE(Applied(ledger), credits);
    QCOMPARE(Owed(ledger), owed);
    QVERIFY(!ledger.beyondKnownData);
}

// Damages entered before the principal but due later, and a lawyer's fee
// due first: each credit goes to the item due first, whatever its kind.
// The costs go first even though they are due last.
void ExecutionLedgerTest::earliestDueIsPaidFirst()
{
    ExecutionCase c;
    c.items = {Item(DebtKind::Damages, "3000", "2024-06-30"), Item(DebtKind::Principal, "5000", "2024-03-31"),
               Item(DebtKind::LawyerFee, "1000", "2024-01-31"),
               Item(DebtKind::AppraisalCost, "800", "2024-12-31")};
    c.credits = {Paid("2024-01-15", "2000"), Paid("2024-01-20", "5500")};
    c.calculationDay = Day("2024-01-31");
    const ExecutionLedger ledger = ComputeExecutionLedger(c, m_history);
    QCOMPARE(ledger.error, QString());
    QCOMPARE(ledger.credits.size(), 2);
    // 2000: appraisal 800, lawyer's fee 1000, principal 200.
    QCOMPARE(Figures({ledger.credits[0].toItems[0], ledger.credits[0].toItems[1],
                      ledger.credits[0].toItems[2], ledger.credits[0].toItems[3]}),
             Figures({"0", "200", "1000", "800"}));
    // 5500: the principal's remaining 4800, then 700 of the damages.
    QCOMPARE(Figures({ledger.credits[1].toItems[0], ledger.credits[1].toItems[1],
                      ledger.credits[1].toItems[2], ledger.credits[1].toItems[3]}),
             Figures({"700", "4800", "0", "0"}));
    QCOMPARE(ledger.credits[1].row, 2);
    QCOMPARE(Figures({ledger.owedItems[0], ledger.owedItems[1]}), Figures({"2300", "0"}));
    QCOMPARE(Owed(ledger), Figures({"0", "0", "2300", "0", "2300"}));
}

// Before 2014-08-01 each item's doubled interest takes the band of its own
// delay: 10000 due 2013-06-30 is more than one year late by 2014-07-31
// (一至三年, 6.15%), 20000 due 2014-05-31 two months (六个月以内, 5.60%). The
// first item's days run on in one segment, since its base stays the same;
// the second's cover the same days at its own rate.
//   2013-07-01..2014-07-31 = 365 + 31 = 396 days,
//     10000 × 6.15% × 2 ÷ 360 = 41/12 a day × 396 = 1353;
//   2014-06-01..2014-07-31 = 61 days,
//     20000 × 5.60% × 2 ÷ 360 = 56/9 a day × 61 = 3416/9.
// From 08-01 one rate on 30000: 5.25 a day × 10 days = 52.50.
void ExecutionLedgerTest::earlierRuleTakesEachItemsOwnBand()
{
    ExecutionCase c;
    c.items = {Item(DebtKind::Principal, "10000", "2013-06-30"),
               Item(DebtKind::Principal, "20000", "2014-05-31")};
    c.calculationDay = Day("2014-08-10");
    const ExecutionLedger ledger = ComputeExecutionLedger(c, m_history);
    QCOMPARE(ledger.error, QString());
    QCOMPARE(Segments(ledger), (QStringList{Segment("2013-07-01", "2014-07-31", 396, "10000", "1353"),
                                            Segment("2014-06-01", "2014-07-31", 61, "20000", "3416/9"),
                                            Segment("2014-08-01", "2014-08-10", 10, "30000", "52.5")}));
    QCOMPARE(ledger.doubled[0].basis, QStringLiteral("一至三年（含三年）"));
    QCOMPARE(ledger.doubled[0].rate, QStringLiteral("6.15"));
    QCOMPARE(ledger.doubled[1].basis, QStringLiteral("六个月以内（含六个月）"));
    QCOMPARE(ledger.doubled[1].rate, QStringLiteral("5.60"));
    QCOMPARE(ledger.doubled[2].rate, QStringLiteral("0.0175"));
    // 1353 + 379.555… + 52.50 = 1785.0555… → 1785.06 on the calculation day.
    QCOMPARE(Owed(ledger), Figures({"0", "0", "30000", "1785.06", "31785.06"}));
    QVERIFY(!ledger.startsBeforeReplyOf2009);
}

void ExecutionLedgerTest::refused_data()
{
    QTest::addColumn<ExecutionCase>("input");
    QTest::addColumn<QString>("message");

    ExecutionCase good;
    good.items = {Item(DebtKind::Principal, "10000", "2024-03-31"),
                  Item(DebtKind::Damages, "500", "2024-03-31")};
    good.credits = {Paid("2024-05-01", "100"), Paid("2024-06-01", "100"), Paid("2024-07-01", "100")};
    good.excluded = {{Day("2024-08-01"), Day("2024-08-31")}, {Day("2024-10-01"), Day("2024-10-31")}};
    good.calculationDay = Day("2024-12-31");
    QVERIFY(ComputeExecutionLedger(good, m_history).error.isEmpty());

    auto row = [&](const char *name, auto change, const char *message) {
        ExecutionCase c = good;
        change(c);
        QTest::newRow(name) << c << QString::fromUtf8(message);
    };
    row(
        "a credit of zero", [](ExecutionCase &c) { c.credits[2].amount = 0; }, "还款第3行：金额必须大于零。");
    row(
        "a credit in fractions of a fen", [](ExecutionCase &c) { c.credits[0].amount = Exact("0.005"); },
        "还款第1行：金额只能精确到分。");
    row(
        "a credit without a day", [](ExecutionCase &c) { c.credits[1].day = QDate(); },
        "还款第2行：日期无效。");
    row(
        "a credit before 2014-08-01", [](ExecutionCase &c) { c.credits[1].day = Day("2014-07-31"); },
        "还款第2行：2014年8月1日以前的还款依法释〔2014〕8号 第七条适用此前的司法解释"
        "（还款在债务与迟延履行期间的债务利息之间按比例清偿），本计算不能计算此类案件。");
    row(
        "a credit before the rates begin", [](ExecutionCase &c) { c.credits[0].day = Day("1999-06-09"); },
        "还款第1行：日期须在1999年6月10日至9999年12月31日之间。");
    row(
        "an item of zero", [](ExecutionCase &c) { c.items[1].amount = 0; },
        "债务项目第2行：金额必须大于零。");
    row(
        "an item's day after the calendar ends",
        [](ExecutionCase &c) { c.items[0].lastPerformanceDay = QDate(10000, 1, 1); },
        "债务项目第1行：履行期限最后一日须在1999年6月10日至9999年12月31日之间。");
    row(
        "no principal", [](ExecutionCase &c) { c.items.removeFirst(); }, "债务项目：至少需要一项本金。");
    row(
        "an excluded period ending before it starts",
        [](ExecutionCase &c) {
            c.excluded[1] = {Day("2024-10-31"), Day("2024-10-01")};
        },
        "不计期间第2行：最后一日早于第一日。");
    row(
        "overlapping excluded periods", [](ExecutionCase &c) { c.excluded[1].first = Day("2024-08-31"); },
        "不计期间第2行：与第1行重叠。");
    row(
        "no calculation day", [](ExecutionCase &c) { c.calculationDay = QDate(); }, "计算日：日期无效。");
    row(
        "general interest from no day", [](ExecutionCase &c) { c.generalInterest.awarded = true; },
        "一般债务利息：起算日无效。");
    row(
        "general interest at a rate of zero",
        [](ExecutionCase &c) { c.generalInterest = FixedRate("2024-01-01", "0", 360); },
        "一般债务利息：年利率必须大于零。");
    row(
        "general interest by the term of the whole period",
        [](ExecutionCase &c) {
            c.generalInterest.awarded = true;
            c.generalInterest.from = Day("2024-01-01");
            c.generalInterest.basis = RateBasis::ByTerm;
        },
        "一般债务利息：分次清偿时没有一个确定的期间可定利率档次，请选择一年期或五年期以上的利率。");
    row(
        "general interest times zero",
        [](ExecutionCase &c) {
            c.generalInterest = FixedRate("2024-01-01", "4", 360);
            c.generalInterest.multiplier = 0;
        },
        "一般债务利息：倍数必须大于零。");
    row(
        "a year of 300 days", [](ExecutionCase &c) { c.generalInterest = FixedRate("2024-01-01", "4", 300); },
        "一般债务利息：每年天数只能是360或365。");
    // The first fault in the order the window shows the tables.
    row(
        "the first of several faults",
        [](ExecutionCase &c) {
            c.credits[0].amount = 0;
            c.items[1].amount = 0;
        },
        "债务项目第2行：金额必须大于零。");
}

void ExecutionLedgerTest::refused()
{
    QFETCH(ExecutionCase, input);
    QFETCH(QString, message);

    const ExecutionLedger ledger = ComputeExecutionLedger(input, m_history);
    QCOMPARE(ledger.error, message);
    QVERIFY(ledger.doubled.isEmpty());
    QVERIFY(ledger.credits.isEmpty());
    QVERIFY(ledger.owedItems.isEmpty());
    QCOMPARE(ledger.owedTotal, Money());
}

// The intervals between the days of change give what counting every day
// gives, for random cases since the LPR (the stable sort of same-day credits
// and the order of the set-off included).
void ExecutionLedgerTest::agreesWithCountingDayByDay()
{
    CaseGenerator generator(20140801);
    for (int n = 0; n < 60; ++n) {
        const ExecutionCase c = generator.next(true);
        const ExecutionLedger ledger = ComputeExecutionLedger(c, m_history);
        QVERIFY2(ledger.error.isEmpty(), qPrintable(ledger.error));
        const Reference reference = DayByDay(c, m_history);
        QCOMPARE(Applied(ledger), Applied(reference.credits));
        QCOMPARE(Figures({ledger.owedGeneralInterest, ledger.owedDoubled}),
                 Figures({reference.owedGeneral, reference.owedDoubled}));
        QCOMPARE(ledger.owedItems, reference.unpaid);
    }
}

// For any case: every fen credited and every fen still owed together make
// the debt and all the interest accrued; nothing owed goes below zero or off
// the fen; the doubled segments hold the doubled interest before rounding;
// and paying more never leaves more owed.
void ExecutionLedgerTest::propertiesOfGeneratedCases()
{
    CaseGenerator generator(19990610);
    int withCredits = 0, withSurplus = 0;
    for (int n = 0; n < 300; ++n) {
        const ExecutionCase c = generator.next(n % 2 == 0);
        const ExecutionLedger ledger = ComputeExecutionLedger(c, m_history);
        QVERIFY2(ledger.error.isEmpty(), qPrintable(ledger.error));

        Money credited, debt;
        for (const CreditApplied &applied : ledger.credits) {
            credited += applied.amount - applied.surplus;
            QVERIFY(applied.owedAfter >= 0);
            QVERIFY(applied.surplus >= 0);
            QVERIFY(applied.surplus == 0 || applied.owedAfter == 0);
            QCOMPARE(Sum(applied.toItems), applied.toCosts + applied.toPrincipal);
            withSurplus += applied.surplus > 0;
        }
        withCredits += !ledger.credits.isEmpty();
        for (const DebtItem &item : c.items)
            debt += item.amount;
        QCOMPARE(credited + ledger.owedTotal, debt + ledger.accruedGeneralInterest + ledger.accruedDoubled);
        QCOMPARE(ledger.owedTotal,
                 ledger.owedCosts + ledger.owedGeneralInterest + ledger.owedPrincipal + ledger.owedDoubled);
        for (const Money &owed :
             {ledger.owedCosts, ledger.owedGeneralInterest, ledger.owedPrincipal, ledger.owedDoubled}) {
            QVERIFY(owed >= 0);
            QVERIFY(IsWholeFen(owed));
        }
        for (qsizetype i = 0; i < c.items.size(); ++i)
            QVERIFY(ledger.owedItems[i] >= 0 && ledger.owedItems[i] <= c.items[i].amount);

        // Rounded once per credit and once more on the calculation day, the
        // doubled interest owed lies within half a fen a rounding of the
        // exact sum of the segments.
        Money segments;
        for (const DoubledSegment &segment : ledger.doubled) {
            segments += segment.interest;
            QCOMPARE(segment.days, int(segment.first.daysTo(segment.last)) + 1);
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
        QVERIFY(after.error.isEmpty());
        QVERIFY2(after.owedTotal <= ledger.owedTotal,
                 qPrintable(QStringLiteral("case %1, credit %2: %3 > %4")
                                .arg(n)
                                .arg(k + 1)
                                .arg(MoneyToFigures(after.owedTotal), MoneyToFigures(ledger.owedTotal))));

        // Money paid on one day is set off as one sum: the order the
        // credits were entered in, or one credit entered as two parts on its
        // day, leaves the same owed.
        ExecutionCase reordered = c;
        std::reverse(reordered.credits.begin(), reordered.credits.end());
        const Credit whole = c.credits[k];
        const int wholeFen = int(mpq_class(whole.amount.exact() * 100).get_num().get_si());
        if (wholeFen > 1) {
            const Money part = Money::fraction(long(generator.random().bounded(1, wholeFen)), 100);
            reordered.credits.append({whole.day, part});
            reordered.credits[c.credits.size() - 1 - k].amount -= part;
        }
        const ExecutionLedger same = ComputeExecutionLedger(reordered, m_history);
        QCOMPARE(Owed(same), Owed(ledger));
        QCOMPARE(same.owedItems, ledger.owedItems);
    }
    // The cases reach what they are meant to check.
    QVERIFY(withCredits > 150);
    QVERIFY(withSurplus > 10);
}

// A debt due at the start of 2000 with general interest at the rates in
// force, three instalments, costs, two suspensions and 100 credits from
// 2014-08-01 to the end of 2029: what a keystroke in the window recomputes.
void ExecutionLedgerTest::hundredCreditsOverThirtyYears()
{
    ExecutionCase c;
    c.items = {
        Item(DebtKind::Principal, "1000000", "1999-12-31"), Item(DebtKind::Principal, "500000", "2001-06-30"),
        Item(DebtKind::Principal, "500000", "2003-06-30"), Item(DebtKind::Damages, "80000", "1999-12-31"),
        Item(DebtKind::LitigationCost, "13800", "1999-12-31")};
    c.generalInterest.awarded = true;
    c.generalInterest.from = Day("2000-01-01");
    c.generalInterest.multiplier = Exact("1.5");
    c.excluded = {{Day("2005-03-01"), Day("2006-02-28")}, {Day("2016-05-01"), Day("2016-10-31")}};
    for (int i = 0; i < 100; ++i)
        c.credits.append({QDate(2014, 8, 1).addDays(i * 56), Exact("15000")});
    c.calculationDay = Day("2029-12-31");

    const ExecutionLedger first = ComputeExecutionLedger(c, m_history);
    QCOMPARE(first.error, QString());
    QCOMPARE(first.credits.size(), 100);
    QVERIFY(first.doubled.size() > 100);
    // Doubled days from 2000 fall before the reply of 2009; general interest
    // to 2029 runs past the last published rate.
    QVERIFY(first.startsBeforeReplyOf2009);
    QVERIFY(first.beyondKnownData);
    QCOMPARE(first.knownThrough, m_history.knownThrough);
    QBENCHMARK {
        ComputeExecutionLedger(c, m_history);
    }
}

QTEST_GUILESS_MAIN(ExecutionLedgerTest)
#include "tst_execution_ledger.moc"
