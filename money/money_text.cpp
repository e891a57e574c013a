// The two texts of a money result: figures ("小写金额") and words ("大写金额").
// Both show the amount rounded once, to the fen, half away from zero.

#include "money/money.h"

#include "money/number_text.h"

namespace pellumo {
namespace {

// The common numerals, not the financial forms; 零 is also the joining zero.
constexpr char16_t DigitWords[] = u"零一二三四五六七八九";

// Unit of the digit at position k, counted from the units digit leftwards;
// none at k = 0, 亿 again at k = 16.
QStringView UnitOfPosition(int k)
{
    static constexpr char16_t units[] = u" 十百千万十百千";
    if (k == 0)
        return {};
    if (k % 8 == 0)
        return u"亿";
    return QStringView(units + k % 8, 1);
}

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// |amount| ≥ 10^18, judged on the exact value.
bool ReachesFiguresExponentForm(const Money &amount)
{
    const mpq_class &x = amount.exact();
    // |x| < 2^(bits of the numerator − bits of the denominator + 1); below
    // 2^59 < 10^18 no exact comparison is needed.
    if (mpz_sizeinbase(x.get_num_mpz_t(), 2) < mpz_sizeinbase(x.get_den_mpz_t(), 2) + 59)
        return false;
    static const mpq_class bound(mpz_class("1000000000000000000"));
    return abs(x) >= bound;
}

QString WholeNumberText(const mpz_class &number)
{
    return number.fits_slong_p() ? QString::number(number.get_si()) : QString::fromStdString(number.get_str(10));
}

// The general 15-digit form of a whole number of yuan: its digits below
// 10^15, an exponent form from there on.
QString IntegerPartText(const mpz_class &yuan)
{
    static const mpz_class exponentFrom("1000000000000000");
    if (yuan < exponentFrom)
        return WholeNumberText(yuan);
    return GeneralNumberText(Money(mpq_class(yuan)), 15);
}

// The fraction text of j 角 and c 分: empty for neither; no 零 before the
// 分 of an amount below one jiao; 零 for no jiao before fen (12.05).
QString FractionWords(bool wholeYuan, int jiao, int fen)
{
    QString text;
    if (jiao != 0)
        text += QChar(DigitWords[jiao]) + QStringLiteral("角");
    else if (fen != 0 && wholeYuan)
        text += QChar(DigitWords[0]);
    if (fen != 0)
        text += QChar(DigitWords[fen]) + QStringLiteral("分");
    return text;
}

} // namespace

QString MoneyToFigures(const Money &amount)
{
    if (ReachesFiguresExponentForm(amount))
        return GeneralNumberText(amount, 15);
    QString digits = WholeNumberText(amount.wholeFen());
    if (digits.size() < 3)
        digits.prepend(QString(3 - digits.size(), QLatin1Char('0')));
    digits.insert(digits.size() - 2, QLatin1Char('.'));
    if (amount.sign() < 0)
        digits.prepend(QLatin1Char('-'));
    return digits;
}

QString MoneyToChinese(const Money &amount)
{
    const mpz_class fen = amount.wholeFen();
    mpz_class yuan;
    const int jiaoAndFen = int(mpz_fdiv_q_ui(yuan.get_mpz_t(), fen.get_mpz_t(), 100));
    // From 10^15 on the integer part's general form has an exponent, which
    // DigitsToChinese answers with its non-digit text.
    const QString integerText = IntegerPartText(yuan);
    QString text;
    text.reserve(64);
    if (amount.sign() < 0)
        text += QStringLiteral("负");
    text += DigitsToChinese(integerText) + QStringLiteral("元");
    text += FractionWords(yuan != 0, jiaoAndFen / 10, jiaoAndFen % 10);
    return text;
}

QString DigitsToChinese(const QString &digits)
{
    const qsizetype length = digits.size();
    if (length > 24)
        return QStringLiteral("数值过大!");

    QString text;
    text.reserve(3 * length);  // at most 零, the digit and its unit per digit
    bool pendingZero = false;
    bool groupHasDigit = false;      // a non-zero digit since the last 亿 position
    bool fourPlacesHaveDigit = false;  // a non-zero digit since the last 万 or 亿 position
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
                text += QChar(DigitWords[0]);
            text += QChar(DigitWords[d]);
            text += UnitOfPosition(k);
            groupHasDigit = true;
            fourPlacesHaveDigit = true;
        } else if (k % 8 == 0 || (k % 8 == 4 && groupHasDigit)) {
            text += UnitOfPosition(k);
        }
        if (k % 8 == 0)
            groupHasDigit = false;
        // A zero at a 万 or 亿 position joins with 零 only when its whole
        // group of four places is zero: 一十万七千 keeps the short form, but
        // 一亿零五千 and 五百三十四万亿零五千…万 need the 零 to show the gap.
        if (k % 4 == 0) {
            pendingZero = d == 0 && !fourPlacesHaveDigit;
            fourPlacesHaveDigit = false;
        } else {
            pendingZero = d == 0;
        }
    }
    return text.isEmpty() ? QString(QChar(DigitWords[0])) : text;
}

} // namespace pellumo
