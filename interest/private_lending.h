#pragma once

// How much of the interest agreed in a private loan (民间借贷) a court may
// support under the judicial interpretation 《最高人民法院关于审理民间借贷案件
// 适用法律若干问题的规定》: its text of 2015 (法释〔2015〕18号: 24 % supported,
// above 36 % void) and its text in force from 2021-01-01 (法释〔2020〕17号: four
// times the one-year LPR), with the transition of its 第三十一条 that splits one
// loan's days at 2020-08-20. Simple interest on the principal, day by day, in
// exact amounts.

#include "interest/rate_history.h"
#include "money/money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace pellumo {

// Licensed financial institutions and the financial business of the seven
// kinds of local financial organisations (法释〔2020〕27号) are not under the cap.
enum class LenderKind { Private, LicensedOrLocalFinancial };

struct PrivateLoan {
    Money principal;
    QDate formed, lent, due, filed, until;  // until: the last day of interest claimed
    std::optional<Money> loanRatePercent;     // agreed annual rate for the loan term
    std::optional<Money> overdueRatePercent;  // agreed annual overdue rate
    Money otherChargesPercent;                // 违约金 and other charges as an annual rate, overdue days only
    LenderKind lender = LenderKind::Private;
    int daysPerYear = 360;                    // 360 or 365
    bool countLastDay = true;                 // 两头都算 / 算头不算尾
};

// Days in a row under one rule, cap and rate. The percents are annual; the
// amounts are exact, and agreed = supported + notSupported + voidPart.
struct CapSegment {
    QDate first, last;
    int days = 0;
    QString rule;  // "法释〔2015〕18号 第二十六条", "法释〔2020〕17号 第二十五条"
    Money agreedPercent, capPercent, supportedPercent;
    Money agreed, supported, notSupported, voidPart;
};

struct PrivateLendingResult {
    QString error;  // why there is no result; empty when there is one
    QList<CapSegment> segments;
    // Each the exact sum of its segments rounded once to the fen, so the parts
    // may differ from agreedTotal by a fen.
    Money agreedTotal, supportedTotal, notSupportedTotal, voidTotal;
    // A rate was read after the last published one: "利率数据截至" knownThrough.
    bool beyondKnownData = false;
    QDate knownThrough;
    QStringList steps;  // how the result came about, with the articles
};

PrivateLendingResult ComputePrivateLendingInterest(const PrivateLoan &loan, const RateHistory &history);

// 法释〔2020〕17号 applies to the days from this one (its 第三十一条).
QDate PrivateLendingLprCapStart();

} // namespace pellumo
