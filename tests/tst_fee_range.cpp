// Walks the fee schedules over every whole yuan from 1 to 1,000,000 and
// closely around every bracket threshold: the figures and the words of each
// fee must name the same amount, the law's exact fee rounded half away from
// zero. The exact fee is worked out here on its own, from the marginal rates
// of the schedules in whole micro-yuan, not from the cumulative formulas of
// the code under test.

#include "fees/acceptance_fee.h"
#include "fees/application_fee.h"
#include "money/money.h"

#include <QTest>
#include <optional>

using namespace pellumo;

namespace {

constexpr qint64 DivorceBase = 50;
constexpr qint64 PersonalityRightsBase = 100;
constexpr qint64 MicroPerYuan = 1'000'000;
constexpr qint64 Unbounded = -1;

// Under AddressSanitizer every allocation is many times slower, and under
// the arm64 emulator of the cross build every instruction is; there the walk
// takes every 97th whole yuan (a stride prime to every bracket width), enough
// to run each code path. The walks around the thresholds stay whole. The
// plain build walks every yuan.
#if defined(__SANITIZE_ADDRESS__) || defined(PELLUMO_TESTS_UNDER_EMULATOR)
constexpr long WholeYuanStride = 97;
#else
constexpr long WholeYuanStride = 1;
#endif

// A bracket of a marginal schedule: the part of the amount between `from`
// and `to` (yuan) pays `perMille`.
struct Bracket {
    qint64 from;
    qint64 to;  // Unbounded: no top
    qint64 perMille;
};

// The fee in micro-yuan of an amount in thousandths of a yuan: a base
// plus each bracket's rate on its part of the amount (thousandths × ‰ =
// micro-yuan).
qint64 MarginalFee(qint64 thousandths, qint64 baseYuan, std::initializer_list<Bracket> brackets)
{
    qint64 fee = baseYuan * MicroPerYuan;
    for (const Bracket &b : brackets) {
        const qint64 top = b.to == Unbounded ? thousandths : std::min(thousandths, b.to * 1000);
        fee += b.perMille * std::max<qint64>(0, top - b.from * 1000);
    }
    return fee;
}

qint64 PropertyMicro(qint64 x)
{
    return MarginalFee(x, 50,
                       {{10000, 100000, 25}, {100000, 200000, 20}, {200000, 500000, 15}, {500000, 1000000, 10},
                        {1000000, 2000000, 9}, {2000000, 5000000, 8}, {5000000, 10000000, 7},
                        {10000000, 20000000, 6}, {20000000, Unbounded, 5}});
}

qint64 DivorceMicro(qint64 x)
{
    return MarginalFee(x, DivorceBase, {{200000, Unbounded, 5}});
}

qint64 PersonalityRightsMicro(qint64 x)
{
    return MarginalFee(x, PersonalityRightsBase, {{50000, 100000, 10}, {100000, Unbounded, 5}});
}

qint64 ExecutionMicro(qint64 x)
{
    return MarginalFee(x, 50, {{10000, 500000, 15}, {500000, 5000000, 10}, {5000000, 10000000, 5},
                               {10000000, Unbounded, 1}});
}

qint64 PreservationMicro(qint64 x)
{
    return std::min(5000 * MicroPerYuan, MarginalFee(x, 30, {{1000, 100000, 10}, {100000, Unbounded, 5}}));
}

// numerator / denominator micro-yuan (both positive) in fen, half away from zero.
qint64 RoundedFen(qint64 micro, qint64 denominator)
{
    const qint64 microPerFen = 10'000 * denominator;
    return (2 * micro + microPerFen) / (2 * microPerFen);
}

QString FiguresOfFen(qint64 fen)
{
    return QString::number(fen / 100) + QLatin1Char('.') + QString::number(fen % 100).rightJustified(2, QLatin1Char('0'));
}

// Reads a words form ("一千零二十四元一角八分") back into fen; no value
// when it is not a well-formed amount below 10^12 yuan.
std::optional<qint64> FenOfWords(const QString &words)
{
    static const QString digits = QStringLiteral("零一二三四五六七八九");
    qint64 yi = 0;       // the part before 亿
    qint64 wan = 0;      // the part before 万
    qint64 section = 0;  // the part below 万
    qint64 digit = 0;
    qint64 fen = -1;
    for (const QChar c : words) {
        const qsizetype d = digits.indexOf(c);
        if (d >= 0) {
            digit = d;
        } else if (c == u'十' || c == u'百' || c == u'千') {
            section += digit * (c == u'十' ? 10 : c == u'百' ? 100 : 1000);
            digit = 0;
        } else if (c == u'万') {
            wan = section + digit;
            section = digit = 0;
        } else if (c == u'亿') {
            yi = wan * 10000 + section + digit;
            wan = section = digit = 0;
        } else if (c == u'元' && fen < 0) {
            fen = ((yi * 100000000) + wan * 10000 + section + digit) * 100;
            digit = 0;
        } else if (c == u'角' && fen >= 0) {
            fen += 10 * digit;
            digit = 0;
        } else if (c == u'分' && fen >= 0) {
            fen += digit;
            digit = 0;
        } else {
            return std::nullopt;
        }
    }
    if (fen < 0 || digit != 0)
        return std::nullopt;
    return fen;
}

struct FeeCase {
    const char *name;
    Money (*fee)(const Money &x);
    qint64 (*exactMicro)(qint64 thousandths);
    qint64 denominator;  // the exact fee is exactMicro / denominator micro-yuan
};

Money DivorceFee(const Money &x) { return DivorceCaseFee(x, int(DivorceBase)); }
Money PersonalityRightsFee(const Money &x) { return PersonalityRightsCaseFee(x, int(PersonalityRightsBase)); }

const FeeCase Fees[] = {
    {"property", &PropertyCaseFee, &PropertyMicro, 1},
    {"divorce", &DivorceFee, &DivorceMicro, 1},
    {"personality rights", &PersonalityRightsFee, &PersonalityRightsMicro, 1},
    {"execution", &ExecutionFee, &ExecutionMicro, 1},
    {"preservation", &PreservationFee, &PreservationMicro, 1},
    {"payment order", &PaymentOrderFee, &PropertyMicro, 3},
};

// Every threshold of the six schedules, the preservation cap included.
const qint64 Thresholds[] = {1000, 10000, 50000, 100000, 200000, 500000, 896000, 1000000, 2000000, 5000000,
                             10000000, 20000000};

// Compares both texts of one fee with the exact fee; an empty text when
// they agree, otherwise what went wrong.
QString Mismatch(const FeeCase &c, const Money &amount, qint64 thousandths)
{
    const Money fee = c.fee(amount);
    const qint64 expectedFen = RoundedFen(c.exactMicro(thousandths), c.denominator);
    const QString figures = MoneyToFigures(fee);
    const QString words = MoneyToChinese(fee);
    if (figures == FiguresOfFen(expectedFen) && FenOfWords(words) == expectedFen)
        return QString();
    return QStringLiteral("%1 fee of %2 thousandths: expected %3, figures %4, words %5")
        .arg(QLatin1String(c.name))
        .arg(thousandths)
        .arg(FiguresOfFen(expectedFen), figures, words);
}

} // namespace

class FeeRangeTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wordsReadBack_data();
    void wordsReadBack();
    void everyWholeYuan();
    void aroundEveryThreshold();
};

// The reader the walk relies on, against texts of known amounts.
void FeeRangeTest::wordsReadBack_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<qint64>("fen");
    QTest::newRow("fen only") << "零元一分" << qint64(1);
    QTest::newRow("zero jiao") << "一十二元零五分" << qint64(1205);
    QTest::newRow("zeros across wan") << "一万零五元" << qint64(1000500);
    QTest::newRow("yi and wan") << "一亿零一十万零一百元" << qint64(10010010000);
    QTest::newRow("wan yi") << "一万亿元" << qint64(100000000000000);
    QTest::newRow("jiao and fen") << "一千零二十四元一角八分" << qint64(102418);
    QTest::newRow("no unit") << "一千零二十四" << qint64(-1);
    QTest::newRow("message") << "输入含非数字字符!元" << qint64(-1);
}

void FeeRangeTest::wordsReadBack()
{
    QFETCH(QString, words);
    QFETCH(qint64, fen);
    QCOMPARE(FenOfWords(words).value_or(-1), fen);
}

void FeeRangeTest::everyWholeYuan()
{
    for (long yuan = 1; yuan <= 1'000'000; yuan += WholeYuanStride) {
        const Money amount(yuan);
        for (const FeeCase &c : Fees) {
            const QString mismatch = Mismatch(c, amount, qint64(yuan) * 1000);
            if (!mismatch.isEmpty())
                QFAIL(qPrintable(mismatch));
        }
    }
}

// From 0.02 below to 0.02 above each threshold in steps of 0.001, typed as
// text like the user would.
void FeeRangeTest::aroundEveryThreshold()
{
    int checked = 0;
    for (const qint64 threshold : Thresholds) {
        for (qint64 step = -20; step <= 20; ++step) {
            const qint64 thousandths = threshold * 1000 + step;
            const QString text = QString::number(thousandths / 1000) + QLatin1Char('.')
                                 + QString::number(thousandths % 1000).rightJustified(3, QLatin1Char('0'));
            const std::optional<Money> amount = ParseMoney(text);
            QVERIFY(amount.has_value());
            QVERIFY(*amount == Money::fraction(thousandths, 1000));
            for (const FeeCase &c : Fees) {
                const QString mismatch = Mismatch(c, *amount, thousandths);
                if (!mismatch.isEmpty())
                    QFAIL(qPrintable(mismatch));
                ++checked;
            }
        }
    }
    QCOMPARE(checked, int(std::size(Thresholds)) * 41 * int(std::size(Fees)));
}

QTEST_GUILESS_MAIN(FeeRangeTest)
#include "tst_fee_range.moc"
