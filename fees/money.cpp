#include "fees/money.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace pellumo {
namespace {

__extension__ typedef unsigned __int128 Wide;  // exact products of a 64-bit mantissa

const std::array<QString, 10> &DigitWords()
{
    static const std::array<QString, 10> words = {
        QStringLiteral("零"), QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
        QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六"), QStringLiteral("七"),
        QStringLiteral("八"), QStringLiteral("九")};
    return words;
}

// Unit of the digit at position k, counted from the units digit leftwards.
QString UnitOfPosition(int k)
{
    static const std::array<QString, 8> units = {
        QString(), QStringLiteral("十"), QStringLiteral("百"), QStringLiteral("千"),
        QStringLiteral("万"), QStringLiteral("十"), QStringLiteral("百"), QStringLiteral("千")};
    if (k % 8 == 0 && k > 0)
        return QStringLiteral("亿");
    return units[k % 8];
}

QString WideToText(Wide value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString text;
    while (value > 0) {
        text.prepend(QLatin1Char(char('0' + int(value % 10))));
        value /= 10;
    }
    return text;
}

// floor(|x| * 1000), exactly: |x| = mantissa * 2^(exponent - 64) with a 64-bit
// mantissa, so the product needs at most 74 bits. Requires |x| < 2^100.
Wide TruncatedThousandths(Extended x)
{
    int exponent = 0;
    const Extended fraction = std::frexp(std::fabs(x), &exponent);
    const auto mantissa = static_cast<unsigned long long>(std::ldexp(fraction, 64));
    const Wide scaled = Wide(mantissa) * 1000u;
    const int shift = 64 - exponent;
    if (shift <= 0)
        return scaled << -shift;
    return shift >= 128 ? Wide(0) : scaled >> shift;
}

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The C locale, so that "." is the decimal point whatever the user's locale.
locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

// Digits beyond this many significant ones cannot change the double a
// decimal text rounds to; they are folded into one sticky digit.
constexpr qsizetype MaxSignificantDigits = 800;
constexpr qint64 ExponentLimit = 1'000'000'000;

struct DecimalText {
    bool negative = false;
    QString digits;            // integer and fraction digits run together
    qsizetype fractionDigits = 0;
    qint64 exponent = 0;       // the written exponent, saturated at ±ExponentLimit
};

// Checks the whole text against the accepted form and splits it up.
std::optional<DecimalText> SplitDecimal(QStringView text)
{
    while (!text.isEmpty() && text.front() == QLatin1Char(' '))
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);

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
        mantissa = true;
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

} // namespace

QString GeneralNumberText(Extended value, int digits)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");

    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                      digits - 1);
    const QString scientific = QString::fromLatin1(buffer, result.ptr - buffer);  // "-1.2340e+05"
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const int exponent = scientific.mid(e + 1).toInt();
    const bool negative = scientific.startsWith(QLatin1Char('-'));
    QString significant = scientific.left(e).remove(QLatin1Char('-')).remove(QLatin1Char('.'));
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
    return negative ? QLatin1Char('-') + text : text;
}

QString MoneyToFigures(Extended amount)
{
    if (!std::isfinite(amount) || std::fabs(amount) >= 1e18L)
        return GeneralNumberText(amount, 15);
    const Wide thousandths = TruncatedThousandths(amount);
    const Wide cents = thousandths / 10 + (thousandths % 10 >= 5 ? 1 : 0);
    QString text = WideToText(cents / 100) + QLatin1Char('.');
    const int fraction = int(cents % 100);
    text += QLatin1Char(char('0' + fraction / 10));
    text += QLatin1Char(char('0' + fraction % 10));
    if (amount < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString MoneyToFigures(double amount)
{
    return MoneyToFigures(Extended(amount));
}

QString MoneyToChinese(double amount)
{
    QString prefix;
    Extended value = amount;
    if (!(amount >= 0)) {
        prefix = QStringLiteral("负");
        value = -value;
    }
    // Adding half a fen and truncating is the only rounding: the sum is formed
    // in extended precision, then held as a double.
    const double rounded = static_cast<double>(value + 0.005);
    const double integerPart = std::trunc(rounded);
    int tenths = 0;
    int hundredths = 0;
    if (std::isfinite(rounded)) {
        const Extended fraction = Extended(rounded) - integerPart;  // exact
        tenths = int(std::floor(10 * fraction));                    // products exact in 64 bits
        hundredths = int(std::floor(100 * fraction)) - 10 * tenths;
    }

    const auto &words = DigitWords();
    QString fractionText = words[tenths];
    if (tenths != 0)
        fractionText += QStringLiteral("角");
    if (integerPart == 0 && tenths == 0)
        fractionText.clear();
    if (hundredths != 0)
        fractionText += words[hundredths] + QStringLiteral("分");
    if (tenths == 0 && hundredths == 0)
        fractionText.clear();

    const QString integerText = GeneralNumberText(integerPart, 15);
    return prefix + DigitsToChinese(integerText) + QStringLiteral("元") + fractionText;
}

QString DigitsToChinese(const QString &digits)
{
    const qsizetype length = digits.size();
    if (length > 24)
        return QStringLiteral("数值过大!");

    const auto &words = DigitWords();
    QString text;
    bool pendingZero = false;
    bool groupHasDigit = false;  // a non-zero digit since the last 亿 position
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = digits[i];
        const int k = int(length - 1 - i);
        if (c == QLatin1Char(' '))
            continue;
        if (!IsAsciiDigit(c))
            return QStringLiteral("输入含非数字字符!");
        const int d = c.unicode() - '0';
        if (d != 0) {
            if (pendingZero)
                text += words[0];
            text += words[d] + UnitOfPosition(k);
            groupHasDigit = true;
        } else if (k % 8 == 0 || (k % 8 == 4 && groupHasDigit)) {
            text += UnitOfPosition(k);
        }
        if (k % 8 == 0)
            groupHasDigit = false;
        pendingZero = d == 0 && k % 4 != 0;
    }
    return text.isEmpty() ? words[0] : text;
}

std::optional<double> ParseDecimal(const QString &text)
{
    auto parsed = SplitDecimal(text);
    if (!parsed)
        return std::nullopt;

    QString digits = parsed->digits;
    qsizetype leadingZeros = 0;
    while (leadingZeros < digits.size() && digits[leadingZeros] == QLatin1Char('0'))
        ++leadingZeros;
    digits.remove(0, leadingZeros);
    if (digits.isEmpty())
        return parsed->negative ? -0.0 : 0.0;

    // value = digits * 10^scale; beyond MaxSignificantDigits digits only
    // whether anything non-zero follows matters, so it becomes one digit 1.
    qint64 scale = parsed->exponent - parsed->fractionDigits;
    if (digits.size() > MaxSignificantDigits) {
        const QStringView rest = QStringView(digits).mid(MaxSignificantDigits);
        const bool sticky = std::any_of(rest.begin(), rest.end(), [](QChar c) { return c != QLatin1Char('0'); });
        scale += rest.size();
        digits.truncate(MaxSignificantDigits);
        if (sticky) {
            digits += QLatin1Char('1');
            scale -= 1;
        }
    }
    const qint64 magnitude = scale + digits.size();  // value < 10^magnitude
    if (magnitude > 400)
        return std::nullopt;  // beyond the range of a double
    if (magnitude < -400)
        return parsed->negative ? -0.0 : 0.0;

    const QByteArray normal = (digits + QLatin1Char('e') + QString::number(scale)).toLatin1();
    errno = 0;
    const double value = strtod_l(normal.constData(), nullptr, CLocale());
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return parsed->negative ? -value : value;
}

AmountReading ReadAmount(const QString &text)
{
    AmountReading reading;
    if (text.isEmpty())
        return reading;
    const auto value = ParseDecimal(text);
    if (!value || !(*value > 0)) {
        reading.outcome = AmountReading::Outcome::Reject;
        return reading;
    }
    reading.outcome = AmountReading::Outcome::Value;
    reading.value = *value;
    return reading;
}

} // namespace pellumo
