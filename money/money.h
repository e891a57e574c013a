#pragma once

// An exact amount of money (or any exact decimal quantity the money
// formulas use: a rate, a multiplier, a number of days). Amounts come from
// the decimal text typed or stored and are computed with GMP rationals, so
// that no value passes through a binary float on its way to a result. A
// result is rounded once, to the fen, half away from zero (四舍五入 on the
// exact value).

#include <QString>
#include <QStringView>
#include <gmpxx.h>
#include <optional>

namespace pellumo {

class Money
{
public:
    Money() = default;                                // zero
    Money(long value) : m_value(value) {}             // NOLINT: whole numbers are exact amounts
    Money(int value) : m_value(long(value)) {}        // NOLINT
    explicit Money(const mpq_class &value) : m_value(value) { m_value.canonicalize(); }

    // numerator / denominator; denominator must not be zero.
    static Money fraction(long numerator, long denominator);

    // A plain decimal text as the data files hold it: an optional "-",
    // digits, optionally "." and more digits ("6.15", "0.0175", "-3").
    // Nothing else is accepted: no blanks, no exponent, no "+".
    static std::optional<Money> fromPlainDecimal(QStringView text);

    const mpq_class &exact() const { return m_value; }
    int sign() const { return sgn(m_value); }

    // The amount rounded to the fen, half away from zero.
    Money roundedToFen() const;

    Money operator-() const { return Money(mpq_class(-m_value)); }
    Money &operator+=(const Money &other) { m_value += other.m_value; return *this; }
    Money &operator-=(const Money &other) { m_value -= other.m_value; return *this; }
    Money &operator*=(const Money &other) { m_value *= other.m_value; return *this; }
    Money &operator/=(const Money &other) { m_value /= other.m_value; return *this; }  // other must not be zero

    friend Money operator+(Money a, const Money &b) { return a += b; }
    friend Money operator-(Money a, const Money &b) { return a -= b; }
    friend Money operator*(Money a, const Money &b) { return a *= b; }
    friend Money operator/(Money a, const Money &b) { return a /= b; }

    friend bool operator==(const Money &a, const Money &b) { return a.m_value == b.m_value; }
    friend bool operator!=(const Money &a, const Money &b) { return a.m_value != b.m_value; }
    friend bool operator<(const Money &a, const Money &b) { return a.m_value < b.m_value; }
    friend bool operator<=(const Money &a, const Money &b) { return a.m_value <= b.m_value; }
    friend bool operator>(const Money &a, const Money &b) { return a.m_value > b.m_value; }
    friend bool operator>=(const Money &a, const Money &b) { return a.m_value >= b.m_value; }

private:
    mpq_class m_value;
};

} // namespace pellumo
