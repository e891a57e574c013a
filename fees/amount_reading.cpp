#include "fees/amount_reading.h"

namespace pellumo {

AmountReading ReadAmount(const QString &text)
{
    AmountReading reading;
    if (text.isEmpty())
        return reading;
    std::optional<Money> value = ParseMoney(text);
    if (!value || value->sign() <= 0) {
        reading.outcome = AmountReading::Outcome::Reject;
        return reading;
    }
    reading.outcome = AmountReading::Outcome::Value;
    reading.value = std::move(*value);
    return reading;
}

} // namespace pellumo
