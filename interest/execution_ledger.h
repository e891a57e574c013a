#pragma once
// The execution ledger (执行款计算): the money a judgment orders, the general
// interest it awards, the doubled part of the debt interest for delayed
// performance (法释〔2014〕8号) and the payments and court receipts set off
// against them, as owed at the end of a calculation day, to the fen.
//
// Day count (民事诉讼法 第八十五条 as the execution courts read it): the
// doubled interest of an item counts from the day after its last performance
// day; general interest counts its start day; a credit on day p still counts
// p at the old balance and the reduced balance counts from p + 1. Interest
// accrues exactly; at each credit and on the calculation day the general and
// the doubled interest accrued since the previous credit are each rounded
// once to the fen, half away from zero, and added to what is owed, so every
// balance is whole fen.
//
// Every day lies within 1999-06-10..9999-12-31. A credit dated before
// 2014-08-01 (even one after the calculation day) puts the case under the
// earlier rule (法释〔2014〕8号 第七条: payments apportioned between the debt
// and the doubled interest) and is refused.
//
// Bad input gives ExecutionLedger::error and nothing else. The message names
// the first fault found, checking the debt items, then the general interest,
// the credits, the excluded periods and the calculation day, rows in the
// order entered and numbered from 1, in these forms (N the row):
//   "债务项目第N行：金额必须大于零。"  "债务项目第N行：金额只能精确到分。"
//   "债务项目第N行：履行期限最后一日无效。"
//   "债务项目第N行：履行期限最后一日须在1999年6月10日至9999年12月31日之间。"
//   "债务项目：至少需要一项本金。"
//   "一般债务利息：起算日无效。" (or "起算日须在…之间。"), "一般债务利息：年利率必须大于零。",
//   "一般债务利息：分次清偿时没有一个确定的期间可定利率档次，请选择一年期或五年期以上的利率。",
//   "一般债务利息：倍数必须大于零。"  "一般债务利息：每年天数只能是360或365。"
//   "一般债务利息：加点须在-10000至10000个基点之间。"  "一般债务利息：重定价日无效。"
//   "一般债务利息：2020年4月20日的利率加点后低于零，…。"
//   "还款第N行：日期无效。" (or "日期须在…之间。"), "还款第N行：金额必须大于零。",
//   "还款第N行：金额只能精确到分。", "还款第N行：2014年8月1日以前的还款依法释〔2014〕8号 第七条…。"
//   "不计期间第N行：第一日无效。" / "最后一日无效。" (or "…须在…之间。"),
//   "不计期间第N行：最后一日早于第一日。"  "不计期间第N行：与第M行重叠。"
//   "计算日：日期无效。" (or "计算日：日期须在…之间。")
// Every message ends in "。"; a window may show it as it is.
#include "interest/rate_history.h"
#include "interest/segmented_interest.h"
#include "money/money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace pellumo {

enum class DebtKind { Principal, Damages, LawyerFee, LitigationCost, AppraisalCost, Other };

// One money debt the judgment fixes, due by the end of its own performance
// period. Instalments are several principal items with their own days.
struct DebtItem {
    QString name;
    Money amount;
    DebtKind kind = DebtKind::Principal;
    QDate lastPerformanceDay;
    bool inDoubledBase = true;
};

// The base of the doubled interest a kind is in unless the user says
// otherwise: the costs the debtor repays are not.
bool InDoubledBaseByDefault(DebtKind kind);

// The costs of enforcing the claim (民法典 第五百六十一条), paid first by every
// credit: litigation costs and appraisal or notice costs. Every other kind is
// paid with the principal items.
bool IsCostKind(DebtKind kind);

// The general debt interest (一般债务利息) as the judgment fixes it, on the
// unpaid items of the kind Principal (damages, fees and costs bear none),
// from `from` whether or not an item is due yet. A fixed rate gives
// principal × (rate × multiplier + basisPoints ÷ 100) ÷ 100 ÷ daysPerYear a
// day. The rates in force take the one-year or the over-five-year rate,
// looked up as `repricing` says (RateTerms); RateBasis::ByTerm is refused,
// since with payments in parts no one period fixes the term band.
// 算头不算尾 (countLastDay false): the day of a credit already bears general
// interest at the reduced balance, and the calculation day bears none.
struct GeneralInterest {
    bool awarded = false;
    QDate from;
    std::optional<Money> fixedAnnualRatePercent;  // set: a fixed rate; unset: the rates in force
    RateBasis basis = RateBasis::OneYear;
    Money multiplier = 1;
    int daysPerYear = 360;
    int basisPoints = 0;
    Repricing repricing = Repricing::EachFixing;  // the rates in force only
    int repricingMonth = 1, repricingDay = 1;
    bool countLastDay = true;
};

// A payment or court receipt; `day` is the day the money stops bearing
// interest (paid, drawn, or the sale or transfer ruling took effect).
struct Credit {
    QDate day;
    Money amount;
};

// Suspension or deferral not on the debtor's application, first and last
// day included: no doubled interest on those days.
struct ExcludedPeriod {
    QDate first, last;
};

enum class SetOffOrder {
    CostsInterestPrincipal,  // 民法典 第五百六十一条: costs, interest, principal; doubled interest last
    CostsPrincipalInterest,  // 先本后息: costs, principal, general interest; doubled interest last
};

struct ExecutionCase {
    QList<DebtItem> items;
    GeneralInterest generalInterest;
    QList<Credit> credits;
    QList<ExcludedPeriod> excluded;
    SetOffOrder order = SetOffOrder::CostsInterestPrincipal;
    QDate calculationDay;
};

// Days in a row with the same doubled base at the same rate, never across a
// credit, 2014-08-01 or a change of the published rate before that day.
// `basis` and `rate` as InterestSegment has them: from 2014-08-01
// DailyDelayRateBasis and "0.0175" (percent a day), before it the term band
// and its annual benchmark rate (interest = base × rate ÷ 100 × 2 ÷ 360 a
// day). Before 2014-08-01 each item takes the band of its own delay, from
// the day after its last performance day to 2014-07-31 (or the calculation
// day), the days of an excluded period included in that length; where items
// of one day are in different bands, each band has its own segment over the
// same days.
// `interest` is exact; it is rounded at the credit that ends it.
struct DoubledSegment {
    QDate first, last;
    int days = 0;
    Money base;
    Money interest;
    QString basis;
    QString rate;
};

// A credit in the order applied (by day, then as entered). Interest accrued
// up to its day, each kind rounded once to the fen, is owed before it is
// applied. `toItems` holds what went to each debt item, indexed as
// ExecutionCase::items. `toPrincipal`, like ExecutionLedger::owedPrincipal,
// covers the principal items and every kind paid with them (damages, the
// lawyer's fee, other); `toCosts` and owedCosts the cost kinds.
struct CreditApplied {
    QDate day;
    Money amount, toCosts, toGeneralInterest, toPrincipal, toDoubled, surplus;
    int row = 0;  // 1-based row of the credit as entered
    Money generalInterestAccrued, doubledAccrued;  // since the previous credit, rounded to the fen
    QList<Money> toItems;
    Money owedAfter;  // everything still owed once it is applied
};

struct ExecutionLedger {
    QString error;  // empty when the case was computed
    QList<DoubledSegment> doubled;
    QList<CreditApplied> credits;  // credits after calculationDay left out
    Money owedCosts, owedGeneralInterest, owedPrincipal, owedDoubled, owedTotal;  // on calculationDay, whole fen
    Money accruedGeneralInterest, accruedDoubled;  // all interest up to calculationDay, sums of rounded parts
    QList<Money> owedItems;                        // still owed of each debt item, indexed as ExecutionCase::items
    // Some day took the last known published rate (the result must say
    // "利率数据截至" knownThrough).
    bool beyondKnownData = false;
    QDate knownThrough;
    // Doubled interest runs before 2009-05-18 (see StartsBeforeReplyOf2009).
    bool startsBeforeReplyOf2009 = false;
};

ExecutionLedger ComputeExecutionLedger(const ExecutionCase &c, const RateHistory &history);

} // namespace pellumo
