#include "interest/execution_ledger.h"

#include "interest/interest_wording.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace pellumo {
namespace {

// Every day of a case lies where the published rates start and QDate's
// calendar of four-digit years ends.
QDate LastAcceptedDay()
{
    return QDate(9999, 12, 31);
}

const QString &RangeText()
{
    static const QString text = QStringLiteral("须在1999年6月10日至9999年12月31日之间");
    return text;
}

QString RowFault(const QString &table, int row, const QString &what)
{
    return QStringLiteral("%1第%2行：%3。").arg(table).arg(row).arg(what);
}

bool WholeFen(const Money &amount)
{
    const mpq_class fen = amount.exact() * 100;
    return fen.get_den() == 1;
}

// Empty when the day is usable; what is wrong with it otherwise.
QString DayFault(const QDate &day)
{
    if (!day.isValid())
        return QStringLiteral("无效");
    if (day < RateHistoryStart() || day > LastAcceptedDay())
        return RangeText();
    return {};
}

QString AmountFault(const Money &amount)
{
    if (amount <= 0)
        return QStringLiteral("金额必须大于零");
    if (!WholeFen(amount))
        return QStringLiteral("金额只能精确到分");
    return {};
}

QString ItemsFault(const QList<DebtItem> &items)
{
    const QString table = QStringLiteral("债务项目");
    for (qsizetype i = 0; i < items.size(); ++i) {
        const int row = int(i) + 1;
        if (const QString fault = AmountFault(items[i].amount); !fault.isEmpty())
            return RowFault(table, row, fault);
        if (const QString fault = DayFault(items[i].lastPerformanceDay); !fault.isEmpty())
            return RowFault(table, row, QStringLiteral("履行期限最后一日") + fault);
    }
    const bool anyPrincipal = std::any_of(
        items.cbegin(), items.cend(), [](const DebtItem &item) { return item.kind == DebtKind::Principal; });
    if (!anyPrincipal)
        return QStringLiteral("债务项目：至少需要一项本金。");
    return {};
}

QString GeneralInterestFault(const GeneralInterest &g)
{
    if (!g.awarded)
        return {};
    const QString prefix = QStringLiteral("一般债务利息：");
    if (const QString fault = DayFault(g.from); !fault.isEmpty())
        return prefix + QStringLiteral("起算日") + fault + QStringLiteral("。");
    if (g.fixedAnnualRatePercent && *g.fixedAnnualRatePercent <= 0)
        return prefix + QStringLiteral("年利率必须大于零。");
    if (!g.fixedAnnualRatePercent && g.basis == RateBasis::ByTerm)
        return prefix +
               QStringLiteral("分次清偿时没有一个确定的期间可定利率档次，请选择一年期或五年期以上的利率。");
    if (g.multiplier <= 0)
        return prefix + QStringLiteral("倍数必须大于零。");
    if (g.daysPerYear != 360 && g.daysPerYear != 365)
        return prefix + QStringLiteral("每年天数只能是360或365。");
    if (std::abs(g.basisPoints) > MaxBasisPoints)
        return prefix + QStringLiteral("加点须在-10000至10000个基点之间。");
    if (g.repricing == Repricing::Yearly && !RepricingDayOf(2000, g.repricingMonth, g.repricingDay).isValid())
        return prefix + QStringLiteral("重定价日无效。");
    if (g.fixedAnnualRatePercent &&
        (*g.fixedAnnualRatePercent * g.multiplier + Money::fraction(g.basisPoints, 100)).sign() < 0)
        return prefix + QStringLiteral("年利率加点后低于零。");
    return {};
}

QString CreditsFault(const QList<Credit> &credits)
{
    const QString table = QStringLiteral("还款");
    for (qsizetype i = 0; i < credits.size(); ++i) {
        const int row = int(i) + 1;
        if (const QString fault = DayFault(credits[i].day); !fault.isEmpty())
            return RowFault(table, row, QStringLiteral("日期") + fault);
        if (const QString fault = AmountFault(credits[i].amount); !fault.isEmpty())
            return RowFault(table, row, fault);
        // 第七条: before 2014-08-01 a payment was apportioned between the debt
        // and the doubled interest, which this order of set-off cannot show.
        if (credits[i].day < DailyDelayRateStart())
            return RowFault(
                table, row,
                QStringLiteral(
                    "2014年8月1日以前的还款依法释〔2014〕8号 第七条适用此前的司法解释"
                    "（还款在债务与迟延履行期间的债务利息之间按比例清偿），本计算不能计算此类案件"));
    }
    return {};
}

QString ExcludedFault(const QList<ExcludedPeriod> &excluded)
{
    const QString table = QStringLiteral("不计期间");
    for (qsizetype i = 0; i < excluded.size(); ++i) {
        const int row = int(i) + 1;
        const ExcludedPeriod &period = excluded[i];
        if (const QString fault = DayFault(period.first); !fault.isEmpty())
            return RowFault(table, row, QStringLiteral("第一日") + fault);
        if (const QString fault = DayFault(period.last); !fault.isEmpty())
            return RowFault(table, row, QStringLiteral("最后一日") + fault);
        if (period.last < period.first)
            return RowFault(table, row, QStringLiteral("最后一日早于第一日"));
        for (qsizetype j = 0; j < i; ++j) {
            if (excluded[j].first <= period.last && period.first <= excluded[j].last)
                return RowFault(table, row, QStringLiteral("与第%1行重叠").arg(j + 1));
        }
    }
    return {};
}

QString CaseFault(const ExecutionCase &c)
{
    for (const QString &fault : {ItemsFault(c.items), GeneralInterestFault(c.generalInterest),
                                 CreditsFault(c.credits), ExcludedFault(c.excluded)}) {
        if (!fault.isEmpty())
            return fault;
    }
    if (const QString fault = DayFault(c.calculationDay); !fault.isEmpty())
        return QStringLiteral("计算日：日期") + fault + QStringLiteral("。");
    return {};
}

// The doubled interest of one item a day before 2014-08-01, constant from
// `first` to the next part's first day.
struct EarlierRatePart {
    QDate first, last;
    Money perDay;
    QString basis, rate;
};

// The first day from `from` on whose rate is looked up after the last known
// one, or an invalid day when none is.
QDate FirstDayBeyondData(const RateTerms &terms, const QDate &from, const QDate &knownThrough)
{
    if (from > knownThrough)
        return from;
    switch (terms.repricing) {
    case Repricing::EachFixing:
        return knownThrough.addDays(1);
    case Repricing::Yearly: {
        const QDate thisYear = RepricingDayOf(knownThrough.year(), terms.repricingMonth, terms.repricingDay);
        return thisYear > knownThrough ? thisYear
                                       : RepricingDayOf(knownThrough.year() + 1, terms.repricingMonth, terms.repricingDay);
    }
    case Repricing::Fixed:
        break;
    }
    return {};
}

// The general interest of one unit of principal a day, constant from `first`
// to `last`.
struct GeneralRatePart {
    QDate first, last;
    Money perDay;
};

// Accrues and sets off a validated case, credit by credit, by the intervals
// between the days where something changes, never day by day.
class Ledger
{
public:
    Ledger(const ExecutionCase &c, const RateHistory &history) : m_case(c), m_history(history)
    {
        const qsizetype n = c.items.size();
        m_unpaid.reserve(n);
        for (const DebtItem &item : c.items)
            m_unpaid.append(item.amount);
        QList<int> order(n);
        std::iota(order.begin(), order.end(), 0);
        // 民法典 第五百六十条第二款: the debt due first is paid first; among
        // debts due on one day, the order entered.
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return c.items[a].lastPerformanceDay < c.items[b].lastPerformanceDay;
        });
        for (int i : order)
            (IsCostKind(c.items[i].kind) ? m_costOrder : m_mainOrder).append(i);
        m_excluded = c.excluded;
        std::sort(m_excluded.begin(), m_excluded.end(),
                  [](const ExcludedPeriod &a, const ExcludedPeriod &b) { return a.first < b.first; });
        prepareGeneralRates();
        prepareDailyRate();
        prepareEarlierRates();
        prepareCuts();
    }

    QString run(ExecutionLedger &out)
    {
        out.credits.reserve(m_case.credits.size());
        out.doubled.reserve(m_case.credits.size() + m_cuts.size() + 1);
        QList<int> creditOrder(m_case.credits.size());
        std::iota(creditOrder.begin(), creditOrder.end(), 0);
        std::stable_sort(creditOrder.begin(), creditOrder.end(),
                         [&](int a, int b) { return m_case.credits[a].day < m_case.credits[b].day; });
        for (int k : creditOrder) {
            const Credit &credit = m_case.credits[k];
            if (credit.day > m_case.calculationDay)
                break;
            CreditApplied applied;
            applied.day = credit.day;
            applied.amount = credit.amount;
            applied.row = k + 1;
            if (!accrueThrough(credit.day, out, applied.generalInterestAccrued, applied.doubledAccrued))
                return m_fault;
            apply(credit.amount, applied);
            applied.owedAfter = owedTotal();
            out.credits.append(std::move(applied));
        }
        Money general, doubled;
        if (!accrueThrough(m_case.calculationDay, out, general, doubled))
            return m_fault;
        for (int i : m_costOrder)
            out.owedCosts += m_unpaid[i];
        for (int i : m_mainOrder)
            out.owedPrincipal += m_unpaid[i];
        out.owedGeneralInterest = m_owedGeneral;
        out.owedDoubled = m_owedDoubled;
        out.owedTotal = owedTotal();
        out.accruedGeneralInterest = m_accruedGeneral;
        out.accruedDoubled = m_accruedDoubled;
        out.owedItems = m_unpaid;
        out.beyondKnownData = m_beyondKnownData;
        out.knownThrough = m_history.knownThrough;
        out.startsBeforeReplyOf2009 =
            !out.doubled.isEmpty() && StartsBeforeReplyOf2009(out.doubled.first().first);
        return {};
    }

private:
    QDate doubledFrom(int i) const { return m_case.items[i].lastPerformanceDay.addDays(1); }

    bool inDoubledBase(int i) const { return m_case.items[i].inDoubledBase; }

    // The rates of the days in force, looked up once for the whole period:
    // the interest is linear in the principal, so each interval between
    // credits takes its base times the rate of one unit.
    void prepareGeneralRates()
    {
        const GeneralInterest &g = m_case.generalInterest;
        if (!g.awarded || g.from > m_case.calculationDay)
            return;
        if (g.fixedAnnualRatePercent) {
            const Money percent = *g.fixedAnnualRatePercent * g.multiplier + Money::fraction(g.basisPoints, 100);
            m_generalRates.append({g.from, m_case.calculationDay, percent / 100 / Money(g.daysPerYear)});
            return;
        }
        // The rate of every day up to the calculation day, that one included:
        // which days count is decided as the interest accrues.
        const RateTerms terms{g.basis,          g.multiplier,     g.basisPoints, g.repricing,
                              g.repricingMonth, g.repricingDay,   g.daysPerYear, true};
        const SegmentedInterest unit = InterestAtRatesInForce(Money(1), g.from, m_case.calculationDay, terms, m_history);
        if (unit.outcome == SegmentedInterest::Outcome::NegativeRate) {
            m_fault = QStringLiteral("一般债务利息：") + NegativeRateText(unit.negativeRateDay) + QStringLiteral("。");
            return;
        }
        if (unit.outcome != SegmentedInterest::Outcome::Complete) {
            m_fault = QStringLiteral("利率数据中没有%1的利率。").arg(g.from.toString(Qt::ISODate));
            return;
        }
        for (const InterestSegment &segment : unit.segments)
            m_generalRates.append({segment.first, segment.last, segment.interest / Money(segment.days)});
        m_generalBeyondDataFrom = FirstDayBeyondData(terms, g.from, m_history.knownThrough);
    }

    // 第一条: from 2014-08-01 one rate a day, whatever the day.
    void prepareDailyRate()
    {
        if (m_case.calculationDay < DailyDelayRateStart())
            return;
        const SegmentedInterest unit =
            DoubledDelayInterestInForce(Money(1), DailyDelayRateStart(), DailyDelayRateStart(), m_history);
        if (unit.outcome != SegmentedInterest::Outcome::Complete || unit.segments.size() != 1) {
            m_fault = QStringLiteral("利率数据中没有迟延履行期间的债务利息的利率。");
            return;
        }
        m_dailyRate = unit.segments.first().interest;
        m_dailyBasis = unit.segments.first().basis;
        m_dailyRateText = unit.segments.first().annualRate;
    }

    // 第七条: the days before 2014-08-01 at twice the benchmark rate of the
    // band of the item's delay up to that day. No credit precedes that day,
    // so each item is owed in full on all of them.
    void prepareEarlierRates()
    {
        m_earlier.resize(m_case.items.size());
        const QDate lastEarlier = std::min(DailyDelayRateStart().addDays(-1), m_case.calculationDay);
        for (qsizetype i = 0; i < m_case.items.size(); ++i) {
            const QDate first = doubledFrom(int(i));
            if (!inDoubledBase(int(i)) || first > lastEarlier)
                continue;
            const SegmentedInterest interest =
                DoubledDelayInterestInForce(m_case.items[i].amount, first, lastEarlier, m_history);
            if (interest.outcome != SegmentedInterest::Outcome::Complete) {
                m_fault = QStringLiteral("利率数据中没有%1的基准利率。").arg(first.toString(Qt::ISODate));
                return;
            }
            m_beyondKnownData = m_beyondKnownData || interest.beyondKnownData;
            for (const InterestSegment &segment : interest.segments)
                m_earlier[i].append({segment.first, segment.last, segment.interest / Money(segment.days),
                                     segment.basis, segment.annualRate});
        }
    }

    // The first days of new pieces of the doubled interest.
    void prepareCuts()
    {
        QList<QDate> cuts{DailyDelayRateStart()};
        for (qsizetype i = 0; i < m_case.items.size(); ++i) {
            cuts.append(doubledFrom(int(i)));
            for (const EarlierRatePart &part : m_earlier[i])
                cuts << part.first << part.last.addDays(1);
        }
        for (const ExcludedPeriod &period : m_excluded)
            cuts << period.first << period.last.addDays(1);
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        m_cuts = std::move(cuts);
    }

    bool excludedDay(const QDate &day) const
    {
        auto after = std::upper_bound(m_excluded.cbegin(), m_excluded.cend(), day,
                                      [](const QDate &d, const ExcludedPeriod &p) { return d < p.first; });
        return after != m_excluded.cbegin() && (after - 1)->last >= day;
    }

    Money owedTotal() const
    {
        Money total = m_owedGeneral + m_owedDoubled;
        for (const Money &unpaid : m_unpaid)
            total += unpaid;
        return total;
    }

    // Accrues the days after those already counted up to `day`, rounds each
    // kind once and adds it to what is owed.
    bool accrueThrough(const QDate &day, ExecutionLedger &out, Money &general, Money &doubled)
    {
        if (!m_fault.isEmpty())
            return false;
        const QDate first = m_countedThrough.isValid() ? m_countedThrough.addDays(1) : RateHistoryStart();
        Money exactGeneral, exactDoubled;
        if (first <= day) {
            exactDoubled = doubledInterest(first, day, out.doubled);
            m_countedThrough = day;
        }
        // 算头不算尾: the day of a credit bears general interest only after
        // the credit is applied, at the reduced balance.
        const QDate generalLast = m_case.generalInterest.countLastDay ? day : day.addDays(-1);
        const QDate generalFirst =
            m_generalCountedThrough.isValid() ? m_generalCountedThrough.addDays(1) : RateHistoryStart();
        if (generalFirst <= generalLast) {
            exactGeneral = generalInterest(generalFirst, generalLast);
            m_generalCountedThrough = generalLast;
        }
        if (!m_fault.isEmpty())
            return false;
        general = exactGeneral.roundedToFen();
        doubled = exactDoubled.roundedToFen();
        m_owedGeneral += general;
        m_accruedGeneral += general;
        m_owedDoubled += doubled;
        m_accruedDoubled += doubled;
        m_creditIntervalStart = out.doubled.size();
        return true;
    }

    Money generalInterest(QDate first, const QDate &last)
    {
        const GeneralInterest &g = m_case.generalInterest;
        if (!g.awarded)
            return {};
        first = std::max(first, g.from);
        if (first > last)
            return {};
        Money base;
        for (qsizetype i = 0; i < m_case.items.size(); ++i) {
            if (m_case.items[i].kind == DebtKind::Principal)
                base += m_unpaid[i];
        }
        if (base == 0)
            return {};
        Money perUnit;
        auto part = std::lower_bound(m_generalRates.cbegin(), m_generalRates.cend(), first,
                                     [](const GeneralRatePart &p, const QDate &day) { return p.last < day; });
        for (; part != m_generalRates.cend() && part->first <= last; ++part) {
            const QDate from = std::max(first, part->first);
            const QDate to = std::min(last, part->last);
            perUnit += part->perDay * Money(int(from.daysTo(to)) + 1);
        }
        if (m_generalBeyondDataFrom.isValid() && last >= m_generalBeyondDataFrom)
            m_beyondKnownData = true;
        return base * perUnit;
    }

    Money doubledInterest(const QDate &first, const QDate &last, QList<DoubledSegment> &segments)
    {
        Money total;
        QDate start = first;
        while (start <= last) {
            auto next = std::upper_bound(m_cuts.cbegin(), m_cuts.cend(), start);
            const QDate end = next == m_cuts.cend() ? last : std::min(last, next->addDays(-1));
            if (!excludedDay(start))
                total += doubledPiece(start, end, segments);
            if (!m_fault.isEmpty())
                return {};
            start = end.addDays(1);
        }
        return total;
    }

    // One run of days with nothing changing: no item falls due, no period
    // is excluded or ends, no published rate changes.
    Money doubledPiece(const QDate &first, const QDate &last, QList<DoubledSegment> &segments)
    {
        const int days = int(first.daysTo(last)) + 1;
        if (first >= DailyDelayRateStart()) {
            Money base;
            for (qsizetype i = 0; i < m_case.items.size(); ++i) {
                if (inDoubledBase(int(i)) && doubledFrom(int(i)) <= first)
                    base += m_unpaid[i];
            }
            if (base == 0)
                return {};
            const Money interest = base * m_dailyRate * Money(days);
            addSegment(segments, {first, last, days, base, interest, m_dailyBasis, m_dailyRateText});
            return interest;
        }
        // Before 2014-08-01 the items may be in different bands: one segment
        // per band and rate, in the order the items were entered.
        struct Group {
            QString basis, rate;
            Money base, perDay;
        };
        QList<Group> groups;
        for (qsizetype i = 0; i < m_case.items.size(); ++i) {
            if (!inDoubledBase(int(i)) || doubledFrom(int(i)) > first)
                continue;
            const QList<EarlierRatePart> &parts = m_earlier[i];
            auto part = std::find_if(parts.cbegin(), parts.cend(), [&](const EarlierRatePart &p) {
                return p.first <= first && first <= p.last;
            });
            if (part == parts.cend())
                continue;
            auto group = std::find_if(groups.begin(), groups.end(), [&](const Group &g) {
                return g.basis == part->basis && g.rate == part->rate;
            });
            if (group == groups.end()) {
                groups.append({part->basis, part->rate, {}, {}});
                group = groups.end() - 1;
            }
            group->base += m_unpaid[i];
            group->perDay += part->perDay;
        }
        Money total;
        for (const Group &group : groups) {
            const Money interest = group.perDay * Money(days);
            addSegment(segments, {first, last, days, group.base, interest, group.basis, group.rate});
            total += interest;
        }
        return total;
    }

    // Joins a piece to the segment it continues (same base, same rate, the
    // day before, since the last credit); appends it otherwise.
    void addSegment(QList<DoubledSegment> &segments, const DoubledSegment &piece)
    {
        for (qsizetype i = segments.size() - 1; i >= m_creditIntervalStart; --i) {
            DoubledSegment &s = segments[i];
            if (s.last.addDays(1) == piece.first && s.base == piece.base && s.basis == piece.basis &&
                s.rate == piece.rate) {
                s.last = piece.last;
                s.days += piece.days;
                s.interest += piece.interest;
                return;
            }
        }
        segments.append(piece);
    }

    // 法释〔2014〕8号 第四条 and 民法典 第五百六十一条: costs first, then the
    // general interest and the principal items in the chosen order, the
    // doubled interest last; what is left over is surplus.
    void apply(const Money &amount, CreditApplied &applied)
    {
        Money left = amount;
        auto pay = [&left](Money &owed) {
            const Money paid = std::min(left, owed);
            owed -= paid;
            left -= paid;
            return paid;
        };
        applied.toItems = QList<Money>(m_unpaid.size());
        auto payItems = [&](const QList<int> &order, Money &to) {
            for (int i : order) {
                const Money paid = pay(m_unpaid[i]);
                applied.toItems[i] += paid;
                to += paid;
            }
        };
        payItems(m_costOrder, applied.toCosts);
        if (m_case.order == SetOffOrder::CostsInterestPrincipal) {
            applied.toGeneralInterest = pay(m_owedGeneral);
            payItems(m_mainOrder, applied.toPrincipal);
        } else {
            payItems(m_mainOrder, applied.toPrincipal);
            applied.toGeneralInterest = pay(m_owedGeneral);
        }
        applied.toDoubled = pay(m_owedDoubled);
        applied.surplus = left;
    }

    const ExecutionCase &m_case;
    const RateHistory &m_history;
    QList<Money> m_unpaid;
    QList<int> m_costOrder, m_mainOrder;
    QList<ExcludedPeriod> m_excluded;
    QList<QList<EarlierRatePart>> m_earlier;
    QList<QDate> m_cuts;
    QList<GeneralRatePart> m_generalRates;
    QDate m_generalBeyondDataFrom;  // the first day of general interest at a rate past the data
    QDate m_generalCountedThrough;
    Money m_dailyRate;
    QString m_dailyBasis, m_dailyRateText;
    QDate m_countedThrough;
    qsizetype m_creditIntervalStart = 0;
    Money m_owedGeneral, m_owedDoubled, m_accruedGeneral, m_accruedDoubled;
    bool m_beyondKnownData = false;
    QString m_fault;
};

} // namespace

bool InDoubledBaseByDefault(DebtKind kind)
{
    return !IsCostKind(kind);
}

bool IsCostKind(DebtKind kind)
{
    return kind == DebtKind::LitigationCost || kind == DebtKind::AppraisalCost;
}

ExecutionLedger ComputeExecutionLedger(const ExecutionCase &c, const RateHistory &history)
{
    ExecutionLedger ledger;
    if (QString fault = CaseFault(c); !fault.isEmpty()) {
        ledger.error = std::move(fault);
        return ledger;
    }
    ExecutionLedger computed;
    Ledger run(c, history);
    if (QString fault = run.run(computed); !fault.isEmpty()) {
        ledger.error = std::move(fault);
        return ledger;
    }
    return computed;
}

} // namespace pellumo
