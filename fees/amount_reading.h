#pragma once

#include "money/money.h"

#include <QString>

namespace pellumo {

// The amount reading of the two fee pages.
struct AmountReading {
    enum class Outcome {
        Empty,   // the text is empty: change nothing
        Reject,  // no number, or not above zero: the caller empties the field
        Value,
    };
    Outcome outcome = Outcome::Empty;
    Money value;  // meaningful only for Outcome::Value: the exact amount typed
};

// An empty text (exactly, untrimmed) is Empty; a text ParseMoney refuses,
// or a value not greater than 0, is Reject.
AmountReading ReadAmount(const QString &text);

} // namespace pellumo
