#pragma once
// The words every interest text shares, worded once: days, rates and their
// bases, the sources of the published rates, the notes on the data and on
// the rules of the doubled interest, and the forms a judgment or contract
// gives a rate (倍数, 加点, 重定价) and its days (两头都算, 算头不算尾). The
// page 分段计息, the execution ledger and the private-lending calculation
// build their texts from these, so that one thing reads the same in each.

#include "interest/segmented_interest.h"
#include "money/money.h"

#include <QDate>
#include <QString>

namespace pellumo {

// "2013年1月1日".
QString LongDayText(const QDate &day);
// "2013年1月1日至2013年6月30日".
QString DayRangeText(const QDate &first, const QDate &last);

// "3.85%", "24%": an exact annual rate in percent.
QString PercentText(const Money &percent);
// "每年按360天计" (any value other than 365 counts as 360).
QString DaysPerYearText(int daysPerYear);

// "一年期", "五年期以上", "按期限".
QString RateBasisName(RateBasis basis);
// "一年期同期贷款利率（2019年8月20日起为贷款市场报价利率LPR）".
QString RatesInForceName(RateBasis basis);
// The published rate a period starting on `first` follows, as a judgment
// names it: "一年期LPR" from 2019-08-20, before it "一年期同期贷款利率".
QString RateNameFrom(RateBasis basis, const QDate &first);

// A rate form, literally: "一年期LPR加50个基点", "一年期LPR减20个基点",
// "一年期LPR的1.5倍", "一年期LPR的1.5倍加50个基点", or the name alone.
QString RateFormText(const QString &rateName, const Money &multiplier, int basisPoints);
// How one day's applied rate follows from the published one, in a formula:
// "3.85%", "3.85%×1.5", "(3.85%+0.5%)", "(3.85%×1.5-0.2%)".
QString AppliedRateExpression(const QString &publishedPercentText, const Money &multiplier, int basisPoints);
// "随每次公布调整", "每年1月1日重定价", "固定为起算日的利率".
QString RepricingText(Repricing repricing, int month, int day);
// "两头都算", "算头不算尾".
QString DayCountingText(bool countLastDay);
// The day count as a result states it: "两头都算（起算日和截止日均计息）",
// "算头不算尾（起算日计息，截止日不计息）".
QString DayCountingRule(bool countLastDay);
// The tooltip of a 加点 field: 上浮 and 加点 are different things.
QString BasisPointsHint();

// "利率数据截至2026年6月22日，其后按最后公布的利率计算".
QString BeyondKnownDataNote(const QDate &knownThrough);
// "利率来源：中国人民银行公布的贷款基准利率、全国银行间同业拆借中心公布的
// 贷款市场报价利率（LPR）。", or empty when neither was used.
QString RateSourceLine(bool benchmark, bool loanPrime);
// "X年X月X日的利率为负（…），无法计算" for an applied rate below zero.
QString NegativeRateText(const QDate &day);

// The rules of the doubled interest for delayed performance.
QString DoubledBefore2014Note();  // 法释〔2014〕8号 第七条
QString ReplyOf2009Note();        // days before 法释〔2009〕6号

} // namespace pellumo
