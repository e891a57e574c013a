#include "money/money.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace pellumo;

namespace {

Money FromFen(qint64 fen)
{
    return Money::fraction(fen, 100);
}

// Reads capitals back into fen, independently of how they are written: each
// digit times the place units that follow it, 万 and 亿 closing their groups.
// No value for a text that breaks the form (a unit without its digit, two 零
// in a row, 零 before a unit, a missing or misplaced 整).
std::optional<qint64> ReadCapitals(QStringView text)
{
    static const QString digits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
    if (text == u"零元整")
        return 0;
    const qint64 sign = text.startsWith(u'负') ? -1 : 1;
    text = text.mid(sign < 0 ? 1 : 0);
    const qsizetype yuanAt = text.indexOf(u'元');
    const QStringView wholeYuan = yuanAt < 0 ? QStringView() : text.left(yuanAt);
    QStringView fraction = yuanAt < 0 ? text : text.mid(yuanAt + 1);

    qint64 yi = 0, wan = 0, section = 0, digit = 0;
    bool haveDigit = false;
    QChar previous;
    for (QChar c : wholeYuan) {
        const qsizetype d = digits.indexOf(c);
        if (d == 0 && (previous == u'零' || previous.isNull()))
            return std::nullopt;
        if (d > 0) {
            if (haveDigit)
                return std::nullopt;  // two digits without a unit between them
            digit = d;
            haveDigit = true;
        } else if (d < 0) {
            const qint64 unit = c == u'拾' ? 10 : c == u'佰' ? 100 : c == u'仟' ? 1000 : 0;
            if (unit != 0 && !haveDigit)
                return std::nullopt;
            if (unit != 0) {
                section += digit * unit;
            } else if (c == u'万') {
                wan = section + digit;
                section = 0;
            } else if (c == u'亿') {
                yi = wan * 10000 + section + digit;
                wan = section = 0;
            } else {
                return std::nullopt;
            }
            if (previous == u'零')
                return std::nullopt;
            digit = 0;
            haveDigit = false;
        }
        previous = c;
    }
    if (previous == u'零')
        return std::nullopt;
    const qint64 yuan = (yi * 10000 + wan) * 10000 + section + digit;

    if (fraction == u"整" && yuanAt >= 0)
        fraction = {};
    else if (fraction.isEmpty() || fraction == u"整")
        return std::nullopt;  // whole yuan end in 整, after 元
    if (fraction.startsWith(u'零')) {
        if (yuan == 0)
            return std::nullopt;
        fraction = fraction.mid(1);
    }
    qint64 jiaoAndFen = 0;
    for (const auto &[unit, weight] : {std::pair{u'角', 10}, std::pair{u'分', 1}}) {
        if (fraction.size() >= 2 && fraction[1] == unit) {
            const qsizetype d = digits.indexOf(fraction[0]);
            if (d <= 0)
                return std::nullopt;
            jiaoAndFen += d * weight;
            fraction = fraction.mid(2);
        }
    }
    if (!fraction.isEmpty())
        return std::nullopt;
    return sign * (yuan * 100 + jiaoAndFen);
}

// One amount in fen: read back exactly, no common numeral or digit (which a
// voucher refuses), and its negative is 负 before it. False names it.
bool ReadsBack(qint64 fen)
{
    static const QRegularExpression common(QStringLiteral("[一二三四五六七八九十百千两\\d]"));
    const QString text = MoneyToRmbCapitals(FromFen(fen));
    const bool ok = ReadCapitals(text) == fen && !text.contains(common) &&
                    (fen == 0 || MoneyToRmbCapitals(FromFen(-fen)) == QStringLiteral("负") + text);
    if (!ok)
        qWarning("%lld fen: %s", fen, qPrintable(text));
    return ok;
}

} // namespace

class RmbCapitalsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void capitals_data();
    void capitals();
    void amountsReadBack();
};

void RmbCapitalsTest::capitals_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("expected");
    // The bank's examples.
    QTest::newRow("tens keep their digit") << "10" << "壹拾元整";
    QTest::newRow("ten wan keeps its digit") << "100000" << "壹拾万元整";
    QTest::newRow("zero") << "0" << "零元整";
    QTest::newRow("nothing after jiao") << "1409.50" << "壹仟肆佰零玖元伍角";
    QTest::newRow("one zero inside") << "6007.14" << "陆仟零柒元壹角肆分";
    QTest::newRow("a run of zeros writes one zero") << "1000100" << "壹佰万零壹佰元整";
    QTest::newRow("yuan digit zero, jiao not") << "1680.32" << "壹仟陆佰捌拾元零叁角贰分";
    QTest::newRow("wan digit zero, qian not") << "107000.53" << "壹拾万柒仟元零伍角叁分";
    QTest::newRow("no zero after wan before qian") << "10001000" << "壹仟万壹仟元整";
    QTest::newRow("jiao zero, fen not") << "16409.02" << "壹万陆仟肆佰零玖元零贰分";
    QTest::newRow("jiao zero after a non-zero yuan digit") << "325.04" << "叁佰贰拾伍元零肆分";
    QTest::newRow("a typical total") << "21425.83" << "贰万壹仟肆佰贰拾伍元捌角叁分";
    // A whole group of four zero places between two digits is a gap the
    // 零 must show, after 亿 as after 万亿.
    QTest::newRow("wan yi, zero yi group, then wan") << "534000053849227.92"
        << "伍佰叁拾肆万亿零伍仟叁佰捌拾肆万玖仟贰佰贰拾柒元玖角贰分";
    QTest::newRow("wan yi, zero yi and wan groups") << "1000000000005" << "壹万亿零伍元整";
    QTest::newRow("largest amount")
        << "999999999999999.99" << "玖佰玖拾玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分";
    // 108.625 → 10862.5 fen → 10863 fen, half away from zero.
    QTest::newRow("rounded once to the fen") << "108.625" << "壹佰零捌元陆角叁分";
    QTest::newRow("negative rounding to zero has no sign") << "-0.001" << "零元整";
    QTest::newRow("10^15 gives the words form's message") << "1e15" << "输入含非数字字符!元";
    QTest::newRow("rounding up to 10^15") << "999999999999999.995" << "输入含非数字字符!元";
    QTest::newRow("negative from 10^15") << "-1e15" << "负输入含非数字字符!元";
}

void RmbCapitalsTest::capitals()
{
    QFETCH(QString, amount);
    QFETCH(QString, expected);
    QCOMPARE(MoneyToRmbCapitals(ParseMoney(amount).value()), expected);
}

// Every fen up to 10000 yuan, then random amounts below 10^15 yuan: half
// uniform, half with most places zero, where the rules for 零 apply.
void RmbCapitalsTest::amountsReadBack()
{
    for (qint64 fen = 0; fen <= 1000000; ++fen)
        QVERIFY(ReadsBack(fen));
    QRandomGenerator random(20261208);
    for (int i = 0; i < 200000; ++i) {
        qint64 fen = 0;
        if (i % 2 == 0)
            fen = qint64(random.bounded(quint64(100000000000000000ULL)));
        for (int place = 0; i % 2 == 1 && place < 17; ++place)
            fen = fen * 10 + (random.bounded(10) < 7 ? 0 : qint64(random.bounded(1, 10)));
        QVERIFY(ReadsBack(fen));
    }
}

QTEST_APPLESS_MAIN(RmbCapitalsTest)
#include "tst_rmb_capitals.moc"
