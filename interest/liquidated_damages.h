#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace pellumo {

// Liquidated damages for late performance at an agreed rate:
// debt × period × the daily, monthly or annual rate.
struct LiquidatedDamagesResult {
    enum class Outcome { NoResult, ConversionError, Complete };
    Outcome outcome = Outcome::NoResult;
    QString amountInWords;  // for Complete, and for NoResult from a kind index outside 0..2: the caption of Label31
    QStringList lines;      // for Complete: the lines of Memo4 (with the warning line when the rate is too high)
    QString errorMessage;   // for ConversionError: "'abc' is not a valid floating point value" (the display appends the ".")
};

// The items of the rate-kind drop-down, in order.
enum class RateKind { Daily = 0, Monthly = 1, Annual = 2 };

// kindIndex is the selected item of the rate-kind drop-down ("日利率",
// "月利率", "年利率") and kindText its text, which the result repeats. The two
// texts appear in the result exactly as typed; zero and negative amounts and
// rates are accepted.
//
// Outcomes and what the window does with them:
// - NoResult with both texts non-empty: the kind index lies outside 0..2.
//   The texts converted, so the window clears Memo4, which stays empty, and
//   sets Label31 to amountInWords.
// - NoResult with a text empty: nothing changes, Memo4 and Label31 keep what
//   they show. (Memo4 is cleared only once both fields are non-empty.)
// - ConversionError: Memo4 is cleared, Label31 keeps its text, and the
//   message goes to the default error display. The amount is converted before
//   the rate, so with both bad the message names the amount.
// - Complete: Memo4 is cleared and gets the lines; Label31 the words.
//
// The daily kind counts whole calendar days from start to end (an end N days
// before the start counts −N); the other kinds use ElapsedPeriod. A rate above
// 1 (daily), 10 (monthly) or 100 (annual) percent adds a warning line but is
// still used.
LiquidatedDamagesResult LiquidatedDamages(const QString &amountText, const QString &rateText, int kindIndex,
                                          const QString &kindText, const QDate &start, const QDate &end);

} // namespace pellumo
