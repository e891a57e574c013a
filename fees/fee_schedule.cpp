#include "fees/fee_schedule.h"

#include "fees/acceptance_fee.h"
#include "fees/application_fee.h"
#include "fees/fee_rates.h"
#include "money/number_text.h"

#include <QStringList>
#include <initializer_list>

namespace pellumo {
namespace {

const QString Measures = QStringLiteral("《诉讼费用交纳办法》");
const QString Interpretation = QStringLiteral("《最高人民法院关于适用〈中华人民共和国民事诉讼法〉的解释》");

// The words form of the amount reaches below 10^15 yuan only.
const Money AmountLimit = Money(mpq_class(mpz_class("1000000000000000")));

// How the fee of a kind follows from its amount.
enum class Computation {
    Flat,           // a fixed fee per case
    Ranged,         // a fee per case within a range, the local amount
    PropertyScale,  // the property scale of 第十三条第（一）项
    Divorce,
    PersonalityRights,
    Execution,
    Preservation,
    PaymentOrder,
    Bankruptcy,
    NoFee,          // 第八条
};

// A rule of the Measures the kind is computed under: where it stands and
// what it says.
struct Rule {
    QString citation;  // "第十三条第（一）项"
    QString wording;
};

struct KindRow {
    FeeKind kind;
    QString name;
    bool application;
    FeeAmountUse amountUse;
    QString amountLabel;
    Computation computation;
    long flatFee;  // Computation::Flat only
    std::optional<LocalStandardField> local;
    QList<Rule> rules;  // the kind's own rule first, the scale it refers to after it
};

const Rule PropertyScaleRule{QStringLiteral("第十三条第（一）项"),
                             QStringLiteral("财产案件根据诉讼请求的金额或者价额，按照下列比例分段累计交纳")};

const QList<KindRow> &KindRows()
{
    using C = Computation;
    using U = FeeAmountUse;
    using F = LocalStandardField;
    const QString claimAmount = QStringLiteral("诉讼请求的金额或者价额");
    static const QList<KindRow> rows = {
        {FeeKind::Property, QStringLiteral("财产案件"), false, U::Required, claimAmount, C::PropertyScale, 0, {},
         {PropertyScaleRule}},
        {FeeKind::Divorce, QStringLiteral("离婚案件"), false, U::Optional, QStringLiteral("分割的财产总额"), C::Divorce, 0,
         F::Divorce,
         {{QStringLiteral("第十三条第（二）项第1目"),
           QStringLiteral("离婚案件每件交纳50元至300元。涉及财产分割，财产总额不超过20万元的，不另行交纳；"
                          "超过20万元的部分，按照0.5%交纳")}}},
        {FeeKind::PersonalityRights, QStringLiteral("侵害人格权案件"), false, U::Optional,
         QStringLiteral("损害赔偿金额"), C::PersonalityRights, 0, F::PersonalityRights,
         {{QStringLiteral("第十三条第（二）项第2目"),
           QStringLiteral("侵害姓名权、名称权、肖像权、名誉权、荣誉权以及其他人格权的案件，每件交纳100元至500元。"
                          "涉及损害赔偿，赔偿金额不超过5万元的，不另行交纳；超过5万元至10万元的部分，按照1%交纳；"
                          "超过10万元的部分，按照0.5%交纳")}}},
        {FeeKind::OtherNonProperty, QStringLiteral("其他非财产案件"), false, U::None, {}, C::Ranged, 0,
         F::OtherNonProperty,
         {{QStringLiteral("第十三条第（二）项第3目"), QStringLiteral("其他非财产案件每件交纳50元至100元")}}},
        {FeeKind::IntellectualPropertyNoAmount, QStringLiteral("知识产权民事案件（没有争议金额或者价额）"), false,
         U::None, {}, C::Ranged, 0, F::IntellectualPropertyNoAmount,
         {{QStringLiteral("第十三条第（三）项"),
           QStringLiteral("知识产权民事案件，没有争议金额或者价额的，每件交纳500元至1000元；"
                          "有争议金额或者价额的，按照财产案件的标准交纳")}}},
        {FeeKind::IntellectualPropertyWithAmount, QStringLiteral("知识产权民事案件（有争议金额或者价额）"), false,
         U::Required, QStringLiteral("争议金额或者价额"), C::PropertyScale, 0, {},
         {{QStringLiteral("第十三条第（三）项"),
           QStringLiteral("知识产权民事案件，没有争议金额或者价额的，每件交纳500元至1000元；"
                          "有争议金额或者价额的，按照财产案件的标准交纳")},
          PropertyScaleRule}},
        {FeeKind::LabourDispute, QStringLiteral("劳动争议案件"), false, U::None, {}, C::Flat, 10, {},
         {{QStringLiteral("第十三条第（四）项"), QStringLiteral("劳动争议案件每件交纳10元")}}},
        {FeeKind::AdministrativeTrademarkPatentMaritime, QStringLiteral("商标、专利、海事行政案件"), false, U::None,
         {}, C::Flat, 100, {},
         {{QStringLiteral("第十三条第（五）项第1目"), QStringLiteral("商标、专利、海事行政案件每件交纳100元")}}},
        {FeeKind::AdministrativeOther, QStringLiteral("其他行政案件"), false, U::None, {}, C::Flat, 50, {},
         {{QStringLiteral("第十三条第（五）项第2目"), QStringLiteral("其他行政案件每件交纳50元")}}},
        {FeeKind::JurisdictionObjection, QStringLiteral("管辖权异议不成立"), false, U::None, {}, C::Ranged, 0,
         F::JurisdictionObjection,
         {{QStringLiteral("第十三条第（六）项"),
           QStringLiteral("当事人提出案件管辖权异议，异议不成立的，每件交纳50元至100元")}}},
        {FeeKind::Appeal, QStringLiteral("财产案件上诉"), false, U::Required, QStringLiteral("上诉请求数额"),
         C::PropertyScale, 0, {},
         {{QStringLiteral("第十七条"),
           QStringLiteral("对财产案件提起上诉的，按照不服一审判决部分的上诉请求数额交纳案件受理费")},
          PropertyScaleRule}},
        {FeeKind::Retrial, QStringLiteral("财产案件再审"), false, U::Required, QStringLiteral("再审请求数额"),
         C::PropertyScale, 0, {},
         {{QStringLiteral("第十九条"),
           QStringLiteral("依照本办法第九条规定需要交纳案件受理费的再审案件，"
                          "按照不服原判决部分的再审请求数额交纳案件受理费")},
          PropertyScaleRule}},
        {FeeKind::NoAcceptanceFee, QStringLiteral("不交纳案件受理费的案件"), false, U::None, {}, C::NoFee, 0, {},
         {{QStringLiteral("第八条"),
           QStringLiteral("下列案件不交纳案件受理费：（一）依照民事诉讼法规定的特别程序审理的案件；"
                          "（二）裁定不予受理、驳回起诉、驳回上诉的案件；"
                          "（三）对不予受理、驳回起诉和管辖权异议裁定不服，提起上诉的案件；（四）行政赔偿案件")}}},
        {FeeKind::ExecutionNoAmount, QStringLiteral("申请执行（没有执行金额或者价额）"), true, U::None, {}, C::Ranged,
         0, F::ExecutionNoAmount,
         {{QStringLiteral("第十四条第（一）项第1目"),
           QStringLiteral("没有执行金额或者价额的，每件交纳50元至500元")}}},
        {FeeKind::Execution, QStringLiteral("申请执行（有执行金额或者价额）"), true, U::Required,
         QStringLiteral("执行金额或者价额"), C::Execution, 0, {},
         {{QStringLiteral("第十四条第（一）项第2目"),
           QStringLiteral("执行金额或者价额不超过1万元的，每件交纳50元；超过1万元至50万元的部分，按照1.5%交纳；"
                          "超过50万元至500万元的部分，按照1%交纳；超过500万元至1000万元的部分，按照0.5%交纳；"
                          "超过1000万元的部分，按照0.1%交纳")}}},
        {FeeKind::Preservation, QStringLiteral("申请保全措施"), true, U::Optional, QStringLiteral("实际保全的财产数额"),
         C::Preservation, 0, {},
         {{QStringLiteral("第十四条第（二）项"),
           QStringLiteral("申请保全措施的，根据实际保全的财产数额按照下列标准交纳：财产数额不超过1000元或者不涉及财产数额的，"
                          "每件交纳30元；超过1000元至10万元的部分，按照1%交纳；超过10万元的部分，按照0.5%交纳。"
                          "但是，当事人申请保全措施交纳的费用最多不超过5000元")}}},
        {FeeKind::PaymentOrder, QStringLiteral("申请支付令"), true, U::Required, QStringLiteral("请求给付的金额或者价额"),
         C::PaymentOrder, 0, {},
         {{QStringLiteral("第十四条第（三）项"), QStringLiteral("依法申请支付令的，比照财产案件受理费标准的1/3交纳")},
          PropertyScaleRule}},
        {FeeKind::PublicSummons, QStringLiteral("申请公示催告"), true, U::None, {}, C::Flat, 100, {},
         {{QStringLiteral("第十四条第（四）项"), QStringLiteral("依法申请公示催告的，每件交纳100元")}}},
        {FeeKind::ArbitrationReview, QStringLiteral("申请撤销仲裁裁决或者认定仲裁协议效力"), true, U::None, {},
         C::Flat, 400, {},
         {{QStringLiteral("第十四条第（五）项"),
           QStringLiteral("申请撤销仲裁裁决或者认定仲裁协议效力的，每件交纳400元")}}},
        {FeeKind::Bankruptcy, QStringLiteral("申请破产"), true, U::Required, QStringLiteral("破产财产总额"),
         C::Bankruptcy, 0, {},
         {{QStringLiteral("第十四条第（六）项"),
           QStringLiteral("破产案件依据破产财产总额计算，按照财产案件受理费标准减半交纳，但是，最高不超过30万元")},
          PropertyScaleRule}},
        {FeeKind::MaritimeLimitationFund, QStringLiteral("申请设立海事赔偿责任限制基金"), true, U::None, {},
         C::Ranged, 0, F::MaritimeLimitationFund,
         {{QStringLiteral("第十四条第（七）项第1目"),
           QStringLiteral("申请设立海事赔偿责任限制基金的，每件交纳1000元至1万元")}}},
        {FeeKind::MaritimeInjunction, QStringLiteral("申请海事强制令"), true, U::None, {}, C::Ranged, 0,
         F::MaritimeInjunction,
         {{QStringLiteral("第十四条第（七）项第2目"), QStringLiteral("申请海事强制令的，每件交纳1000元至5000元")}}},
        {FeeKind::ShipPrioritySummons, QStringLiteral("申请船舶优先权催告"), true, U::None, {}, C::Ranged, 0,
         F::ShipPrioritySummons,
         {{QStringLiteral("第十四条第（七）项第3目"), QStringLiteral("申请船舶优先权催告的，每件交纳1000元至5000元")}}},
        {FeeKind::MaritimeClaimRegistration, QStringLiteral("申请海事债权登记"), true, U::None, {}, C::Flat, 1000, {},
         {{QStringLiteral("第十四条第（七）项第4目"), QStringLiteral("申请海事债权登记的，每件交纳1000元")}}},
        {FeeKind::GeneralAverage, QStringLiteral("申请共同海损理算"), true, U::None, {}, C::Flat, 1000, {},
         {{QStringLiteral("第十四条第（七）项第5目"), QStringLiteral("申请共同海损理算的，每件交纳1000元")}}},
    };
    return rows;
}

const KindRow &RowOf(FeeKind kind)
{
    for (const KindRow &row : KindRows()) {
        if (row.kind == kind)
            return row;
    }
    return KindRows().front();  // unreachable: every kind has its row
}

struct LocalRow {
    LocalStandardField field;
    Money LocalStandards::*member;
    QString name;
    long lowest;
    long highest;
};

const QList<LocalRow> &LocalRows()
{
    using F = LocalStandardField;
    static const QList<LocalRow> rows = {
        {F::Divorce, &LocalStandards::divorce, QStringLiteral("离婚案件"), 50, 300},
        {F::PersonalityRights, &LocalStandards::personalityRights, QStringLiteral("侵害人格权案件"), 100, 500},
        {F::OtherNonProperty, &LocalStandards::otherNonProperty, QStringLiteral("其他非财产案件"), 50, 100},
        {F::IntellectualPropertyNoAmount, &LocalStandards::intellectualPropertyNoAmount,
         QStringLiteral("知识产权民事案件（没有争议金额或者价额）"), 500, 1000},
        {F::JurisdictionObjection, &LocalStandards::jurisdictionObjection, QStringLiteral("管辖权异议不成立"), 50, 100},
        {F::ExecutionNoAmount, &LocalStandards::executionNoAmount, QStringLiteral("申请执行（没有执行金额或者价额）"),
         50, 500},
        {F::MaritimeLimitationFund, &LocalStandards::maritimeLimitationFund,
         QStringLiteral("申请设立海事赔偿责任限制基金"), 1000, 10000},
        {F::MaritimeInjunction, &LocalStandards::maritimeInjunction, QStringLiteral("申请海事强制令"), 1000, 5000},
        {F::ShipPrioritySummons, &LocalStandards::shipPrioritySummons, QStringLiteral("申请船舶优先权催告"), 1000,
         5000},
    };
    return rows;
}

const LocalRow &LocalRowOf(LocalStandardField field)
{
    for (const LocalRow &row : LocalRows()) {
        if (row.field == field)
            return row;
    }
    return LocalRows().front();  // unreachable: every field has its row
}

std::optional<QString> LocalStandardFault(LocalStandardField field, const Money &amount)
{
    const LocalRow &row = LocalRowOf(field);
    const QString what = row.name + QStringLiteral("的本地标准");
    if (amount < row.lowest || amount > row.highest) {
        return what + QStringLiteral("应在法定幅度") + LocalStandardRangeText(field) + QStringLiteral("之内，现为") +
               DecimalText(amount) + QStringLiteral("元");
    }
    if (amount.exact().get_den() != 1)
        return what + QStringLiteral("应为整数元，现为") + DecimalText(amount) + QStringLiteral("元");
    return std::nullopt;
}

// "1000元", "1万元", "20万元": thresholds as the Measures write them.
QString ThresholdText(long yuan)
{
    if (yuan % 10000 == 0)
        return QString::number(yuan / 10000) + QStringLiteral("万元");
    return QString::number(yuan) + QStringLiteral("元");
}

QString RateText(int perMille)
{
    return DecimalText(Money::fraction(perMille, 10)) + QLatin1Char('%');
}

// "＝2250元" when the amount is a whole number of fen and shown as it is,
// "≈58.64元" when it is shown rounded.
QString ShownResult(const Money &amount)
{
    if (amount == amount.roundedToFen())
        return QStringLiteral("＝") + DecimalText(amount) + QStringLiteral("元");
    return QStringLiteral("≈") + MoneyToFigures(amount) + QStringLiteral("元");
}

QString Yuan(const Money &amount)
{
    return DecimalText(amount) + QStringLiteral("元");
}

class Steps
{
public:
    void add(const QString &text, const Money &amount = Money())
    {
        m_steps.append({text, amount});
        m_sum += amount;
    }
    const Money &sum() const { return m_sum; }
    QList<FeeStep> &list() { return m_steps; }

private:
    QList<FeeStep> m_steps;
    Money m_sum;
};

// A bracket of a marginal scale: the part of the amount above `from` up to
// `to` (yuan; 0: no top) pays `perMille`.
struct Bracket {
    long from;
    long to;
    int perMille;
};

// One step per bracket the amount reaches into.
void AddBrackets(Steps &steps, const Money &x, std::initializer_list<Bracket> brackets)
{
    for (const Bracket &b : brackets) {
        if (x <= b.from)
            break;
        const Money part = (b.to != 0 && x > b.to) ? Money(b.to - b.from) : x - b.from;
        const QString range = b.to != 0 ? QStringLiteral("超过") + ThresholdText(b.from) + QStringLiteral("至") +
                                              ThresholdText(b.to) + QStringLiteral("的部分：")
                                        : QStringLiteral("超过") + ThresholdText(b.from) + QStringLiteral("的部分：");
        const Money fee = part * PerMille(b.perMille);
        steps.add(range + Yuan(part) + QStringLiteral("×") + RateText(b.perMille) + ShownResult(fee), fee);
    }
}

// The steps of the property scale; they add PropertyCaseFee(x).
void AddPropertyScale(Steps &steps, const Money &x)
{
    steps.add(QStringLiteral("不超过1万元的，每件交纳50元"), 50);
    AddBrackets(steps, x,
                {{10000, 100000, 25}, {100000, 200000, 20}, {200000, 500000, 15}, {500000, 1000000, 10},
                 {1000000, 2000000, 9}, {2000000, 5000000, 8}, {5000000, 10000000, 7}, {10000000, 20000000, 6},
                 {20000000, 0, 5}});
}

void AddLocalAmount(Steps &steps, const Money &amount)
{
    steps.add(QStringLiteral("按本地标准：每件交纳") + Yuan(amount), amount);
}

// Turns the total so far into `result` with one step whose text shows the
// operation on the exact total so far.
void AddOperation(Steps &steps, const QString &what, const QString &factor, const Money &result)
{
    const Money before = steps.sum();
    steps.add(what + Yuan(before) + factor + ShownResult(result), result - before);
}

void AddCap(Steps &steps, const QString &what, long cap)
{
    const Money before = steps.sum();
    if (before > cap) {
        steps.add(what + Yuan(before) + QStringLiteral("超过") + ThresholdText(cap) + QStringLiteral("，按") +
                      QString::number(cap) + QStringLiteral("元交纳"),
                  Money(cap) - before);
    }
}

struct ReductionRow {
    bool Reductions::*flag;
    QString article;
    QString wording;
};

const QList<ReductionRow> &ReductionRows()
{
    static const QList<ReductionRow> rows = {
        {&Reductions::mediatedOrWithdrawn, QStringLiteral("第十五条"),
         QStringLiteral("以调解方式结案或者当事人申请撤诉的，减半交纳案件受理费")},
        {&Reductions::simplifiedProcedure, QStringLiteral("第十六条"),
         QStringLiteral("适用简易程序审理的案件减半交纳案件受理费")},
        {&Reductions::counterclaim, QStringLiteral("第十八条"),
         QStringLiteral("被告提起反诉、有独立请求权的第三人提出与本案有关的诉讼请求，人民法院决定合并审理的，"
                        "分别减半交纳案件受理费")},
    };
    return rows;
}

const QString HalvedOnceRule = QStringLiteral("人民法院决定减半收取案件受理费的，只能减半一次");

// The reductions that apply, each named; the fee halved once. Returns the
// articles applied, for the legal basis.
QStringList AddReductions(Steps &steps, const Reductions &reductions)
{
    QStringList articles;
    for (const ReductionRow &row : ReductionRows()) {
        if (reductions.*row.flag) {
            steps.add(Measures + row.article + QStringLiteral("：") + row.wording);
            articles << row.article;
        }
    }
    if (articles.isEmpty())
        return articles;
    if (articles.size() > 1)
        steps.add(Interpretation + QStringLiteral("第二百零六条：") + HalvedOnceRule + QStringLiteral("。本案减半一次"));
    AddOperation(steps, QStringLiteral("减半交纳："), QStringLiteral("×1/2"), HalfFee(steps.sum()));
    return articles;
}

// The shown steps are rounded each to the fen; their sum can then differ
// from the fee, which is the exact sum rounded once.
void AddRoundingNote(Steps &steps, const Money &fee)
{
    Money shownSum;
    for (const FeeStep &step : steps.list())
        shownSum += step.amount.roundedToFen();
    const Money difference = shownSum - fee.roundedToFen();
    if (difference == 0)
        return;
    const Money absolute = difference.sign() < 0 ? -difference : difference;
    steps.list().append({QStringLiteral("注：各步金额已四舍五入至分，其和与应交金额相差") + MoneyToFigures(absolute) +
                             QStringLiteral("元；应交金额由各步未经舍入的金额计算后四舍五入"),
                         Money()});
}

std::optional<QString> AmountFault(const KindRow &row, const std::optional<Money> &amount)
{
    if (row.amountUse == FeeAmountUse::None)
        return std::nullopt;
    if (!amount) {
        if (row.amountUse == FeeAmountUse::Required)
            return QStringLiteral("请输入") + row.amountLabel;
        return std::nullopt;
    }
    if (amount->sign() < 0)
        return row.amountLabel + QStringLiteral("不能为负数");
    if (amount->roundedToFen() >= AmountLimit)
        return row.amountLabel + QStringLiteral("过大：应小于1000万亿元（10^15元），否则无法以大写表示");
    return std::nullopt;
}

FeeResult Refused(const QString &message)
{
    FeeResult result;
    result.error = message;
    return result;
}

// The fee of the kind before any reduction, from the schedule functions;
// the steps built beside it add up to it.
Money ScheduleFee(const KindRow &row, const std::optional<Money> &amount, const LocalStandards &local, Steps &steps)
{
    const Money x = amount.value_or(Money());
    switch (row.computation) {
    case Computation::Flat:
        return row.flatFee;
    case Computation::Ranged: {
        const Money base = LocalStandardAmount(local, *row.local);
        AddLocalAmount(steps, base);
        return base;
    }
    case Computation::PropertyScale:
        AddPropertyScale(steps, x);
        return PropertyCaseFee(x);
    case Computation::Divorce: {
        const Money base = local.divorce;
        AddLocalAmount(steps, base);
        if (!amount)
            return base;
        if (x <= 200000)
            steps.add(QStringLiteral("涉及财产分割，财产总额不超过20万元的，不另行交纳"));
        AddBrackets(steps, x, {{200000, 0, 5}});
        return DivorceCaseFee(x, 0) + base;
    }
    case Computation::PersonalityRights: {
        const Money base = local.personalityRights;
        AddLocalAmount(steps, base);
        if (!amount)
            return base;
        if (x <= 50000)
            steps.add(QStringLiteral("涉及损害赔偿，赔偿金额不超过5万元的，不另行交纳"));
        AddBrackets(steps, x, {{50000, 100000, 10}, {100000, 0, 5}});
        return PersonalityRightsCaseFee(x, 0) + base;
    }
    case Computation::Execution:
        steps.add(QStringLiteral("执行金额或者价额不超过1万元的，每件交纳50元"), 50);
        AddBrackets(steps, x, {{10000, 500000, 15}, {500000, 5000000, 10}, {5000000, 10000000, 5}, {10000000, 0, 1}});
        return ExecutionFee(x);
    case Computation::Preservation:
        steps.add(amount ? QStringLiteral("财产数额不超过1000元的，每件交纳30元")
                         : QStringLiteral("不涉及财产数额的，每件交纳30元"),
                  30);
        AddBrackets(steps, x, {{1000, 100000, 10}, {100000, 0, 5}});
        AddCap(steps, QStringLiteral("但是，当事人申请保全措施交纳的费用最多不超过5000元："), 5000);
        return PreservationFee(x);
    case Computation::PaymentOrder:
        AddPropertyScale(steps, x);
        AddOperation(steps, QStringLiteral("比照财产案件受理费标准的1/3交纳："), QStringLiteral("×1/3"),
                     steps.sum() * Money::fraction(1, 3));
        return PaymentOrderFee(x);
    case Computation::Bankruptcy: {
        AddPropertyScale(steps, x);
        AddOperation(steps, QStringLiteral("按照财产案件受理费标准减半交纳："), QStringLiteral("×1/2"),
                     steps.sum() * Money::fraction(1, 2));
        AddCap(steps, QStringLiteral("但是，最高不超过30万元："), 300000);
        const Money half = HalfFee(PropertyCaseFee(x));
        return half > 300000 ? Money(300000) : half;
    }
    case Computation::NoFee:
        return 0;
    }
    return 0;
}

// "第十三条第（三）项、第（一）项": a citation of the same article as the one
// before it names only its item, as citations are written.
QString Citations(const QList<Rule> &rules)
{
    QStringList citations;
    QString previousArticle;
    for (const Rule &rule : rules) {
        const QString article = rule.citation.left(rule.citation.indexOf(QStringLiteral("条")) + 1);
        citations << (article == previousArticle ? rule.citation.mid(article.size()) : rule.citation);
        previousArticle = article;
    }
    return citations.join(QStringLiteral("、"));
}

} // namespace

FeeResult ComputeFee(FeeKind kind, const std::optional<Money> &amount, const LocalStandards &local,
                     const Reductions &reductions)
{
    const KindRow &row = RowOf(kind);
    if (const std::optional<QString> fault = AmountFault(row, amount))
        return Refused(*fault);
    if (row.local) {
        if (const std::optional<QString> fault = LocalStandardFault(*row.local, LocalStandardAmount(local, *row.local)))
            return Refused(*fault);
    }
    const std::optional<Money> used = row.amountUse == FeeAmountUse::None ? std::nullopt : amount;

    Steps steps;
    for (const Rule &rule : row.rules) {
        const bool carriesFlatFee = row.computation == Computation::Flat && &rule == &row.rules.front();
        steps.add(Measures + rule.citation + QStringLiteral("：") + rule.wording,
                  carriesFlatFee ? Money(row.flatFee) : Money());
    }
    Money fee = ScheduleFee(row, used, local, steps);
    QString legalBasis = Measures + Citations(row.rules);

    const bool anyReduction = reductions.mediatedOrWithdrawn || reductions.simplifiedProcedure || reductions.counterclaim;
    if (anyReduction && row.application) {
        steps.add(QStringLiteral("减半交纳（《诉讼费用交纳办法》第十五条、第十六条、第十八条）只适用于案件受理费，申请费不减半"));
    } else if (anyReduction && row.computation != Computation::NoFee) {
        const QStringList articles = AddReductions(steps, reductions);
        fee = HalfFee(fee);
        legalBasis += QStringLiteral("、") + articles.join(QStringLiteral("、"));
        if (articles.size() > 1)
            legalBasis += QStringLiteral("；") + Interpretation + QStringLiteral("第二百零六条");
    }
    Q_ASSERT(steps.sum() == fee);
    AddRoundingNote(steps, fee);

    FeeResult result;
    result.fee = fee;
    result.steps = std::move(steps.list());
    result.legalBasis = legalBasis;
    return result;
}

QList<FeeKind> AllFeeKinds()
{
    QList<FeeKind> kinds;
    for (const KindRow &row : KindRows())
        kinds << row.kind;
    return kinds;
}

QString FeeKindName(FeeKind kind)
{
    return RowOf(kind).name;
}

QString FeeKindCitation(FeeKind kind)
{
    return RowOf(kind).rules.first().citation;
}

bool IsApplicationFee(FeeKind kind)
{
    return RowOf(kind).application;
}

FeeAmountUse FeeKindAmountUse(FeeKind kind)
{
    return RowOf(kind).amountUse;
}

QString FeeKindAmountLabel(FeeKind kind)
{
    return RowOf(kind).amountLabel;
}

QList<LocalStandardField> AllLocalStandardFields()
{
    QList<LocalStandardField> fields;
    for (const LocalRow &row : LocalRows())
        fields << row.field;
    return fields;
}

FeeRange LocalStandardRange(LocalStandardField field)
{
    const LocalRow &row = LocalRowOf(field);
    return {row.lowest, row.highest};
}

QString LocalStandardName(LocalStandardField field)
{
    return LocalRowOf(field).name;
}

QString LocalStandardRangeText(LocalStandardField field)
{
    const LocalRow &row = LocalRowOf(field);
    return QString::number(row.lowest) + QStringLiteral("元至") + QString::number(row.highest) + QStringLiteral("元");
}

Money LocalStandardAmount(const LocalStandards &local, LocalStandardField field)
{
    return local.*LocalRowOf(field).member;
}

void SetLocalStandardAmount(LocalStandards &local, LocalStandardField field, const Money &amount)
{
    local.*LocalRowOf(field).member = amount;
}

std::optional<LocalStandardField> LocalStandardOf(FeeKind kind)
{
    return RowOf(kind).local;
}

std::optional<LocalStandardsFault> CheckLocalStandards(const LocalStandards &local)
{
    for (const LocalRow &row : LocalRows()) {
        if (const std::optional<QString> fault = LocalStandardFault(row.field, local.*row.member))
            return LocalStandardsFault{row.field, *fault};
    }
    return std::nullopt;
}

} // namespace pellumo
