#include "interest/segmented_interest.h"

#include "interest/elapsed_period.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace pellumo {
namespace {

// One published rate of the chosen basis, in force from its date until the
// next entry. The names and rates stay in the history and in static texts, so
// building a schedule copies neither.
struct ScheduleEntry {
    QDate from;
    const QString *basis;
    const PublishedRate *rate;
};

using Schedule = QList<ScheduleEntry>;

const QString &BenchmarkBandName(RateBand band)
{
    static const std::array<QString, 5> names = {RateBandLabel(RateBand::UpToSixMonths),
                                                 RateBandLabel(RateBand::SixMonthsToOneYear),
                                                 RateBandLabel(RateBand::OneToThreeYears),
                                                 RateBandLabel(RateBand::ThreeToFiveYears),
                                                 RateBandLabel(RateBand::OverFiveYears)};
    return names[std::size_t(band) - 1];
}

// After the merge of 2014-11-22 the bands carry the merged names.
const QString &MergedBandName(RateBand band)
{
    static const QString upToOneYear = QStringLiteral("一年以内（含一年）");
    static const QString oneToFiveYears = QStringLiteral("一至五年（含五年）");
    switch (band) {
    case RateBand::UpToSixMonths:
    case RateBand::SixMonthsToOneYear:
        return upToOneYear;
    case RateBand::OneToThreeYears:
    case RateBand::ThreeToFiveYears:
        return oneToFiveYears;
    case RateBand::OverFiveYears:
        break;
    }
    return BenchmarkBandName(RateBand::OverFiveYears);
}

const QString &LoanPrimeRateName(bool overFiveYears)
{
    static const QString oneYear = QStringLiteral("一年期LPR");
    static const QString overFive = QStringLiteral("五年期以上LPR");
    return overFiveYears ? overFive : oneYear;
}

// The benchmark rate of the band until the LPR takes over; from then on the
// one-year LPR for terms up to five years and the over-five-year LPR above.
Schedule ScheduleOfBand(const RateHistory &history, RateBand band)
{
    Schedule schedule;
    schedule.reserve(history.benchmark.size() + history.loanPrime.size());
    const QDate loanPrimeStart = history.loanPrime.isEmpty() ? QDate() : history.loanPrime.first().from;
    for (const BenchmarkRates &row : history.benchmark) {
        if (loanPrimeStart.isValid() && row.from >= loanPrimeStart)
            break;
        const QString &name = row.from < BenchmarkBandMergeDate() ? BenchmarkBandName(band) : MergedBandName(band);
        schedule.append({row.from, &name, &row.of(band)});
    }
    const bool overFiveYears = band == RateBand::OverFiveYears;
    for (const LoanPrimeRates &row : history.loanPrime)
        schedule.append({row.from, &LoanPrimeRateName(overFiveYears), overFiveYears ? &row.overFiveYears : &row.oneYear});
    return schedule;
}

RateBand BandOfPeriod(const QDate &first, const QDate &last)
{
    return RateBandForPeriod(ElapsedPeriod(first, last)).value_or(RateBand::UpToSixMonths);
}

RateBand BandOfBasis(RateBasis basis, const QDate &first, const QDate &last)
{
    switch (basis) {
    case RateBasis::OneYear:
        return RateBand::SixMonthsToOneYear;
    case RateBasis::OverFiveYears:
        return RateBand::OverFiveYears;
    case RateBasis::ByTerm:
        break;
    }
    return BandOfPeriod(first, last);
}

// The published rate each day looks up under the terms, as a schedule over
// [first, last] whose first entry is in force on `first`: each entry starts
// on the day from which days take that published rate.
Schedule LookedUpSchedule(const Schedule &published, const QDate &first, const QDate &last, const RateTerms &terms)
{
    const auto inForceOn = [&published](const QDate &day) {
        auto entry = std::upper_bound(published.cbegin(), published.cend(), day,
                                      [](const QDate &d, const ScheduleEntry &e) { return d < e.from; });
        return *(entry - 1);
    };
    Schedule schedule{inForceOn(first)};
    schedule.first().from = first;
    switch (terms.repricing) {
    case Repricing::EachFixing:
        for (const ScheduleEntry &entry : published)
            if (entry.from > first && entry.from <= last)
                schedule.append(entry);
        break;
    case Repricing::Yearly:
        for (int year = first.year(); year <= last.year(); ++year) {
            const QDate day = RepricingDayOf(year, terms.repricingMonth, terms.repricingDay);
            if (day > first && day <= last) {
                schedule.append(inForceOn(day));
                schedule.last().from = day;
            }
        }
        break;
    case Repricing::Fixed:
        break;
    }
    return schedule;
}

bool SameRate(const ScheduleEntry &a, const ScheduleEntry &b)
{
    return *a.basis == *b.basis && a.rate->percent == b.rate->percent;
}

InterestSegment MakeSegment(const QDate &first, const QDate &last, const QString &basis, const QString &rate,
                            const Money &interestPerDay)
{
    const int days = int(first.daysTo(last)) + 1;
    return {first, last, days, basis, rate, interestPerDay * days};
}

// The segments of [first, last] under a schedule whose first entry is in force
// on `first`: one per run of days at the same basis and rate, found from the
// dates of change rather than day by day. A day's interest is
// principal × percent × dailyFactor ÷ 100 + spreadPerDay.
QList<InterestSegment> SegmentsOf(const Schedule &schedule, const QDate &first, const QDate &last,
                                  const Money &principal, const Money &dailyFactor, const Money &spreadPerDay = {})
{
    const Money perDayAndPercent = principal * dailyFactor / 100;
    QList<InterestSegment> segments;
    segments.reserve(schedule.size() + 1);  // room for the doubled interest's daily part
    auto entry = std::upper_bound(schedule.cbegin(), schedule.cend(), first,
                                  [](const QDate &day, const ScheduleEntry &e) { return day < e.from; });
    --entry;
    QDate start = first;
    for (;;) {
        auto next = entry + 1;
        while (next != schedule.cend() && next->from <= last && SameRate(*next, *entry))
            ++next;
        const bool endsPeriod = next == schedule.cend() || next->from > last;
        const QDate end = endsPeriod ? last : next->from.addDays(-1);
        segments.append(MakeSegment(start, end, *entry->basis, entry->rate->text,
                                    spreadPerDay == 0 ? perDayAndPercent * entry->rate->percent
                                                      : perDayAndPercent * entry->rate->percent + spreadPerDay));
        if (endsPeriod)
            return segments;
        start = next->from;
        entry = next;
    }
}

Money SumOf(const QList<InterestSegment> &segments)
{
    Money total;
    for (const InterestSegment &segment : segments)
        total += segment.interest;
    return total;
}

// The outcome when the period cannot be computed: nullopt when it can.
std::optional<SegmentedInterest::Outcome> Refusal(const QDate &first, const QDate &last, const RateHistory &history)
{
    if (!first.isValid() || !last.isValid() || last < first)
        return SegmentedInterest::Outcome::EndBeforeStart;
    if (history.benchmark.isEmpty() || first < history.benchmark.first().from)
        return SegmentedInterest::Outcome::BeforeHistory;
    return std::nullopt;
}

SegmentedInterest Refused(SegmentedInterest::Outcome outcome)
{
    SegmentedInterest result;
    result.outcome = outcome;
    return result;
}

SegmentedInterest NegativeFrom(const QDate &day)
{
    SegmentedInterest result = Refused(SegmentedInterest::Outcome::NegativeRate);
    result.negativeRateDay = day;
    return result;
}

bool AreValid(const RateTerms &terms)
{
    const bool repricingDay = terms.repricing != Repricing::Yearly ||
                              RepricingDayOf(2000, terms.repricingMonth, terms.repricingDay).isValid();
    return terms.multiplier.sign() > 0 && std::abs(terms.basisPoints) <= MaxBasisPoints && repricingDay;
}

SegmentedInterest Completed(QList<InterestSegment> segments, bool beyondKnownData)
{
    SegmentedInterest result;
    result.outcome = SegmentedInterest::Outcome::Complete;
    result.total = SumOf(segments);
    result.segments = std::move(segments);
    result.beyondKnownData = beyondKnownData;
    return result;
}

} // namespace

SegmentedInterest InterestAtRatesInForce(const Money &principal, const QDate &first, const QDate &last, RateBasis basis,
                                         const Money &multiplier, int daysPerYear, const RateHistory &history)
{
    return InterestAtRatesInForce(principal, first, last,
                                  RateTerms{basis, multiplier, 0, Repricing::EachFixing, 1, 1, daysPerYear, true}, history);
}

SegmentedInterest InterestAtRatesInForce(const Money &principal, const QDate &first, const QDate &last,
                                         const RateTerms &terms, const RateHistory &history)
{
    if (const auto refusal = Refusal(first, last, history))
        return Refused(*refusal);
    if (!AreValid(terms))
        return Refused(SegmentedInterest::Outcome::InvalidTerms);
    // 算头不算尾: the last day bears none, so a one-day period has no days.
    const QDate lastCounted = terms.countLastDay ? last : last.addDays(-1);
    if (lastCounted < first)
        return Completed({}, false);
    // The term band is that of the whole period as agreed, `last` included.
    const Schedule published = ScheduleOfBand(history, BandOfBasis(terms.basis, first, last));
    const Schedule schedule = LookedUpSchedule(published, first, lastCounted, terms);
    const Money spreadPercent = Money::fraction(terms.basisPoints, 100);
    // Only a negative spread can take a published rate (never below zero) under zero.
    if (terms.basisPoints < 0)
        for (const ScheduleEntry &entry : schedule)
            if ((entry.rate->percent * terms.multiplier + spreadPercent).sign() < 0)
                return NegativeFrom(entry.from);
    const Money perYear = Money(terms.daysPerYear == 365 ? 365 : 360);
    const Money spreadPerDay = terms.basisPoints == 0 ? Money() : principal * spreadPercent / 100 / perYear;
    const QDate lastLookup = terms.repricing == Repricing::EachFixing ? lastCounted : schedule.last().from;
    return Completed(SegmentsOf(schedule, first, lastCounted, principal, terms.multiplier / perYear, spreadPerDay),
                     lastLookup > history.knownThrough);
}

QDate RepricingDayOf(int year, int month, int day)
{
    // A yearly repricing on 29 February falls on 28 February in common years.
    if (month == 2 && day == 29 && !QDate::isLeapYear(year))
        return QDate(year, 2, 28);
    return QDate(year, month, day);
}

SegmentedInterest DoubledDelayInterestInForce(const Money &principal, const QDate &first, const QDate &last,
                                              const RateHistory &history)
{
    if (const auto refusal = Refusal(first, last, history))
        return Refused(*refusal);
    QList<InterestSegment> segments;
    bool beyondKnownData = false;
    // 第七条: the days before 2014-08-01 follow the earlier rule, twice the
    // benchmark rate of the band into which that part of the delay falls.
    if (first < DailyDelayRateStart()) {
        const QDate lastBefore = std::min(last, DailyDelayRateStart().addDays(-1));
        const Schedule schedule = ScheduleOfBand(history, BandOfPeriod(first, lastBefore));
        segments = SegmentsOf(schedule, first, lastBefore, principal, Money::fraction(2, 360));
        beyondKnownData = lastBefore > history.knownThrough;
    }
    // 第一条: from that day exactly 0.0175% of the principal a day.
    if (last >= DailyDelayRateStart()) {
        const QDate start = std::max(first, DailyDelayRateStart());
        const Money perDay = principal * Money::fraction(175, 1000000);
        segments.append(MakeSegment(start, last, QString::fromUtf16(DailyDelayRateBasis),
                                    QString::fromUtf16(DailyDelayRatePercent), perDay));
    }
    return Completed(std::move(segments), beyondKnownData);
}

QDate DailyDelayRateStart()
{
    return QDate(2014, 8, 1);
}

bool StartsBeforeReplyOf2009(const QDate &first)
{
    return first < QDate(2009, 5, 18);
}

} // namespace pellumo
