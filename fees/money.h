#pragma once

#include "fees/extended.h"

#include <QString>
#include <optional>

namespace pellumo {

// The figures form of a money result ("小写金额"): two decimals, no unit,
// rounded half away from zero on the exact value held. From 1e18 on, the
// general 15-digit form with an exponent ("1E18").
QString MoneyToFigures(double amount);
QString MoneyToFigures(Extended amount);

// The words form ("大写金额"): Chinese numerals with 元, 角 and 分.
QString MoneyToChinese(double amount);

// Numeral words of a string of decimal digits (blanks are skipped but keep
// their position), or "数值过大!" / "输入含非数字字符!".
QString DigitsToChinese(const QString &digits);

// The amount reading of the two fee pages.
struct AmountReading {
    enum class Outcome { Empty, Reject, Value };
    Outcome outcome = Outcome::Empty;
    double value = 0;  // meaningful only for Outcome::Value
};
AmountReading ReadAmount(const QString &text);

// The decimal conversion shared by the amount fields: blanks around the
// number, an optional sign, digits with at most one ".", an optional exponent.
// No value when the text does not convert in full or leaves the double range.
std::optional<double> ParseDecimal(const QString &text);

// The general form with at most `digits` significant digits: fixed notation
// without trailing zeros while the integer part has at most `digits` digits
// and the value is at least 0.00001, otherwise "1.5E18" / "1E-6".
QString GeneralNumberText(Extended value, int digits = 15);

} // namespace pellumo
