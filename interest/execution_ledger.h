#pragma once
// The execution ledger (执行款计算): the money a judgment orders, the general
// interest it awards, the doubled part of the debt interest for delayed
// performance (法释〔2014〕8号) and the payments and court receipts set off
// against them, as owed at the end of a calculation day, to the fen.
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

// The general debt interest (一般债务利息) as the judgment fixes it, on the
// unpaid principal items.
struct GeneralInterest {
    bool awarded = false;
    QDate from;
    std::optional<Money> fixedAnnualRatePercent;  // set: a fixed rate; unset: the rates in force
    RateBasis basis = RateBasis::OneYear;
    Money multiplier = 1;
    int daysPerYear = 360;
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

struct DoubledSegment {
    QDate first, last;
    int days = 0;
    Money base;
    Money interest;
};

struct CreditApplied {
    QDate day;
    Money amount, toCosts, toGeneralInterest, toPrincipal, toDoubled, surplus;
};

struct ExecutionLedger {
    QString error;  // empty when the case was computed
    QList<DoubledSegment> doubled;
    QList<CreditApplied> credits;
    Money owedCosts, owedGeneralInterest, owedPrincipal, owedDoubled, owedTotal;  // on calculationDay, whole fen
};

ExecutionLedger ComputeExecutionLedger(const ExecutionCase &c, const RateHistory &history);

} // namespace pellumo
