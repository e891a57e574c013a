// The amount conversion: any text typed into an amount or rate field.

#include "fuzz/fuzz_check.h"
#include "money/money.h"
#include "money/number_text.h"
#include "money/unfinished_money_text.h"

#include <QString>
#include <cstdint>

using pellumo::fuzz::Check;

namespace {

std::optional<pellumo::Money> Convert(const QString &text)
{
    return pellumo::ParseMoney(text);
}

// An amount that comes out is exact: its own decimal text converts back to
// the very same amount, and its two texts name one rounded amount.
void CheckValue(const pellumo::Money &value)
{
    const QString decimal = pellumo::DecimalText(value);
    if (decimal.contains(QLatin1Char('E')))
        return;  // beyond what the plain form writes out
    const auto again = Convert(decimal);
    Check(again.has_value() && *again == value, "an amount's exact decimal text converts back to itself");
    Check(!pellumo::MoneyToFigures(value).isEmpty() && !pellumo::MoneyToChinese(value).isEmpty(),
          "an amount has both texts");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto value = Convert(text);
    Check(value == Convert(text), "the same text converts the same way twice");
    if (value)
        CheckValue(*value);
    // An entry still being typed is never a value, and one that is a value
    // above zero is never taken for an unfinished one on the fee pages.
    Check(!(value && pellumo::IsUnfinishedMoneyText(text)), "an unfinished text is no value");
    Check(!(value && *value > 0 && pellumo::IsUnfinishedPositiveMoneyText(text)),
          "a positive value is no unfinished fee amount");
    return 0;
}
