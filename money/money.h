#pragma once

// An exact amount of money (or any exact decimal quantity the money
// formulas use: a rate, a multiplier, a number of days). Amounts come from
// the decimal text typed or stored and are computed with GMP rationals, so
// that no value passes through a binary float on its way to a result. A
// result is rounded once, to the fen, half away from zero (四舍五入 on the
// exact value).

#include <QString>
#include <QStringView>
#include <concepts>
#include <gmpxx.h>
#include <optional>

namespace pellumo {

// A whole number of any integer type, taken exactly. GMP's C++ interface
// takes `long`, which is 32 bits on Windows: a 64-bit count passed through it
// would lose its high bits without a word, so wider types go through
// ExactInteger.
template <typename T>
concept WholeNumber = std::integral<T> && !std::same_as<T, bool>;

mpz_class ExactInteger(qint64 value);
mpz_class ExactInteger(quint64 value);
// The value of `number` when it fits 64 bits (every amount in fen the program
// shows does), else nullopt.
std::optional<qint64> Int64Value(const mpz_class &number);

class Money
{
public:
    Money() = default;                                // zero
    template <WholeNumber T>
    Money(T value) : m_value(whole(value)) {}         // NOLINT: whole numbers are exact amounts
    explicit Money(const mpq_class &value) : m_value(value) { m_value.canonicalize(); }

    // numerator / denominator; denominator must not be zero.
    static Money fraction(qint64 numerator, qint64 denominator);

    // A plain decimal text as the data files hold it: an optional "-",
    // digits, optionally "." and more digits ("6.15", "0.0175", "-3").
    // Nothing else is accepted: no blanks, no exponent, no "+".
    static std::optional<Money> fromPlainDecimal(QStringView text);

    const mpq_class &exact() const { return m_value; }
    int sign() const { return sgn(m_value); }

    // The amount rounded to the fen, half away from zero.
    Money roundedToFen() const;

    // The absolute amount in whole fen, rounded half away from zero: the
    // number both money texts show.
    mpz_class wholeFen() const;

    Money operator-() const { return Money(mpq_class(-m_value)); }
    Money &operator+=(const Money &other) { m_value += other.m_value; return *this; }
    Money &operator-=(const Money &other) { m_value -= other.m_value; return *this; }
    Money &operator*=(const Money &other) { m_value *= other.m_value; return *this; }
    Money &operator/=(const Money &other) { m_value /= other.m_value; return *this; }  // other must not be zero

    friend Money operator+(Money a, const Money &b) { return a += b; }
    friend Money operator-(Money a, const Money &b) { return a -= b; }
    friend Money operator*(Money a, const Money &b) { return a *= b; }
    friend Money operator/(Money a, const Money &b) { return a /= b; }

    // With a whole number the arithmetic and comparisons need no temporary
    // rational (the fee schedules run on every keystroke).
    template <WholeNumber T>
    Money &operator+=(T other) { m_value += whole(other); return *this; }
    template <WholeNumber T>
    Money &operator-=(T other) { m_value -= whole(other); return *this; }
    template <WholeNumber T>
    friend Money operator+(Money a, T b) { return a += b; }
    template <WholeNumber T>
    friend Money operator-(Money a, T b) { return a -= b; }
    template <WholeNumber T>
    friend bool operator==(const Money &a, T b) { return a.m_value == whole(b); }
    template <WholeNumber T>
    friend bool operator!=(const Money &a, T b) { return a.m_value != whole(b); }
    template <WholeNumber T>
    friend bool operator<(const Money &a, T b) { return a.m_value < whole(b); }
    template <WholeNumber T>
    friend bool operator<=(const Money &a, T b) { return a.m_value <= whole(b); }
    template <WholeNumber T>
    friend bool operator>(const Money &a, T b) { return a.m_value > whole(b); }
    template <WholeNumber T>
    friend bool operator>=(const Money &a, T b) { return a.m_value >= whole(b); }

    friend bool operator==(const Money &a, const Money &b) { return a.m_value == b.m_value; }
    friend bool operator!=(const Money &a, const Money &b) { return a.m_value != b.m_value; }
    friend bool operator<(const Money &a, const Money &b) { return a.m_value < b.m_value; }
    friend bool operator<=(const Money &a, const Money &b) { return a.m_value <= b.m_value; }
    friend bool operator>(const Money &a, const Money &b) { return a.m_value > b.m_value; }
    friend bool operator>=(const Money &a, const Money &b) { return a.m_value >= b.m_value; }

private:
    // A type no wider than `long` goes straight to GMP, which needs no
    // temporary rational for it (the fee schedules compare on every
    // keystroke); a wider one through ExactInteger.
    template <WholeNumber T>
    static auto whole(T value)
    {
        if constexpr (sizeof(T) < sizeof(long) || (sizeof(T) == sizeof(long) && std::signed_integral<T>))
            return long(value);
        else if constexpr (sizeof(T) == sizeof(long))
            return static_cast<unsigned long>(value);
        else if constexpr (std::signed_integral<T>)
            return ExactInteger(qint64(value));
        else
            return ExactInteger(quint64(value));
    }

    mpq_class m_value;
};

// The decimal conversion of the amount fields: blanks (U+0020) around the
// number, an optional sign, digits with at most one ".", an optional
// exponent ("e" or "E", optional sign, digits; none at all means 0). The
// value is the exact decimal written. The range is what a double can hold,
// as it always was: a text whose value a double would overflow is refused
// ("1e999"), one that a double would round to zero reads as zero
// ("1e-999"). No value when the text does not convert in full.
std::optional<Money> ParseMoney(const QString &text);

// The figures form of a money result ("小写金额"): rounded once, to the fen,
// half away from zero; two decimals, no unit, no thousands separators; a
// negative amount keeps its "-" even when it rounds to zero. From 10^18 on,
// the general 15-significant-digit form with an exponent ("1E18").
QString MoneyToFigures(const Money &amount);

// The words form ("大写金额"): the same rounded amount in Chinese numerals
// with 元, 角 and 分. From 10^15 on the integer part has no digit form and
// reads "输入含非数字字符!".
QString MoneyToChinese(const Money &amount);

// The capital numerals of the banks (人民币大写, 正确填写票据和结算凭证的基本
// 规定): the amount rounded once to the fen, half away from zero, in
// 壹贰叁肆伍陆柒捌玖 with 拾佰仟万亿 and 元角分, "整" where there is no 角 and no
// 分, one 零 for a run of zeros; no 元 below one yuan (伍角); "负" before a
// negative amount that does not round to zero. Without the
// prefix "人民币", which callers add where a form needs it. From 10^15 on,
// the words form's message.
QString MoneyToRmbCapitals(const Money &amount);
// Numeral words of a string of decimal digits (blanks are skipped but keep
// their position), or "数值过大!" / "输入含非数字字符!".
QString DigitsToChinese(const QString &digits);

} // namespace pellumo
