#include "money/money.h"

namespace pellumo {
namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

Money Money::fraction(long numerator, long denominator)
{
    mpq_class value(numerator, denominator);
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
    // round(|x| * 100) half away from zero: floor(|x| * 100 + 1/2), sign restored.
    mpq_class scaled = abs(m_value) * 100 + mpq_class(1, 2);
    mpz_class fen;
    mpz_fdiv_q(fen.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
    if (sgn(m_value) < 0)
        fen = -fen;
    return Money(mpq_class(fen, 100));
}

} // namespace pellumo
