#pragma once

// Interest computed day by day at the rates in force on each day, split into
// segments wherever the applied rate or the rule changes. Every day of the
// period counts, the first and the last included, unless the terms say
// 算头不算尾; the total is the exact sum of the segments, to be rounded once
// where it is shown.

#include "interest/rate_history.h"
#include "money/money.h"

#include <QDate>
#include <QList>
#include <QString>

namespace pellumo {

// Which published rate a judgment's "按同期贷款利率" refers to.
enum class RateBasis {
    OneYear,        // 六个月至一年, from 2014-11-22 一年以内; the one-year LPR from 2019-08-20
    OverFiveYears,  // 五年以上; the over-five-year LPR from 2019-08-20
    ByTerm,         // the band of the whole period; from 2019-08-20 the one-year LPR up to
                    // 三至五年 and the over-five-year LPR above
};

// Days in a row at one rate under one rule. `basis` names the band or the
// LPR in Chinese ("一至三年（含三年）", "一年期LPR"); `annualRate` is the
// published annual rate in percent as an exact decimal text ("6.15"). For the
// doubled interest from 2014-08-01 the basis is DailyDelayRateBasis and
// `annualRate` holds the rate per day instead, DailyDelayRatePercent ("0.0175").
struct InterestSegment {
    QDate first, last;
    int days = 0;
    QString basis;
    QString annualRate;
    Money interest;
};

// When a contract's floating rate follows the published rate.
enum class Repricing {
    EachFixing,  // 随每次公布调整: a day takes the rate in force on that day
    Yearly,      // 每年重定价: on a given month and day each year (公告〔2019〕第30号)
    Fixed,       // 固定: the rate in force on the start day, for the whole period
};

inline constexpr int MaxBasisPoints = 10000;  // 加点 lies within ±MaxBasisPoints

// How a judgment or contract states a rate in force: the rate of a day is the
// published rate on its lookup day × multiplier + basisPoints ÷ 100
// percentage points. "上浮50%" is multiplier 1.5; "加50个基点" is
// basisPoints 50, i.e. +0.50 percentage points.
struct RateTerms {
    RateBasis basis = RateBasis::OneYear;
    Money multiplier = 1;                        // 倍数, positive
    int basisPoints = 0;                         // 加点, −MaxBasisPoints..MaxBasisPoints
    Repricing repricing = Repricing::EachFixing;
    int repricingMonth = 1, repricingDay = 1;    // Yearly only; 29 February falls on 28 February in other years
    int daysPerYear = 360;                       // 360 or 365
    bool countLastDay = true;                    // false: 算头不算尾, `last` bears no interest
};

// The repricing day of `year` for a yearly repricing on month/day, or an
// invalid date when month/day is no day of any year (2-30, 4-31, 13-1).
QDate RepricingDayOf(int year, int month, int day);

struct SegmentedInterest {
    enum class Outcome {
        Complete,
        EndBeforeStart,
        BeforeHistory,   // a day before 1999-06-10
        InvalidTerms,    // basis points out of range, a multiplier not above zero, no such repricing day
        NegativeRate,    // the applied rate of negativeRateDay is below zero
    };
    Outcome outcome = Outcome::EndBeforeStart;
    QDate negativeRateDay;  // NegativeRate: the first day whose applied rate is below zero
    QList<InterestSegment> segments;
    Money total;
    // Some day lies after the history's known-through date and took the last
    // known rate; the result must say "利率数据截至" that date.
    bool beyondKnownData = false;
};

// Interest at the rates in force (按同期利率分段计息): each day
// principal × annual rate of the day ÷ 100 × multiplier ÷ daysPerYear.
// daysPerYear is 360 or 365 (any other value counts as 360); the multiplier is
// any positive decimal (1, 1.3, 1.5, 4).
SegmentedInterest InterestAtRatesInForce(const Money &principal, const QDate &first, const QDate &last, RateBasis basis,
                                         const Money &multiplier, int daysPerYear, const RateHistory &history);

// The same under a contract's terms: each day
// principal × (published rate on the lookup day × multiplier + basisPoints ÷ 100) ÷ 100 ÷ daysPerYear.
// The lookup day is the day itself (EachFixing), `first` (Fixed), or the
// latest repricing day in (first, day], else `first` (Yearly). With
// countLastDay false the days run from `first` to the day before `last`, so
// a period of one day has no interest days and no segments. A segment's
// `annualRate` is the published rate it applies.
SegmentedInterest InterestAtRatesInForce(const Money &principal, const QDate &first, const QDate &last,
                                         const RateTerms &terms, const RateHistory &history);

// The doubled part of the debt interest for delayed performance
// (加倍部分债务利息). Days before 2014-08-01 (法释〔2014〕8号 第七条) at twice the
// benchmark rate of the day ÷ 360, in the band of that part of the period;
// days from 2014-08-01 at 0.0175% of the principal per day (its 第一条). The
// later days use no published rate, so only the earlier ones can lie beyond
// the history's data.
SegmentedInterest DoubledDelayInterestInForce(const Money &principal, const QDate &first, const QDate &last,
                                              const RateHistory &history);

// The day 法释〔2014〕8号 took effect: from it the doubled interest is 0.0175% a day.
QDate DailyDelayRateStart();
inline constexpr char16_t DailyDelayRateBasis[] = u"日万分之一点七五";
inline constexpr char16_t DailyDelayRatePercent[] = u"0.0175";

// Whether a delay starting on `first` begins before 2009-05-18, when the reply
// 法释〔2009〕6号 took effect: the result must then say that the earlier days
// fall under the rules before that reply and are computed here with the
// benchmark rate.
bool StartsBeforeReplyOf2009(const QDate &first);

} // namespace pellumo
