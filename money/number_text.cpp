#include "money/number_text.h"

#include <algorithm>

namespace pellumo {
namespace {

mpq_class PowerOfTen(long exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    return exponent < 0 ? mpq_class(mpz_class(1), power) : mpq_class(power);
}

// floor(log10(value)) of a positive value.
long DecimalExponent(const mpq_class &value)
{
    // The digit counts are exact or one too high, so the estimate is at most
    // one or two off.
    long exponent = long(mpz_sizeinbase(value.get_num_mpz_t(), 10)) - long(mpz_sizeinbase(value.get_den_mpz_t(), 10));
    while (value >= PowerOfTen(exponent + 1))
        ++exponent;
    while (value < PowerOfTen(exponent))
        --exponent;
    return exponent;
}

// floor(value + 1/2) of a non-negative value.
mpz_class RoundedHalfUp(const mpq_class &value)
{
    const mpq_class shifted = value + mpq_class(1, 2);
    mpz_class whole;
    mpz_fdiv_q(whole.get_mpz_t(), shifted.get_num_mpz_t(), shifted.get_den_mpz_t());
    return whole;
}

QString DigitsOf(const mpz_class &whole)
{
    return QString::fromStdString(whole.get_str(10));
}

// Removes every factor `prime` from `number` and returns how many there were.
unsigned long RemoveFactor(mpz_class &number, unsigned long prime)
{
    return mpz_remove(number.get_mpz_t(), number.get_mpz_t(), mpz_class(prime).get_mpz_t());
}

} // namespace

QString GeneralNumberText(const Money &value, int digits)
{
    if (value.sign() == 0)
        return QStringLiteral("0");
    const mpq_class magnitude = abs(value.exact());
    long exponent = DecimalExponent(magnitude);
    mpz_class significand = RoundedHalfUp(magnitude * PowerOfTen(digits - 1 - exponent));
    if (significand >= PowerOfTen(digits)) {  // 9.99…95 carried over to 10
        significand /= 10;
        ++exponent;
    }
    QString significant = DigitsOf(significand);
    while (significant.size() > 1 && significant.endsWith(QLatin1Char('0')))
        significant.chop(1);

    QString text;
    if (exponent < digits && exponent >= -5) {
        if (exponent < 0) {
            text = QStringLiteral("0.") + QString(-exponent - 1, QLatin1Char('0')) + significant;
        } else if (significant.size() > exponent + 1) {
            text = significant.left(exponent + 1) + QLatin1Char('.') + significant.mid(exponent + 1);
        } else {
            text = significant + QString(exponent + 1 - significant.size(), QLatin1Char('0'));
        }
    } else {
        text = significant.left(1);
        if (significant.size() > 1)
            text += QLatin1Char('.') + significant.mid(1);
        text += QLatin1Char('E') + QString::number(exponent);
    }
    return value.sign() < 0 ? QLatin1Char('-') + text : text;
}

QString DecimalText(const Money &value)
{
    // n / (2^a 5^b) = n 2^(k−a) 5^(k−b) / 10^k with k = max(a, b).
    mpz_class rest = value.exact().get_den();
    const unsigned long twos = RemoveFactor(rest, 2);
    const unsigned long fives = RemoveFactor(rest, 5);
    if (rest != 1)
        return GeneralNumberText(value);
    const unsigned long places = std::max(twos, fives);
    const mpq_class scaled = value.exact() * PowerOfTen(long(places));  // a whole number
    QString digits = DigitsOf(abs(scaled.get_num()));
    if (digits.size() <= qsizetype(places))
        digits.prepend(QString(qsizetype(places) + 1 - digits.size(), QLatin1Char('0')));
    if (places > 0)
        digits.insert(digits.size() - qsizetype(places), QLatin1Char('.'));
    return value.sign() < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace pellumo
