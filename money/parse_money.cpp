// ParseMoney: the decimal text of an amount field as an exact amount.

#include "money/money.h"

#include <algorithm>

namespace pellumo {
namespace {

// A written exponent is saturated here: far beyond anything that keeps a
// value inside the double range, far below what overflows the arithmetic.
constexpr qint64 ExponentLimit = 1'000'000'000;

// The limits of the double range in decimal orders of magnitude: a value
// below 10^308 always fits, one from 10^309 on never does; a value from
// 10^-323 on never rounds to zero as a double, one below 10^-324 always does.
constexpr qint64 LargestFittingMagnitude = 308;
constexpr qint64 SmallestNonZeroMagnitude = -322;

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

struct DecimalText {
    bool negative = false;
    QString digits;             // integer and fraction digits run together
    qsizetype fractionDigits = 0;
    qint64 exponent = 0;        // the written exponent, saturated at ±ExponentLimit
};

QStringView TrimmedOfBlanks(QStringView text)
{
    while (!text.isEmpty() && text.front() == QLatin1Char(' '))
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

// Checks the whole text against the accepted form and splits it up.
std::optional<DecimalText> SplitDecimal(QStringView text)
{
    text = TrimmedOfBlanks(text);
    DecimalText parsed;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        parsed.negative = text[i++] == QLatin1Char('-');
    bool point = false;
    bool mantissa = false;
    for (; i < text.size(); ++i) {
        if (IsAsciiDigit(text[i])) {
            parsed.digits += text[i];
            if (point)
                ++parsed.fractionDigits;
        } else if (text[i] == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
        mantissa = true;  // a lone "." counts: it reads as zero
    }
    if (!mantissa)
        return std::nullopt;
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            negativeExponent = text[i++] == QLatin1Char('-');
        for (; i < text.size() && IsAsciiDigit(text[i]); ++i)
            parsed.exponent = std::min(ExponentLimit, parsed.exponent * 10 + (text[i].unicode() - '0'));
        if (negativeExponent)
            parsed.exponent = -parsed.exponent;
    }
    if (i != text.size())
        return std::nullopt;
    return parsed;
}

mpz_class PowerOfTen(qint64 exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    return power;
}

// A double overflows from 2^1024 − 2^970 on: half an ulp above the largest
// double, where rounding to even goes up to infinity.
const mpq_class &OverflowThreshold()
{
    static const mpq_class threshold = [] {
        mpz_class top;
        mpz_class halfUlp;
        mpz_ui_pow_ui(top.get_mpz_t(), 2, 1024);
        mpz_ui_pow_ui(halfUlp.get_mpz_t(), 2, 970);
        return mpq_class(top - halfUlp);
    }();
    return threshold;
}

// A double underflows to zero up to 2^-1075: half the smallest denormal,
// where rounding to even goes down to zero.
const mpq_class &UnderflowThreshold()
{
    static const mpq_class threshold = [] {
        mpz_class denominator;
        mpz_ui_pow_ui(denominator.get_mpz_t(), 2, 1075);
        return mpq_class(mpz_class(1), denominator);
    }();
    return threshold;
}

} // namespace

std::optional<Money> ParseMoney(const QString &text)
{
    auto parsed = SplitDecimal(text);
    if (!parsed)
        return std::nullopt;

    // value = digits × 10^scale, with the zeros at both ends taken out.
    QStringView digits(parsed->digits);
    while (!digits.isEmpty() && digits.front() == QLatin1Char('0'))
        digits = digits.sliced(1);
    if (digits.isEmpty())
        return Money();  // "0", ".", "-0", "0e999": zero, which has no sign
    qint64 scale = parsed->exponent - parsed->fractionDigits;
    while (digits.back() == QLatin1Char('0')) {
        digits.chop(1);
        ++scale;
    }

    // 10^(magnitude − 1) ≤ value < 10^magnitude
    const qint64 magnitude = scale + digits.size();
    if (magnitude > LargestFittingMagnitude + 1)
        return std::nullopt;
    if (magnitude < SmallestNonZeroMagnitude - 1)
        return Money();

    mpz_class significand(digits.toLatin1().toStdString(), 10);
    if (parsed->negative)
        significand = -significand;
    const Money value(scale >= 0 ? mpq_class(significand * PowerOfTen(scale))
                                 : mpq_class(significand, PowerOfTen(-scale)));
    if (magnitude > LargestFittingMagnitude && abs(value.exact()) >= OverflowThreshold())
        return std::nullopt;
    if (magnitude < SmallestNonZeroMagnitude && abs(value.exact()) <= UnderflowThreshold())
        return Money();
    return value;
}

} // namespace pellumo
