// The beginnings of amount texts: what typing on can still make of a text.

#include "money/unfinished_money_text.h"

#include "money/money.h"

namespace pellumo {
namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsSign(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

// How far a text has come in the form ParseMoney accepts: blanks, a sign,
// digits with at most one ".", an exponent, blanks.
struct TypedShape {
    bool beginsAcceptedForm = false;  // every character fits the form so far
    bool hasMantissa = false;         // a digit or the point has been typed
    bool negative = false;
    bool nonZeroDigit = false;
    bool exponentMarker = false;
    QChar exponentSign;               // null when none was typed
    bool exponentDigits = false;
    bool closed = false;              // a trailing blank: only blanks may follow

    bool canAppendToMantissa() const { return !closed && !exponentMarker; }
    // A later "e-" and digits, a "-" after the marker, or more digits after "e-".
    bool canLowerExponent() const
    {
        return !closed &&
               (!exponentMarker || exponentSign == QLatin1Char('-') || (exponentSign.isNull() && !exponentDigits));
    }
    // A later exponent, or more digits after the marker or after "e+".
    bool canRaiseExponent() const { return !closed && exponentSign != QLatin1Char('-'); }
};

TypedShape ShapeOf(const QString &text)
{
    TypedShape shape;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && text[i] == QLatin1Char(' '))
        ++i;
    if (i < size && IsSign(text[i]))
        shape.negative = text[i++] == QLatin1Char('-');
    bool point = false;
    for (; i < size; ++i) {
        if (IsAsciiDigit(text[i]))
            shape.nonZeroDigit = shape.nonZeroDigit || text[i] != QLatin1Char('0');
        else if (text[i] == QLatin1Char('.') && !point)
            point = true;
        else
            break;
        shape.hasMantissa = true;
    }
    if (!shape.hasMantissa) {
        shape.beginsAcceptedForm = i == size;
        return shape;
    }
    if (i < size && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        shape.exponentMarker = true;
        ++i;
        if (i < size && IsSign(text[i]))
            shape.exponentSign = text[i++];
        for (; i < size && IsAsciiDigit(text[i]); ++i)
            shape.exponentDigits = true;
    }
    shape.closed = i < size && text[i] == QLatin1Char(' ');
    while (i < size && text[i] == QLatin1Char(' '))
        ++i;
    shape.beginsAcceptedForm = i == size;
    return shape;
}

} // namespace

bool IsUnfinishedMoneyText(const QString &text)
{
    if (ParseMoney(text))
        return false;
    const TypedShape shape = ShapeOf(text);
    if (!shape.beginsAcceptedForm)
        return false;
    // With a mantissa the form is complete, so ParseMoney refused it for
    // being beyond the double range.
    return !shape.hasMantissa || shape.canLowerExponent();
}

bool IsUnfinishedPositiveMoneyText(const QString &text)
{
    const std::optional<Money> value = ParseMoney(text);
    if (value && value->sign() > 0)
        return false;
    const TypedShape shape = ShapeOf(text);
    if (!shape.beginsAcceptedForm || shape.negative)
        return false;
    if (!shape.hasMantissa)
        return true;
    if (!value)
        return shape.canLowerExponent();  // beyond the double range
    if (shape.nonZeroDigit)
        return shape.canRaiseExponent();  // so small that a double rounds it to zero
    return shape.canAppendToMantissa();   // all digits zero: only a further digit helps
}

} // namespace pellumo
