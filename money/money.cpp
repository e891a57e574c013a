#include "money/money.h"

#include <cstdlib>
#include <limits>

namespace pellumo {
namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

mpz_class ExactInteger(quint64 value)
{
    // In two 32-bit halves: GMP's own conversions take `unsigned long`,
    // which is 32 bits on Windows.
    mpz_class number(static_cast<unsigned long>(value >> 32));
    number <<= 32;
    number += static_cast<unsigned long>(value & 0xFFFFFFFFu);
    return number;
}

mpz_class ExactInteger(qint64 value)
{
    // The magnitude of the most negative value does not fit qint64; it does
    // fit quint64.
    const quint64 magnitude = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    mpz_class number = ExactInteger(magnitude);
    return value < 0 ? mpz_class(-number) : number;
}

std::optional<qint64> Int64Value(const mpz_class &number)
{
    if (mpz_sizeinbase(number.get_mpz_t(), 2) > 64)
        return std::nullopt;
    const mpz_class magnitude = abs(number);
    const mpz_class high = magnitude >> 32;
    const mpz_class low = magnitude - (high << 32);
    const quint64 bits = quint64(high.get_ui()) << 32 | quint64(low.get_ui());
    const quint64 largest = quint64(std::numeric_limits<qint64>::max()) + (sgn(number) < 0 ? 1 : 0);
    if (bits > largest)
        return std::nullopt;
    return sgn(number) < 0 ? qint64(quint64(0) - bits) : qint64(bits);
}

Money Money::fraction(qint64 numerator, qint64 denominator)
{
    mpq_class value(ExactInteger(numerator), ExactInteger(denominator));
    value.canonicalize();
    return Money(value);
}

std::optional<Money> Money::fromPlainDecimal(QStringView text)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text = text.sliced(1);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QStringView whole = point < 0 ? text : text.first(point);
    const QStringView fraction = point < 0 ? QStringView() : text.sliced(point + 1);
    if (whole.isEmpty() || (point >= 0 && fraction.isEmpty()))
        return std::nullopt;
    for (const QStringView part : {whole, fraction}) {
        for (QChar c : part) {
            if (!IsAsciiDigit(c))
                return std::nullopt;
        }
    }
    mpz_class numerator((whole.toString() + fraction.toString()).toStdString(), 10);
    mpz_class denominator;
    mpz_ui_pow_ui(denominator.get_mpz_t(), 10, static_cast<unsigned long>(fraction.size()));
    mpq_class value(negative ? mpz_class(-numerator) : numerator, denominator);
    value.canonicalize();
    return Money(value);
}

Money Money::roundedToFen() const
{
    mpz_class fen = wholeFen();
    if (sgn(m_value) < 0)
        fen = -fen;
    return Money(mpq_class(fen, 100));
}

mpz_class Money::wholeFen() const
{
    // floor(|x| * 100 + 1/2) = floor((200 |n| + d) / 2d) for x = n / d; in
    // machine integers while they hold it, which is every everyday amount.
    constexpr long Small = std::numeric_limits<long>::max() / 256;
    const mpz_class &numerator = m_value.get_num();
    const mpz_class &denominator = m_value.get_den();
    if (mpz_cmpabs_ui(numerator.get_mpz_t(), Small) < 0 && mpz_cmp_ui(denominator.get_mpz_t(), Small) < 0) {
        const long n = std::labs(numerator.get_si());
        const long d = denominator.get_si();
        return mpz_class((200 * n + d) / (2 * d));
    }
    mpz_class scaled = abs(numerator) * 200 + denominator;
    mpz_class fen;
    mpz_fdiv_q(fen.get_mpz_t(), scaled.get_mpz_t(), mpz_class(denominator * 2).get_mpz_t());
    return fen;
}

} // namespace pellumo
