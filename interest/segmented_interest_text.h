#pragma once

// The texts of a segmented interest calculation: the lines of the result
// memo and the text a user pastes into a document. Each segment's interest is
// shown rounded to the fen; the total is the exact sum of the segments,
// rounded once. The shown segment amounts may therefore add up to a fen or
// more off the total, and both texts then say so and by how much, instead of
// hiding it by rounding the segments to fit.

#include "interest/interest_wording.h"
#include "interest/segmented_interest.h"
#include "money/money.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace pellumo {

// What the user asked for, as the texts name it.
struct SegmentedInterestRequest {
    enum class Calculation { RatesInForce, DoubledDelay };
    Calculation calculation = Calculation::RatesInForce;
    Money principal;
    QDate first, last;
    // Only for the interest at the rates in force:
    RateBasis basis = RateBasis::OneYear;
    Money multiplier = 1;
    int daysPerYear = 360;
    int basisPoints = 0;
    Repricing repricing = Repricing::EachFixing;
    int repricingMonth = 1, repricingDay = 1;
    bool countLastDay = true;
};

// The terms of the interest at the rates in force the request names.
RateTerms RateTermsOf(const SegmentedInterestRequest &request);
// Whether the rate is stated as more than the published rate as it is: a
// multiplier, a spread, a repricing or 算头不算尾.
bool HasContractTerms(const SegmentedInterestRequest &request);

// Runs the calculation the request names.
SegmentedInterest CalculateSegmentedInterest(const SegmentedInterestRequest &request, const RateHistory &history);

// The notes a complete result carries, in this order: the rounding note (the
// shown segments do not add up to the total), the data note ("利率数据截至…")
// and, for the doubled interest starting before 2009-05-18, the note on the
// rules before the 2009 reply.
QStringList SegmentedInterestNotes(const SegmentedInterestRequest &request, const SegmentedInterest &result,
                                   const QDate &knownThrough);

// The memo: the total in figures and in the banks' capitals, the notes, then
// the segments.
// For a refused calculation, one line that says why.
QStringList SegmentedInterestLines(const SegmentedInterestRequest &request, const SegmentedInterest &result,
                                   const QDate &knownThrough);

// The whole calculation ready to paste: title, principal, period, the basis,
// every segment with its formula, the total in figures and in the banks'
// capitals ("人民币…"), the notes, the source of the rates and for the
// doubled interest its legal basis. Empty for a refused calculation.
QString SegmentedInterestCopyText(const SegmentedInterestRequest &request, const SegmentedInterest &result,
                                  const QDate &knownThrough);

// The pieces of the copied text, for a printed sheet that lays them out in
// its own way:
// "按同期利率分段计息" or "迟延履行期间加倍部分债务利息计算";
QString SegmentedInterestTitle(const SegmentedInterestRequest &request);
// "计息标准：一年期同期贷款利率（…），倍数1，每年按360天计";
QString SegmentedInterestStandard(const SegmentedInterestRequest &request);
// for contract terms, "利率：一年期LPR的1.5倍加50个基点，每年1月1日重定价"
// and "计息天数：算头不算尾（起算日计息，截止日不计息）"; empty without them;
QStringList SegmentedInterestTermLines(const SegmentedInterestRequest &request);
// the rate of a segment, "一年期贷款基准利率6.00%", "日万分之一点七五";
QString SegmentRateText(const InterestSegment &segment);
// "100000×6.00%÷360×181≈3016.67", "36000×(3.85%×1.5+0.5%)÷360×10＝62.75";
QString SegmentFormula(const SegmentedInterestRequest &request, const InterestSegment &segment);
// the source of the rates, and for the doubled interest its rule before
// 2014-08-01, its formula and its legal basis.
QStringList SegmentedInterestBasis(const SegmentedInterestRequest &request, const SegmentedInterest &result);

} // namespace pellumo
