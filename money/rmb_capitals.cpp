// The capital numerals of the banks (人民币大写), after the People's Bank of
// China's rules for filling in bills and settlement vouchers: 壹贰叁肆伍陆柒捌玖
// with 拾佰仟, the group units 万 and 亿, and 元角分.

#include "money/money.h"

namespace pellumo {
namespace {

constexpr char16_t CapitalDigits[] = u"零壹贰叁肆伍陆柒捌玖";
constexpr char16_t CapitalUnits[] = u" 拾佰仟";

QChar Digit(qint64 d)
{
    return QChar(CapitalDigits[d]);
}

// A group of four places, 1 ≤ n ≤ 9999, without leading zeros: one 零 for a
// run of zeros between two digits, nothing for trailing zeros. Every ten is
// written with its digit (壹拾).
void AppendGroup(QString &text, qint64 n)
{
    bool pendingZero = false;
    bool started = false;
    for (int place = 3; place >= 0; --place) {
        qint64 scale = 1;
        for (int i = 0; i < place; ++i)
            scale *= 10;
        const qint64 d = n / scale % 10;
        if (d == 0) {
            pendingZero = started;
            continue;
        }
        if (pendingZero)
            text += Digit(0);
        pendingZero = false;
        started = true;
        text += Digit(d);
        if (place > 0)
            text += QChar(CapitalUnits[place]);
    }
}

// 1 ≤ n < 10^16, split at 亿 and then at 万. After a group unit the next
// group gets a 零 when its 仟 place is zero, or when a whole group of four
// places between the two is zero: 壹拾万柒仟 (the bank's first form),
// 壹佰万零壹佰, 壹亿零壹元, 伍佰叁拾肆万亿零伍仟叁佰捌拾肆万 (the 亿 group is zero).
void AppendWholeNumber(QString &text, qint64 n)
{
    struct Split { qint64 scale; QChar unit; qint64 leadingPlace; };
    static const Split splits[] = {{100000000, QChar(u'亿'), 10000000}, {10000, QChar(u'万'), 1000}};
    for (const Split &split : splits) {
        if (n < split.scale)
            continue;
        const qint64 high = n / split.scale;
        AppendWholeNumber(text, high);
        text += split.unit;
        const qint64 rest = n % split.scale;
        if (rest == 0)
            return;
        const bool zeroGroupBelowUnit = high % 10000 == 0;  // 万亿 with no 亿 group
        if (rest < split.leadingPlace || zeroGroupBelowUnit)
            text += Digit(0);
        AppendWholeNumber(text, rest);
        return;
    }
    AppendGroup(text, n);
}

} // namespace

QString MoneyToRmbCapitals(const Money &amount)
{
    const mpz_class fen = amount.wholeFen();
    static const mpz_class limit("100000000000000000");  // 10^15 yuan in fen
    if (fen >= limit) {
        // The words form's message for an integer part it cannot write.
        return amount.sign() < 0 ? QStringLiteral("负输入含非数字字符!元") : QStringLiteral("输入含非数字字符!元");
    }
    const qint64 allFen = *Int64Value(fen);  // below 10^17: fits
    const qint64 yuan = allFen / 100;
    const qint64 jiao = allFen / 10 % 10;
    const qint64 fenDigit = allFen % 10;

    QString text;
    text.reserve(48);
    if (allFen == 0)
        return QStringLiteral("零元整");
    if (amount.sign() < 0)
        text += QChar(u'负');
    if (yuan != 0) {
        AppendWholeNumber(text, yuan);
        text += QChar(u'元');
        if (jiao == 0 && fenDigit == 0)
            return text + QChar(u'整');
        // 壹仟陆佰捌拾元零叁角贰分; 壹万陆仟肆佰零玖元零贰分.
        if (yuan % 10 == 0 || jiao == 0)
            text += Digit(0);
    }
    if (jiao != 0) {
        text += Digit(jiao);
        text += QChar(u'角');
    }
    if (fenDigit != 0) {
        text += Digit(fenDigit);
        text += QChar(u'分');
    }
    return text;
}

} // namespace pellumo
