#pragma once

#include "interest/rate_table.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace pellumo {

// The doubled debt interest for the period of delayed performance: the money
// debt fixed by the legal document, times the benchmark lending rate of the
// band into which the delay falls, times 2, times the period (a year being 12
// months and 360 days).
struct DelayInterestResult {
    enum class Outcome {
        NoResult,       // empty amount: the page keeps what it shows
        InvalidAmount,  // no number: the window sets the amount field to "0", which runs the calculation again
        WordsOnly,      // end before start: only the amount in words; the memo keeps what it shows
        Complete,
    };
    Outcome outcome = Outcome::NoResult;
    QString amountInWords;  // for WordsOnly and Complete: the caption of Label9
    QStringList lines;      // for Complete: the eight lines of Memo3
};

// Zero and negative amounts are accepted (a negative debt gives a negative
// interest). The amount text appears in the first line exactly as typed.
DelayInterestResult DelayInterest(const QString &amountText, const QDate &start, const QDate &end,
                                  const RateTable &rates);

} // namespace pellumo
