// The texts of the segmented interest: the memo lines, the notes and the text
// to paste, checked on calculations worked out by hand.

#include "interest/segmented_interest_text.h"

#include <QTest>

using namespace pellumo;
using Calculation = SegmentedInterestRequest::Calculation;

namespace {

const QDate KnownThrough(2026, 3, 20);

SegmentedInterestRequest Doubled(const char *principal, const QDate &first, const QDate &last)
{
    SegmentedInterestRequest request;
    request.calculation = Calculation::DoubledDelay;
    request.principal = Money::fromPlainDecimal(QString::fromLatin1(principal)).value();
    request.first = first;
    request.last = last;
    return request;
}

SegmentedInterestRequest InForce(const char *principal, const QDate &first, const QDate &last, RateBasis basis,
                                 const char *multiplier, int daysPerYear)
{
    SegmentedInterestRequest request;
    request.principal = Money::fromPlainDecimal(QString::fromLatin1(principal)).value();
    request.first = first;
    request.last = last;
    request.basis = basis;
    request.multiplier = Money::fromPlainDecimal(QString::fromLatin1(multiplier)).value();
    request.daysPerYear = daysPerYear;
    return request;
}

// 36000 from 2020-04-20 to 2020-04-29 (one-year LPR 3.85%) under contract terms.
SegmentedInterestRequest Contract(const char *multiplier, int basisPoints, Repricing repricing = Repricing::EachFixing,
                                  bool countLastDay = true)
{
    SegmentedInterestRequest request =
        InForce("36000", QDate(2020, 4, 20), QDate(2020, 4, 29), RateBasis::OneYear, multiplier, 360);
    request.basisPoints = basisPoints;
    request.repricing = repricing;
    request.countLastDay = countLastDay;
    return request;
}

} // namespace

Q_DECLARE_METATYPE(SegmentedInterestRequest)

class SegmentedInterestTextTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void memoLines_data();
    void memoLines();
    void notes_data();
    void notes();
    void refusals_data();
    void refusals();
    void copyTextOfTheDoubledExample();
    void copyTextOfRatesInForce();
    void contractTerms_data();
    void contractTerms();

private:
    QStringList lines(const SegmentedInterestRequest &request) const
    {
        return SegmentedInterestLines(request, CalculateSegmentedInterest(request, m_history), KnownThrough);
    }

    RateHistory m_history;
};

void SegmentedInterestTextTest::initTestCase()
{
    m_history = BuiltInRateHistory();
    QCOMPARE(m_history.knownThrough, KnownThrough);
}

void SegmentedInterestTextTest::memoLines_data()
{
    QTest::addColumn<SegmentedInterestRequest>("request");
    QTest::addColumn<QStringList>("expected");

    // 100000 × 2 × 6.15% ÷ 360 × 577 = 19714.1666…; 100000 × 0.0175% × 153 = 2677.50.
    QTest::newRow("doubled across 2014-08-01")
        << Doubled("100000", QDate(2013, 1, 1), QDate(2014, 12, 31))
        << QStringList{QStringLiteral(" 【计算结果】加倍部分债务利息(元)：22391.67"),
                       QStringLiteral(" 大写：人民币贰万贰仟叁佰玖拾壹元陆角柒分"),
                       QStringLiteral(" -----------------------------------"),
                       QStringLiteral(" 2013-01-01至2014-12-31，共730天，分2段："),
                       QStringLiteral(" 2013-01-01至2014-07-31，577天，19714.17"),
                       QStringLiteral("   一至三年（含三年）贷款基准利率6.15%×2÷360"),
                       QStringLiteral(" 2014-08-01至2014-12-31，153天，2677.50"),
                       QStringLiteral("   日万分之一点七五")};
    // 36000 × 6% × 1.5 ÷ 365 × 10 = 88.767…
    QTest::newRow("one day rate, multiplier 1.5, 365-day year")
        << InForce("36000", QDate(2013, 1, 1), QDate(2013, 1, 10), RateBasis::OneYear, "1.5", 365)
        << QStringList{QStringLiteral(" 【计算结果】利息合计(元)：88.77"),
                       QStringLiteral(" 大写：人民币捌拾捌元柒角柒分"),
                       QStringLiteral(" -----------------------------------"),
                       QStringLiteral(" 2013-01-01至2013-01-10，共10天，分1段："),
                       QStringLiteral(" 2013-01-01至2013-01-10，10天，88.77"),
                       QStringLiteral("   六个月至一年（含一年）贷款基准利率6.00%×1.5÷365")};
    // 36000 × 4.35% ÷ 360 = 4.35 a day, then 4.25 a day at the first LPR.
    QTest::newRow("one year across the change to the LPR, first day equals last")
        << InForce("36000", QDate(2019, 8, 19), QDate(2019, 8, 20), RateBasis::OneYear, "1", 360)
        << QStringList{QStringLiteral(" 【计算结果】利息合计(元)：8.60"),
                       QStringLiteral(" 大写：人民币捌元陆角"),
                       QStringLiteral(" -----------------------------------"),
                       QStringLiteral(" 2019-08-19至2019-08-20，共2天，分2段："),
                       QStringLiteral(" 2019-08-19至2019-08-19，1天，4.35"),
                       QStringLiteral("   一年以内（含一年）贷款基准利率4.35%÷360"),
                       QStringLiteral(" 2019-08-20至2019-08-20，1天，4.25"),
                       QStringLiteral("   一年期LPR4.25%÷360")};
}

void SegmentedInterestTextTest::memoLines()
{
    QFETCH(SegmentedInterestRequest, request);
    QFETCH(QStringList, expected);
    QCOMPARE(lines(request), expected);
}

void SegmentedInterestTextTest::notes_data()
{
    QTest::addColumn<SegmentedInterestRequest>("request");
    QTest::addColumn<QStringList>("expected");

    const QString beyond = QStringLiteral("利率数据截至2026年3月20日，其后按最后公布的利率计算");
    const QString before2009 =
        QStringLiteral("2009年5月18日前的迟延期间适用法释〔2009〕6号施行前的规定，此处按贷款基准利率计算");

    // 36000 × rate ÷ 360 is a whole number of fen a day: nothing is rounded.
    QTest::newRow("inside the data, no note")
        << InForce("36000", QDate(2020, 1, 1), QDate(2025, 12, 31), RateBasis::OverFiveYears, "1", 360)
        << QStringList();
    QTest::newRow("past the known-through date")
        << InForce("100000", QDate(2026, 1, 1), QDate(2026, 3, 21), RateBasis::OneYear, "1", 360)
        << QStringList{beyond};
    QTest::newRow("doubled from 2014-08-01 on uses no rate, no data note")
        << Doubled("100000", QDate(2025, 1, 1), QDate(2030, 1, 1)) << QStringList();
    QTest::newRow("doubled starting the day before the 2009 reply")
        << Doubled("100000", QDate(2009, 5, 17), QDate(2009, 5, 17)) << QStringList{before2009};
    QTest::newRow("doubled starting on the day of the 2009 reply")
        << Doubled("100000", QDate(2009, 5, 18), QDate(2009, 5, 18)) << QStringList();
    QTest::newRow("rates in force before 2009 carry no reply note")
        << InForce("100000", QDate(2008, 1, 1), QDate(2008, 1, 1), RateBasis::OneYear, "1", 360) << QStringList();
    // 3 × 7.47% ÷ 360 × 5 days = 0.0031125 (shown 0.00), then 3 × 7.20% ÷ 360
    // × 5 days = 0.003 (shown 0.00) after the cut of 2008-09-16; the total
    // 0.0061125 rounds to 0.01.
    QTest::newRow("shown segments off the total by a fen")
        << InForce("3", QDate(2008, 9, 11), QDate(2008, 9, 20), RateBasis::OneYear, "1", 360)
        << QStringList{QStringLiteral("各段金额已四舍五入至分，其和与合计相差0.01元；合计由各段未经舍入的金额相加后四舍五入")};
}

void SegmentedInterestTextTest::notes()
{
    QFETCH(SegmentedInterestRequest, request);
    QFETCH(QStringList, expected);
    const SegmentedInterest result = CalculateSegmentedInterest(request, m_history);
    QCOMPARE(result.outcome, SegmentedInterest::Outcome::Complete);
    QCOMPARE(SegmentedInterestNotes(request, result, KnownThrough), expected);
}

void SegmentedInterestTextTest::refusals_data()
{
    QTest::addColumn<SegmentedInterestRequest>("request");
    QTest::addColumn<QString>("line");
    QTest::newRow("end before start") << Doubled("100", QDate(2020, 1, 2), QDate(2020, 1, 1))
                                      << QStringLiteral(" 截止日早于起算日，无法计算");
    QTest::newRow("before the history")
        << InForce("100", QDate(1999, 6, 9), QDate(2000, 1, 1), RateBasis::OneYear, "1", 360)
        << QStringLiteral(" 起算日早于1999年6月10日，本程序没有此前的利率数据");
    QTest::newRow("a rate below zero") << Contract("1", -400)
                                       << QStringLiteral(" 2020年4月20日的利率加点后低于零，无法计算，请检查加点");
    QTest::newRow("basis points out of range") << Contract("1", -10001)
                                               << QStringLiteral(" 加点须在-10000至10000个基点之间");
}

void SegmentedInterestTextTest::refusals()
{
    QFETCH(SegmentedInterestRequest, request);
    QFETCH(QString, line);
    const SegmentedInterest result = CalculateSegmentedInterest(request, m_history);
    QCOMPARE(SegmentedInterestLines(request, result, KnownThrough), QStringList{line});
    QVERIFY(SegmentedInterestCopyText(request, result, KnownThrough).isEmpty());
}

void SegmentedInterestTextTest::copyTextOfTheDoubledExample()
{
    const SegmentedInterestRequest request = Doubled("100000", QDate(2013, 1, 1), QDate(2014, 12, 31));
    const QString text =
        SegmentedInterestCopyText(request, CalculateSegmentedInterest(request, m_history), KnownThrough);
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("迟延履行期间加倍部分债务利息计算"));
    QCOMPARE(lines.value(1), QStringLiteral("本金：100000.00元"));
    QCOMPARE(lines.value(2), QStringLiteral("迟延履行期间：2013年1月1日至2014年12月31日，共730天"));
    QCOMPARE(lines.value(4), QStringLiteral("分段计算："));
    QCOMPARE(lines.value(5), QStringLiteral("1. 2013年1月1日至2014年7月31日，共577天，按一至三年（含三年）贷款基准利率6.15%"
                                            "计算：100000×6.15%×2÷360×577≈19714.17元"));
    QCOMPARE(lines.value(6), QStringLiteral("2. 2014年8月1日至2014年12月31日，共153天，按日万分之一点七五"
                                            "计算：100000×0.0175%×153＝2677.50元"));
    QCOMPARE(lines.value(7), QStringLiteral("合计：22391.67元（大写：人民币贰万贰仟叁佰玖拾壹元陆角柒分）"));
    QVERIFY(lines.contains(QStringLiteral("利率来源：中国人民银行公布的贷款基准利率。")));
    QVERIFY(text.contains(QStringLiteral("法释〔2014〕8号第七条")));
    QVERIFY(text.contains(QStringLiteral("×日万分之一点七五×迟延履行期间")));
    QVERIFY(text.endsWith(QStringLiteral(
        "法律依据：《中华人民共和国民事诉讼法》第二百六十四条；"
        "《最高人民法院关于执行程序中计算迟延履行期间的债务利息适用法律若干问题的解释》（法释〔2014〕8号）第一条、第七条。\n")));
}

void SegmentedInterestTextTest::copyTextOfRatesInForce()
{
    const SegmentedInterestRequest request =
        InForce("36000", QDate(2019, 8, 19), QDate(2026, 3, 21), RateBasis::OneYear, "1.5", 360);
    const QString text =
        SegmentedInterestCopyText(request, CalculateSegmentedInterest(request, m_history), KnownThrough);
    QVERIFY(text.startsWith(QStringLiteral("按同期利率分段计息\n本金：36000.00元\n计息期间：2019年8月19日至2026年3月21日，共")));
    QVERIFY(text.contains(QStringLiteral("倍数1.5，每年按360天计")));
    QVERIFY(text.contains(QStringLiteral("1. 2019年8月19日至2019年8月19日，共1天，按一年以内（含一年）贷款基准利率4.35%"
                                         "计算：36000×4.35%×1.5÷360×1≈6.53元")));
    QVERIFY(text.contains(QStringLiteral("2. 2019年8月20日至2019年9月19日，共31天，按一年期LPR4.25%计算：")));
    QVERIFY(text.contains(QStringLiteral("注：利率数据截至2026年3月20日，其后按最后公布的利率计算。")));
    QVERIFY(text.contains(QStringLiteral("利率来源：中国人民银行公布的贷款基准利率、全国银行间同业拆借中心公布的贷款市场报价利率（LPR）。")));
    QVERIFY(!text.contains(QStringLiteral("法律依据")));
}

void SegmentedInterestTextTest::contractTerms_data()
{
    QTest::addColumn<SegmentedInterestRequest>("request");
    QTest::addColumn<QStringList>("wanted");

    // 36000 a year at 360 days earns the applied percent a day: 10 × (3.85 + 0.50) = 43.5.
    QTest::newRow("LPR plus 50 basis points")
        << Contract("1", 50)
        << QStringList{QStringLiteral("利率：一年期LPR加50个基点，随每次公布调整"),
                       QStringLiteral("计算：36000×(3.85%+0.5%)÷360×10＝43.50元"),
                       QStringLiteral(" 2020-04-20至2020-04-29，10天，43.50\n   一年期LPR3.85%：(3.85%+0.5%)÷360")};
    QTest::newRow("上浮 is a multiplier") << Contract("1.5", 0)
                                          << QStringList{QStringLiteral("利率：一年期LPR的1.5倍，随每次公布调整")};
    // 10 × (3.85 × 1.5 − 0.20) = 55.75.
    QTest::newRow("both, the spread below")
        << Contract("1.5", -20)
        << QStringList{QStringLiteral("利率：一年期LPR的1.5倍减20个基点"),
                       QStringLiteral("计算：36000×(3.85%×1.5-0.2%)÷360×10＝55.75元")};
    // The last day bears none: 9 × 3.85 = 34.65.
    QTest::newRow("算头不算尾")
        << Contract("1", 0, Repricing::EachFixing, false)
        << QStringList{QStringLiteral("计息期间：2020年4月20日至2020年4月29日，共9天（算头不算尾）"),
                       QStringLiteral("计息天数：算头不算尾（起算日计息，截止日不计息）"),
                       QStringLiteral(" 利率：一年期LPR，随每次公布调整，算头不算尾")};
    QTest::newRow("a day under 算头不算尾 has no segment")
        << [] {
               SegmentedInterestRequest request = Contract("1", 0, Repricing::EachFixing, false);
               request.last = request.first;
               return request;
           }()
        << QStringList{QStringLiteral("共0天（算头不算尾）"), QStringLiteral("合计：0.00元")};
}

// Each wanted piece appears in the copied text or, marked by a leading blank,
// in the memo.
void SegmentedInterestTextTest::contractTerms()
{
    QFETCH(SegmentedInterestRequest, request);
    QFETCH(QStringList, wanted);
    const SegmentedInterest result = CalculateSegmentedInterest(request, m_history);
    const QString text = SegmentedInterestCopyText(request, result, KnownThrough);
    const QString memo = SegmentedInterestLines(request, result, KnownThrough).join(QLatin1Char('\n'));
    for (const QString &piece : wanted)
        QVERIFY2((piece.startsWith(QLatin1Char(' ')) ? memo : text).contains(piece), qPrintable(piece));
}

QTEST_APPLESS_MAIN(SegmentedInterestTextTest)
#include "tst_segmented_interest_text.moc"
