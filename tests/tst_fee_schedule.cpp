// Every fee kind at a typical amount, the edges of the new scales, the
// reductions, the local amounts, bad input, and a property check against the
// fee functions the schedule is built on.

#include "fees/acceptance_fee.h"
#include "fees/application_fee.h"
#include "fees/fee_schedule.h"
#include "money/money.h"

#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <cmath>

using namespace pellumo;

Q_DECLARE_METATYPE(pellumo::FeeKind)
Q_DECLARE_METATYPE(pellumo::LocalStandardField)

namespace {

// "2300", "0.005", "2300/3": an exact amount written in a table.
Money Exact(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    return Money::fromPlainDecimal(parts[0]).value() / Money::fromPlainDecimal(parts.value(1, QStringLiteral("1"))).value();
}

std::optional<Money> AmountOf(const QString &text)
{
    return text.isEmpty() ? std::nullopt : std::optional<Money>(Exact(text));
}

// The amount where the kind takes one.
std::optional<Money> AmountFor(FeeKind kind, int amount)
{
    return FeeKindAmountUse(kind) == FeeAmountUse::None ? std::nullopt : std::optional<Money>(amount);
}

Money SumOf(const QList<FeeStep> &steps)
{
    Money sum;
    for (const FeeStep &step : steps)
        sum += step.amount;
    return sum;
}

QStringList Texts(const FeeResult &result)
{
    QStringList texts;
    for (const FeeStep &step : result.steps)
        texts << step.text;
    return texts;
}

bool HasStepContaining(const FeeResult &result, const QString &text)
{
    return !Texts(result).filter(text).isEmpty();
}

QByteArray StepTexts(const FeeResult &result)
{
    return Texts(result).join(QLatin1Char('\n')).toUtf8();
}

const QString Measures = QStringLiteral("《诉讼费用交纳办法》");

// The articles of the Measures in the reference text, each joined into one
// line without its line breaks and indentation: "第十三条" → its words.
QHash<QString, QString> ArticlesOfTheMeasures()
{
    QFile file(QStringLiteral(PELLUMO_SOURCE_DIR "/app/resources/reference_text.txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open the reference text");
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    static const QRegularExpression heading(QStringLiteral("^\u3000\u3000(第[一二三四五六七八九十]+条)\u3000"));
    static const QRegularExpression chapter(QStringLiteral("^第[一二三四五六七八九十]+章"));
    QHash<QString, QString> articles;
    QString current;
    for (const QString &line : lines) {
        if (line.startsWith(QStringLiteral("２、最高人民法院关于适用")) && !articles.isEmpty())
            break;  // the notice that follows the Measures
        if (const QRegularExpressionMatch match = heading.match(line); match.hasMatch()) {
            current = articles.contains(match.captured(1)) ? QString() : match.captured(1);
            if (!current.isEmpty())
                articles[current] = line.mid(match.capturedEnd());
        } else if (chapter.match(line).hasMatch()) {
            current.clear();
        } else if (!current.isEmpty()) {
            articles[current] += QString(line).remove(QChar(0x3000)).trimmed();
        }
    }
    return articles;
}

const QString Interpretation = QStringLiteral("《最高人民法院关于适用〈中华人民共和国民事诉讼法〉的解释》");

} // namespace

class FeeScheduleTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyKind_data();
    void everyKind();
    void reductions_data();
    void reductions();
    void localAmounts();
    void flatKinds();
    void checkNamesTheWrongField_data();
    void checkNamesTheWrongField();
    void badInput_data();
    void badInput();
    void roundedStepsThatDoNotAddUp();
    void rulesQuotedFromTheirArticles();
    void generatedAmounts();
};

void FeeScheduleTest::everyKind_data()
{
    QTest::addColumn<FeeKind>("kind");
    QTest::addColumn<QString>("amount");  // empty: none
    QTest::addColumn<QString>("fee");     // exact
    QTest::addColumn<QString>("basis");   // after 《诉讼费用交纳办法》
    QTest::addColumn<QString>("step");    // one step; "：…" the quote after the basis; "但是…" a cap
    const auto row = [](FeeKind kind, const char *amount, const char *fee, const char *basis, const QString &step) {
        QTest::addRow("%s", qPrintable(FeeKindName(kind))) << kind << amount << fee << basis << step;
    };
    using K = FeeKind;
    // 50 + 90000×2.5% = 50 + 2250 = 2300
    row(K::Property, "100000", "2300", "第十三条第（一）项", QStringLiteral("超过1万元至10万元的部分：90000元×2.5%＝2250元"));
    // 50 (local lower bound) + (300000 − 200000)×0.5% = 50 + 500 = 550
    row(K::Divorce, "300000", "550", "第十三条第（二）项第1目", QStringLiteral("超过20万元的部分：100000元×0.5%＝500元"));
    // 100 + 50000×1% + 50000×0.5% = 100 + 500 + 250 = 850
    row(K::PersonalityRights, "150000", "850", "第十三条第（二）项第2目", QStringLiteral("超过10万元的部分：50000元×0.5%＝250元"));
    // 50 + 2250 + 100000×2% + 50000×1.5% = 50 + 2250 + 2000 + 750 = 5050
    row(K::IntellectualPropertyWithAmount, "250000", "5050", "第十三条第（三）项、第（一）项",
        QStringLiteral("超过20万元至50万元的部分：50000元×1.5%＝750元"));
    // 50 + 2250 + 2000 + 300000×1.5% + 500000×1% = 50 + 2250 + 2000 + 4500 + 5000 = 13800
    row(K::Appeal, "1000000", "13800", "第十七条、第十三条第（一）项", QStringLiteral("超过50万元至100万元的部分：500000元×1%＝5000元"));
    // 50 + 10000×2.5% = 300
    row(K::Retrial, "20000", "300", "第十九条、第十三条第（一）项", QStringLiteral("超过1万元至10万元的部分：10000元×2.5%＝250元"));
    row(K::NoAcceptanceFee, "", "0", "第八条",
        QStringLiteral("：下列案件不交纳案件受理费：（一）依照民事诉讼法规定的特别程序审理的案件；（二）裁定不予受理、驳回起诉、"
                       "驳回上诉的案件；（三）对不予受理、驳回起诉和管辖权异议裁定不服，提起上诉的案件；（四）行政赔偿案件"));
    // 50 + 490000×1.5% + 100000×1% = 50 + 7350 + 1000 = 8400
    row(K::Execution, "600000", "8400", "第十四条第（一）项第2目", QStringLiteral("超过1万元至50万元的部分：490000元×1.5%＝7350元"));
    // 30 + 49000×1% = 520
    row(K::Preservation, "50000", "520", "第十四条第（二）项", QStringLiteral("超过1000元至10万元的部分：49000元×1%＝490元"));
    // (50 + 2250)/3 = 2300/3 = 766.666…, shown 766.67
    row(K::PaymentOrder, "100000", "2300/3", "第十四条第（三）项、第十三条第（一）项",
        QStringLiteral("比照财产案件受理费标准的1/3交纳：2300元×1/3≈766.67元"));
    // 10^7 × 0.7% + 11800 = 81800 on the property scale; half: 40900
    row(K::Bankruptcy, "10000000", "40900", "第十四条第（六）项、第十三条第（一）项",
        QStringLiteral("按照财产案件受理费标准减半交纳：81800元×1/2＝40900元"));

    // The edges of the new scales. Bankruptcy: half the property fee reaches
    // its cap of 300000 where 0.5%·x + 41800 = 600000, x = 111640000.
    const char *bankruptcy = "第十四条第（六）项、第十三条第（一）项";
    // 111639999×0.5% + 41800 = 599999.995; half 299999.9975
    QTest::newRow("bankruptcy one yuan below the cap") << K::Bankruptcy << "111639999" << "299999.9975" << bankruptcy << "";
    // 600000.005 halved is 300000.0025; capped at 300000
    QTest::newRow("bankruptcy one yuan above the cap") << K::Bankruptcy << "111640001" << "300000" << bankruptcy
                                                       << "但是，最高不超过30万元：300000.0025元超过30万元，按300000元交纳";
    const char *preservation = "第十四条第（二）项";
    // 1020 + 796000×0.5% = 5000 exactly
    QTest::newRow("preservation at its cap") << K::Preservation << "896000" << "5000" << preservation << "";
    // 1020 + 796001×0.5% = 5000.005
    QTest::newRow("preservation one yuan above its cap")
        << K::Preservation << "896001" << "5000" << preservation
        << "但是，当事人申请保全措施交纳的费用最多不超过5000元：5000.005元超过5000元，按5000元交纳";
    QTest::newRow("preservation without an amount") << K::Preservation << "" << "30" << preservation << "";
}

void FeeScheduleTest::everyKind()
{
    QFETCH(FeeKind, kind);
    QFETCH(QString, amount);
    QFETCH(QString, fee);
    QFETCH(QString, basis);
    QFETCH(QString, step);
    const FeeResult result = ComputeFee(kind, AmountOf(amount), LocalStandards(), Reductions());
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QVERIFY2(result.fee == Exact(fee), StepTexts(result).constData());
    QCOMPARE(result.legalBasis, Measures + basis);
    if (step.startsWith(QStringLiteral("：")))
        step.prepend(Measures + basis);
    QVERIFY2(step.isEmpty() || Texts(result).contains(step), StepTexts(result).constData());
    // A cap is a step only where it takes something off.
    QCOMPARE(!Texts(result).filter(QRegularExpression(QStringLiteral("^但是.*元交纳$"))).isEmpty(),
             step.startsWith(QStringLiteral("但是")));
    // The article and item of the kind head the steps.
    QVERIFY(result.steps.front().text.startsWith(Measures + basis.section(QStringLiteral("、"), 0, 0) +
                                                 QStringLiteral("：")));
    QVERIFY(SumOf(result.steps) == result.fee);
}

void FeeScheduleTest::reductions_data()
{
    QTest::addColumn<FeeKind>("kind");
    QTest::addColumn<QString>("applying");  // m: mediated or withdrawn, s: simplified, c: counterclaim
    QTest::addColumn<QString>("fee");
    QTest::addColumn<QString>("basisTail");  // what the legal basis ends with
    using K = FeeKind;
    const QString once = QStringLiteral("；") + Interpretation + QStringLiteral("第二百零六条");
    // The property fee of 100000 is 2300; halved once, 1150, however many reductions apply.
    QTest::newRow("mediation or withdrawal") << K::Property << "m" << "1150" << "、第十五条";
    QTest::newRow("simplified procedure and counterclaim") << K::Property << "sc" << "1150" << QStringLiteral("、第十六条、第十八条") + once;
    QTest::newRow("all three") << K::Property << "msc" << "1150" << QStringLiteral("、第十五条、第十六条、第十八条") + once;
    // A per-case fee halves too: 10/2 = 5.
    QTest::newRow("labour dispute mediated") << K::LabourDispute << "m" << "5" << "、第十五条";
    // An application fee is never halved: execution of 100000 stays 50 + 90000×1.5% = 1400.
    QTest::newRow("application fee not halved") << K::Execution << "msc" << "1400" << "第十四条第（一）项第2目";
    QTest::newRow("no fee to halve") << K::NoAcceptanceFee << "m" << "0" << "第八条";
}

void FeeScheduleTest::reductions()
{
    QFETCH(FeeKind, kind);
    QFETCH(QString, applying);
    QFETCH(QString, fee);
    QFETCH(QString, basisTail);
    const Reductions reductions{applying.contains(u'm'), applying.contains(u's'), applying.contains(u'c')};
    const FeeResult result = ComputeFee(kind, AmountFor(kind, 100000), LocalStandards(), reductions);
    QVERIFY2(result.fee == Exact(fee), StepTexts(result).constData());
    QVERIFY2(result.legalBasis.endsWith(basisTail), qPrintable(result.legalBasis));
    QVERIFY(SumOf(result.steps) == result.fee);

    const bool halves = !IsApplicationFee(kind) && kind != FeeKind::NoAcceptanceFee;
    // Every reduction that applies is named with its article, and the halving is one step.
    for (const auto &[applies, rule] :
         {std::pair{reductions.mediatedOrWithdrawn, Measures + QStringLiteral("第十五条：以调解方式结案或者当事人申请撤诉的")},
          {reductions.simplifiedProcedure, Measures + QStringLiteral("第十六条：适用简易程序审理的案件")},
          {reductions.counterclaim, Measures + QStringLiteral("第十八条：被告提起反诉")},
          {applying.size() > 1, Interpretation + QStringLiteral("第二百零六条：人民法院决定减半收取案件受理费的，只能减半一次")}})
        QVERIFY2(HasStepContaining(result, rule) == (halves && applies), qPrintable(rule));
    QCOMPARE(Texts(result).filter(QRegularExpression(QStringLiteral("^减半交纳："))).size(), halves ? 1 : 0);
    QCOMPARE(HasStepContaining(result, QStringLiteral("申请费不减半")), IsApplicationFee(kind));
}

// Each ranged kind takes its local amount within its range, bounds included,
// under its own item, and refuses one a yuan outside it naming the range.
void FeeScheduleTest::localAmounts()
{
    using K = FeeKind;
    using F = LocalStandardField;
    const std::tuple<FeeKind, LocalStandardField, int, int, const char *> ranged[] = {
        {K::Divorce, F::Divorce, 50, 300, "第十三条第（二）项第1目"},
        {K::PersonalityRights, F::PersonalityRights, 100, 500, "第十三条第（二）项第2目"},
        {K::OtherNonProperty, F::OtherNonProperty, 50, 100, "第十三条第（二）项第3目"},
        {K::IntellectualPropertyNoAmount, F::IntellectualPropertyNoAmount, 500, 1000, "第十三条第（三）项"},
        {K::JurisdictionObjection, F::JurisdictionObjection, 50, 100, "第十三条第（六）项"},
        {K::ExecutionNoAmount, F::ExecutionNoAmount, 50, 500, "第十四条第（一）项第1目"},
        {K::MaritimeLimitationFund, F::MaritimeLimitationFund, 1000, 10000, "第十四条第（七）项第1目"},
        {K::MaritimeInjunction, F::MaritimeInjunction, 1000, 5000, "第十四条第（七）项第2目"},
        {K::ShipPrioritySummons, F::ShipPrioritySummons, 1000, 5000, "第十四条第（七）项第3目"}};
    for (const auto &[kind, field, lowest, highest, basis] : ranged) {
        const QString range = QStringLiteral("%1元至%2元").arg(lowest).arg(highest);
        QCOMPARE(LocalStandardOf(kind), std::optional<LocalStandardField>(field));
        QCOMPARE(LocalStandardRangeText(field), range);
        // The default is the lower bound.
        const FeeResult byDefault = ComputeFee(kind, std::nullopt, LocalStandards(), Reductions());
        QVERIFY(byDefault.fee == lowest);
        QCOMPARE(byDefault.legalBasis, Measures + QString::fromUtf8(basis));
        for (const int value : {lowest - 1, lowest, (lowest + highest) / 2, highest, highest + 1}) {
            LocalStandards local;
            SetLocalStandardAmount(local, field, value);
            const FeeResult result = ComputeFee(kind, std::nullopt, local, Reductions());
            const bool inside = value >= lowest && value <= highest;
            QVERIFY2(inside ? result.error.isEmpty() : result.error.contains(range), qPrintable(result.error));
            QVERIFY(result.fee == (inside ? value : 0));
            QCOMPARE(Texts(result).contains(QStringLiteral("按本地标准：每件交纳%1元").arg(value)), inside);
            QCOMPARE(result.steps.isEmpty(), !inside);
        }
    }
}

// A flat kind's fee is its amount, quoted from its own item.
void FeeScheduleTest::flatKinds()
{
    using K = FeeKind;
    const std::tuple<FeeKind, int, const char *> flat[] = {
        {K::LabourDispute, 10, "第十三条第（四）项"}, {K::AdministrativeTrademarkPatentMaritime, 100, "第十三条第（五）项第1目"},
        {K::AdministrativeOther, 50, "第十三条第（五）项第2目"}, {K::PublicSummons, 100, "第十四条第（四）项"},
        {K::ArbitrationReview, 400, "第十四条第（五）项"}, {K::MaritimeClaimRegistration, 1000, "第十四条第（七）项第4目"},
        {K::GeneralAverage, 1000, "第十四条第（七）项第5目"}};
    for (const auto &[kind, fee, basis] : flat) {
        const FeeResult result = ComputeFee(kind, std::nullopt, LocalStandards(), Reductions());
        const QString cited = Measures + QString::fromUtf8(basis);
        QVERIFY2(result.fee == fee && SumOf(result.steps) == fee, qPrintable(cited));
        QCOMPARE(result.legalBasis, cited);
        QVERIFY2(result.steps.front().text.startsWith(cited + QStringLiteral("：")) &&
                     result.steps.front().text.endsWith(QStringLiteral("每件交纳%1元").arg(fee)),
                 StepTexts(result).constData());
    }
}

void FeeScheduleTest::checkNamesTheWrongField_data()
{
    QTest::addColumn<LocalStandardField>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    using F = LocalStandardField;
    QTest::newRow("below the range") << F::Divorce << "49" << "离婚案件的本地标准应在法定幅度50元至300元之内，现为49元";
    QTest::newRow("not whole yuan") << F::JurisdictionObjection << "60.5"
                                    << "管辖权异议不成立的本地标准应为整数元，现为60.5元";
}

void FeeScheduleTest::checkNamesTheWrongField()
{
    QFETCH(LocalStandardField, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QVERIFY(!CheckLocalStandards(LocalStandards()));
    LocalStandards local;
    SetLocalStandardAmount(local, field, Exact(value));
    // A second wrong field later in the order does not hide the first.
    local.shipPrioritySummons = field == LocalStandardField::ShipPrioritySummons ? local.shipPrioritySummons : Money(1);
    const std::optional<LocalStandardsFault> fault = CheckLocalStandards(local);
    QVERIFY(fault);
    QCOMPARE(fault->field, field);
    QCOMPARE(fault->message, message);
}

void FeeScheduleTest::badInput_data()
{
    QTest::addColumn<FeeKind>("kind");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("error");  // empty: computed
    using K = FeeKind;
    QTest::newRow("no amount where one is needed") << K::Property << "" << "请输入诉讼请求的金额或者价额";
    QTest::newRow("negative amount") << K::Bankruptcy << "-1" << "破产财产总额不能为负数";
    QTest::newRow("10^15 is beyond the words form")
        << K::Execution << "1000000000000000" << "执行金额或者价额过大：应小于1000万亿元（10^15元），否则无法以大写表示";
    QTest::newRow("rounding up to 10^15") << K::Appeal << "999999999999999.995"
                                          << "上诉请求数额过大：应小于1000万亿元（10^15元），否则无法以大写表示";
    QTest::newRow("just below 10^15") << K::Appeal << "999999999999999.99" << "";
    QTest::newRow("negative optional amount") << K::Divorce << "-5" << "分割的财产总额不能为负数";
    QTest::newRow("divorce without property") << K::Divorce << "" << "";
    QTest::newRow("amount ignored where none is taken") << K::LabourDispute << "-5" << "";
}

void FeeScheduleTest::badInput()
{
    QFETCH(FeeKind, kind);
    QFETCH(QString, amount);
    QFETCH(QString, error);
    const FeeResult result = ComputeFee(kind, AmountOf(amount), LocalStandards(), Reductions());
    QCOMPARE(result.error, error);
    QCOMPARE(result.steps.isEmpty(), !error.isEmpty());
    QVERIFY(error.isEmpty() || (result.fee == 0 && result.legalBasis.isEmpty()));
}

// 10000.2: 50 + 0.2×2.5% = 50.005; mediated, 25.0025, shown 25.00. The steps
// show 50 + 0.01 − 25.00 = 25.01, a fen off, and a note says so. At 100000
// every step is whole fen and no note appears.
void FeeScheduleTest::roundedStepsThatDoNotAddUp()
{
    const Reductions mediated{true, false, false};
    const FeeResult offByAFen = ComputeFee(FeeKind::Property, Exact(QStringLiteral("10000.2")), LocalStandards(), mediated);
    QVERIFY(offByAFen.fee == Exact(QStringLiteral("25.0025")));
    QVERIFY2(Texts(offByAFen).contains(QStringLiteral("超过1万元至10万元的部分：0.2元×2.5%≈0.01元")),
             StepTexts(offByAFen).constData());
    QVERIFY(Texts(offByAFen).contains(QStringLiteral("减半交纳：50.005元×1/2≈25.00元")));
    QCOMPARE(offByAFen.steps.back().text,
             QStringLiteral("注：各步金额已四舍五入至分，其和与应交金额相差0.01元；应交金额由各步未经舍入的金额计算后四舍五入"));
    QVERIFY(offByAFen.steps.back().amount == 0);

    const FeeResult whole = ComputeFee(FeeKind::Property, Money(100000), LocalStandards(), mediated);
    QVERIFY(!HasStepContaining(whole, QStringLiteral("注：")));
}

// Generated amounts in every bracket (fixed seed): the steps add up to the
// fee, which is the fee function the kind is built on, halved where a
// reduction applies to an acceptance fee.
void FeeScheduleTest::generatedAmounts()
{
    QRandomGenerator random(20070401);
    const LocalStandards local;
    // Every threshold of the scales and caps, a thousandth of a yuan either
    // side, then 0.001 to about 10^9 yuan spread evenly over the orders of
    // magnitude, with up to three decimals.
    QList<Money> amounts;
    // 64-bit: a threshold in thousandths passes 2^31, the top of Windows's long.
    for (const qint64 threshold : {1000LL, 10000LL, 50000LL, 100000LL, 200000LL, 500000LL, 896000LL, 1000000LL,
                                   2000000LL, 5000000LL, 10000000LL, 20000000LL, 111640000LL})
        amounts << Money::fraction(threshold * 1000 - 1, 1000) << Money(threshold) << Money::fraction(threshold * 1000 + 1, 1000);
    for (int i = 0; i < 3000; ++i) {
        const qint64 top = qint64(std::llround(std::pow(10.0, random.bounded(1, 13))));
        amounts << Money(mpq_class(mpz_class(std::to_string(random.bounded(qint64(1), top + 1))), 1000));
    }
    using K = FeeKind;
    for (const Money &x : amounts) {
        const Reductions reductions{random.bounded(2) == 1, random.bounded(2) == 1, random.bounded(2) == 1};
        const bool reduced = reductions.mediatedOrWithdrawn || reductions.simplifiedProcedure || reductions.counterclaim;
        const Money halving = reduced ? Money::fraction(1, 2) : Money(1);
        const Money property = PropertyCaseFee(x), half = HalfFee(property);
        const QList<QPair<FeeKind, Money>> expected = {
            {K::Property, property * halving}, {K::IntellectualPropertyWithAmount, property * halving},
            {K::Appeal, property * halving}, {K::Retrial, property * halving},
            {K::Divorce, DivorceCaseFee(x, 50) * halving}, {K::PersonalityRights, PersonalityRightsCaseFee(x, 100) * halving},
            {K::PaymentOrder, property * Money::fraction(1, 3)}, {K::Bankruptcy, half > 300000 ? Money(300000) : half},
            {K::Execution, ExecutionFee(x)}, {K::Preservation, PreservationFee(x)}};
        for (const auto &[kind, fee] : expected) {
            const FeeResult result = ComputeFee(kind, x, local, reductions);
            const QByteArray where = QByteArray::number(int(kind)) + " at " + QByteArray::fromStdString(x.exact().get_str());
            QVERIFY2(result.fee == fee, where.constData());
            QVERIFY2(SumOf(result.steps) == result.fee, where.constData());
            // A step that says "＝" shows its amount exactly, whole fen.
            for (const FeeStep &step : result.steps)
                QVERIFY2(!step.text.contains(QStringLiteral("＝")) || step.amount <= 0 ||
                             step.amount == step.amount.roundedToFen(), qPrintable(step.text));
        }
    }
}

// Every rule a step quotes from the Measures stands word for word in the
// article the step cites, as the reference page shows it.
void FeeScheduleTest::rulesQuotedFromTheirArticles()
{
    const QHash<QString, QString> articles = ArticlesOfTheMeasures();
    QVERIFY(articles.contains(QStringLiteral("第八条")) && articles.contains(QStringLiteral("第十九条")));
    const Reductions all{true, true, true};
    int quoted = 0;
    for (const FeeKind kind : AllFeeKinds()) {
        for (const FeeStep &step : ComputeFee(kind, AmountFor(kind, 300000), LocalStandards(), all).steps) {
            if (!step.text.startsWith(Measures))
                continue;
            const QString cited = step.text.mid(Measures.size()).section(QStringLiteral("："), 0, 0);
            const QString wording = step.text.section(QStringLiteral("："), 1);
            const QString article = cited.left(cited.indexOf(QStringLiteral("条")) + 1);
            QVERIFY2(articles.value(article).contains(wording), qPrintable(step.text));
            ++quoted;
        }
    }
    // 25 kinds, the property scale for the 5 that refer to it, three reductions of 12 fees.
    QCOMPARE(quoted, 25 + 5 + 3 * 12);
}

QTEST_GUILESS_MAIN(FeeScheduleTest)
#include "tst_fee_schedule.moc"
