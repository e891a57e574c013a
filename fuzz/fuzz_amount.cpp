// The amount conversion: any text typed into an amount or rate field.

#include "fees/money.h"
#include "fuzz/fuzz_check.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <type_traits>

using pellumo::fuzz::Check;

namespace {

// The conversion under test (ParseMoney takes its place here).
auto Convert(const QString &text)
{
    return pellumo::ParseDecimal(text);
}

// A double that comes out is finite, and its shortest exact text converts
// back to the very same double: the conversion rounds correctly.
void CheckValue(double value)
{
    Check(std::isfinite(value), "a converted amount is finite");
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);  // keeps the sign of -0, unlike QString::number
    const auto again = Convert(QString::fromLatin1(text));
    Check(again.has_value() && *again == value && std::signbit(*again) == std::signbit(value),
          "an amount printed with 17 digits converts back to itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto value = Convert(text);
    Check(value == Convert(text), "the same text converts the same way twice");
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(*value)>, double>) {
        if (value)
            CheckValue(*value);
    }
    return 0;
}
