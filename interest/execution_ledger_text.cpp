#include "interest/execution_ledger_text.h"

#include "interest/interest_wording.h"
#include "interest/segmented_interest_text.h"
#include "money/number_text.h"

namespace pellumo {
namespace {

const QString Yuan = QStringLiteral("元");

QString Figures(const Money &amount)
{
    return MoneyToFigures(amount) + Yuan;
}

QString DaysBetween(const QDate &first, const QDate &last)
{
    return DayRangeText(first, last);
}

QString ItemName(const DebtItem &item)
{
    return item.name.trimmed().isEmpty() ? DebtKindName(item.kind) : item.name.trimmed();
}

// The first day any item bears doubled interest, or an invalid day.
QDate FirstDelayDay(const ExecutionCase &c)
{
    QDate first;
    for (const DebtItem &item : c.items)
        if (item.inDoubledBase && item.lastPerformanceDay.isValid() &&
            (!first.isValid() || item.lastPerformanceDay.addDays(1) < first))
            first = item.lastPerformanceDay.addDays(1);
    return first;
}

SegmentedInterestRequest DoubledRequest(const DoubledSegment &segment)
{
    SegmentedInterestRequest request;
    request.calculation = SegmentedInterestRequest::Calculation::DoubledDelay;
    request.principal = segment.base;
    request.first = segment.first;
    request.last = segment.last;
    return request;
}

InterestSegment InterestSegmentOf(const DoubledSegment &segment)
{
    return {segment.first, segment.last, segment.days, segment.basis, segment.rate, segment.interest};
}

QString GeneralInterestText(const GeneralInterest &g)
{
    if (!g.awarded)
        return QStringLiteral("生效法律文书未确定一般债务利息，不予计算");
    const bool contractTerms = g.basisPoints != 0 || (!g.fixedAnnualRatePercent && g.repricing != Repricing::EachFixing);
    // With a contract's terms the rate reads as the contract states it ("一年期LPR加50个基点").
    const QString rateName = g.fixedAnnualRatePercent ? QStringLiteral("年利率") + PercentText(*g.fixedAnnualRatePercent)
                             : contractTerms          ? RateNameFrom(g.basis, g.from)
                                                      : RatesInForceName(g.basis);
    QString rate = RateFormText(rateName, g.multiplier, g.basisPoints);
    if (contractTerms && !g.fixedAnnualRatePercent)
        rate += QStringLiteral("（") + RepricingText(g.repricing, g.repricingMonth, g.repricingDay) + QStringLiteral("）");
    const QString days = g.countLastDay ? QString() : QStringLiteral("，") + DayCountingText(false);
    return QStringLiteral("以尚未清偿的本金（种类为本金的债务项目）为基数，自") + LongDayText(g.from) + QStringLiteral("起按") + rate +
           QStringLiteral("计算，") + DaysPerYearText(g.daysPerYear) + days + QStringLiteral("，计至实际清偿之日止");
}

// The formula of a doubled segment, as the page 分段计息 writes the doubled
// interest of one sum over one period: "100000×0.0175%×153＝2677.50",
// "100000×6.15%×2÷360×577≈19714.17".
QString DoubledFormula(const DoubledSegment &segment)
{
    return SegmentFormula(DoubledRequest(segment), InterestSegmentOf(segment));
}

QString SetOffArithmetic(const CreditApplied &credit)
{
    struct Part {
        const char16_t *name;
        const Money &amount;
    };
    const Part parts[] = {{u"费用", credit.toCosts},
                          {u"一般债务利息", credit.toGeneralInterest},
                          {u"本金", credit.toPrincipal},
                          {u"加倍部分债务利息", credit.toDoubled},
                          {u"超出应付部分", credit.surplus}};
    QStringList named;
    QStringList sum;
    for (const Part &part : parts) {
        if (part.amount == 0)
            continue;
        named << QStringLiteral("冲抵") + QString::fromUtf16(part.name) + Figures(part.amount);
        sum << MoneyToFigures(part.amount);
    }
    if (named.isEmpty())
        return MoneyToFigures(credit.amount);
    named.last().replace(QStringLiteral("冲抵超出应付部分"), QStringLiteral("超出应付部分"));
    return named.join(QStringLiteral("，")) + QStringLiteral("（") + MoneyToFigures(credit.amount) +
           QStringLiteral("＝") + sum.join(QStringLiteral("＋")) + QStringLiteral("）");
}

// "，其中：本金（第一期）30000.00元、律师费5000.00元" for the items a credit paid.
QString ItemsPaid(const ExecutionCase &c, const CreditApplied &credit)
{
    QStringList paid;
    for (qsizetype i = 0; i < credit.toItems.size() && i < c.items.size(); ++i)
        if (credit.toItems[i] != 0)
            paid << ItemName(c.items[i]) + Figures(credit.toItems[i]);
    if (paid.isEmpty())
        return {};
    return QStringLiteral("，其中：") + paid.join(QStringLiteral("、"));
}

} // namespace

QString DebtKindName(DebtKind kind)
{
    switch (kind) {
    case DebtKind::Principal:
        return QStringLiteral("本金");
    case DebtKind::Damages:
        return QStringLiteral("违约金/赔偿金");
    case DebtKind::LawyerFee:
        return QStringLiteral("律师费");
    case DebtKind::LitigationCost:
        return QStringLiteral("诉讼费用");
    case DebtKind::AppraisalCost:
        return QStringLiteral("鉴定费、公告费");
    case DebtKind::Other:
        break;
    }
    return QStringLiteral("其他");
}

QString SetOffOrderName(SetOffOrder order)
{
    return order == SetOffOrder::CostsPrincipalInterest ? QStringLiteral("先本后息")
                                                         : QStringLiteral("先费用、再利息、后本金");
}

QString RmbCapitals(const Money &amount)
{
    return QStringLiteral("人民币") + MoneyToRmbCapitals(amount);
}

QList<LedgerTextLine> ExecutionLedgerInputs(const ExecutionCase &c)
{
    QList<LedgerTextLine> lines;
    for (const DebtItem &item : c.items) {
        lines.append({ItemName(item),
                      Figures(item.amount) + QStringLiteral("（") + DebtKindName(item.kind) +
                          QStringLiteral("），履行期限届满日") + LongDayText(item.lastPerformanceDay) +
                          (item.inDoubledBase ? QStringLiteral("，计入") : QStringLiteral("，不计入")) +
                          QStringLiteral("加倍部分债务利息的基数")});
    }
    lines.append({QStringLiteral("一般债务利息"), GeneralInterestText(c.generalInterest)});
    for (const ExcludedPeriod &period : c.excluded)
        lines.append({QStringLiteral("不计期间"), DaysBetween(period.first, period.last) + QStringLiteral("（非因被执行人申请的暂缓、中止执行期间，不计加倍部分债务利息）")});
    lines.append({QStringLiteral("计算日"), LongDayText(c.calculationDay) + QStringLiteral("（计算至该日止）")});
    return lines;
}

QStringList DoubledSegmentHeader()
{
    return {QStringLiteral("起日"), QStringLiteral("止日"), QStringLiteral("天数"), QStringLiteral("基数（元）"),
            QStringLiteral("利率"), QStringLiteral("计算式"), QStringLiteral("利息（元）")};
}

QList<QStringList> DoubledSegmentRows(const ExecutionLedger &ledger)
{
    QList<QStringList> rows;
    for (const DoubledSegment &segment : ledger.doubled)
        rows.append({segment.first.toString(QStringLiteral("yyyy-MM-dd")), segment.last.toString(QStringLiteral("yyyy-MM-dd")),
                     QString::number(segment.days), MoneyToFigures(segment.base),
                     SegmentRateText(InterestSegmentOf(segment)), DoubledFormula(segment), MoneyToFigures(segment.interest)});
    return rows;
}

QStringList CreditHeader()
{
    return {QStringLiteral("还款日期"),     QStringLiteral("还款金额"), QStringLiteral("冲抵费用"),
            QStringLiteral("冲抵一般利息"), QStringLiteral("冲抵本金"), QStringLiteral("冲抵加倍利息"),
            QStringLiteral("超出部分"),     QStringLiteral("还款后尚欠")};
}

QList<QStringList> CreditRows(const ExecutionLedger &ledger)
{
    QList<QStringList> rows;
    for (const CreditApplied &credit : ledger.credits)
        rows.append({credit.day.toString(QStringLiteral("yyyy-MM-dd")), MoneyToFigures(credit.amount),
                     MoneyToFigures(credit.toCosts), MoneyToFigures(credit.toGeneralInterest),
                     MoneyToFigures(credit.toPrincipal), MoneyToFigures(credit.toDoubled), MoneyToFigures(credit.surplus),
                     MoneyToFigures(credit.owedAfter)});
    return rows;
}

Money LedgerSurplus(const ExecutionLedger &ledger)
{
    Money surplus;
    for (const CreditApplied &credit : ledger.credits)
        surplus += credit.surplus;
    return surplus;
}

QList<LedgerTextLine> ExecutionLedgerOwed(const ExecutionLedger &ledger)
{
    QList<LedgerTextLine> lines{{QStringLiteral("尚欠费用"), Figures(ledger.owedCosts)},
                                {QStringLiteral("尚欠一般债务利息"), Figures(ledger.owedGeneralInterest)},
                                {QStringLiteral("尚欠本金"), Figures(ledger.owedPrincipal)},
                                {QStringLiteral("尚欠加倍部分债务利息"), Figures(ledger.owedDoubled)}};
    if (const Money surplus = LedgerSurplus(ledger); surplus > 0)
        lines.append({QStringLiteral("超出应付部分"), Figures(surplus)});
    return lines;
}

QStringList ExecutionLedgerChoices(const ExecutionCase &c)
{
    QStringList choices;
    if (c.order == SetOffOrder::CostsPrincipalInterest)
        choices << QStringLiteral("冲抵顺序：先本后息——每笔还款先抵实现债权的费用，再抵本金（先到期的先抵，同时到期的按录入顺序），"
                                  "再抵一般债务利息，最后抵加倍部分债务利息");
    else
        choices << QStringLiteral("冲抵顺序：每笔还款先抵实现债权的费用，再抵一般债务利息，再抵本金（先到期的先抵，同时到期的按录入顺序），"
                                  "最后抵加倍部分债务利息");
    choices << QStringLiteral("冲抵时，费用指诉讼费用和鉴定费、公告费；本金一项包括本金、违约金/赔偿金、律师费及其他金钱债务");
    QStringList in;
    QStringList out;
    for (const DebtItem &item : c.items)
        (item.inDoubledBase ? in : out) << ItemName(item);
    QString base = QStringLiteral("加倍部分债务利息的基数：") +
                   (in.isEmpty() ? QStringLiteral("无计入的项目") : in.join(QStringLiteral("、")) + QStringLiteral("中尚未清偿的部分"));
    if (!out.isEmpty())
        base += QStringLiteral("；不计入：") + out.join(QStringLiteral("、"));
    choices << base;
    choices << QStringLiteral("计日方法：各项债务自其履行期限届满之次日起计算加倍部分债务利息；还款当日仍按原欠款计算，"
                              "自次日起按减少后的余额计算；一般债务利息自起算日当日起计算；不计算期间首尾两日均不计加倍部分债务利息，"
                              "一般债务利息照常计算");
    if (c.generalInterest.awarded && !c.generalInterest.countLastDay)
        choices << QStringLiteral("一般债务利息") + DayCountingText(false) +
                       QStringLiteral("：还款当日的一般债务利息已按还款后的余额计算，计算日当日不计一般债务利息");
    choices << QStringLiteral("舍入：利息逐日按精确值累计，于每笔还款之日及计算日，将自上一节点以来新生的一般债务利息和加倍部分债务利息"
                              "各自四舍五入至分后计入欠款，故各项余额均为整分");
    choices << QStringLiteral("计算日：") + LongDayText(c.calculationDay) + QStringLiteral("，各项欠款为该日终了时的数额；此后的还款不计入");
    return choices;
}

QStringList ExecutionLedgerNotes(const ExecutionCase &c, const ExecutionLedger &ledger)
{
    QStringList notes;
    int later = 0;
    for (const Credit &credit : c.credits)
        later += credit.day > c.calculationDay ? 1 : 0;
    if (later > 0)
        notes << QString::number(later) + QStringLiteral("笔还款的日期在计算日之后，未计入");
    if (const Money surplus = LedgerSurplus(ledger); surplus > 0)
        notes << QStringLiteral("还款超出应付总额") + Figures(surplus) + QStringLiteral("，列为超出应付部分");
    if (ledger.beyondKnownData)
        notes << BeyondKnownDataNote(ledger.knownThrough);
    const QDate firstDelay = FirstDelayDay(c);
    if (firstDelay.isValid() && firstDelay < DailyDelayRateStart())
        notes << DoubledBefore2014Note();
    if (ledger.startsBeforeReplyOf2009)
        notes << ReplyOf2009Note();
    return notes;
}

QStringList ExecutionLedgerLegalBasis(const ExecutionCase &c)
{
    const QDate firstDelay = FirstDelayDay(c);
    const bool earlyDoubled = firstDelay.isValid() && firstDelay < DailyDelayRateStart();
    return {QStringLiteral("《中华人民共和国民事诉讼法》第二百六十四条"),
            QStringLiteral("《最高人民法院关于执行程序中计算迟延履行期间的债务利息适用法律若干问题的解释》（法释〔2014〕8号）第一条至第四条") +
                (earlyDoubled ? QStringLiteral("、第七条") : QString()),
            QStringLiteral("《中华人民共和国民法典》第五百六十条第二款、第五百六十一条")};
}

QString ExecutionLedgerCopyText(const CaseRecord &record, const ExecutionLedger &ledger)
{
    if (!ledger.error.isEmpty())
        return {};
    const ExecutionCase &c = record.executionCase;
    QStringList lines;
    lines << QStringLiteral("执行款计算");
    if (!record.caseNumber.trimmed().isEmpty())
        lines << QStringLiteral("案号：") + record.caseNumber.trimmed();
    if (!record.parties.trimmed().isEmpty())
        lines << QStringLiteral("当事人：") + record.parties.trimmed();

    lines << QStringLiteral("一、生效法律文书确定的债务及计算条件");
    for (const LedgerTextLine &line : ExecutionLedgerInputs(c))
        lines << line.label + QStringLiteral("：") + line.value;

    lines << QStringLiteral("二、还款及冲抵");
    if (ledger.credits.isEmpty())
        lines << QStringLiteral("计算日前无还款");
    int number = 0;
    for (const CreditApplied &credit : ledger.credits) {
        ++number;
        lines << QString::number(number) + QStringLiteral(". ") + LongDayText(credit.day) + QStringLiteral("还款") +
                     Figures(credit.amount) +
                     (number == 1 ? QStringLiteral("（截至当日产生一般债务利息") : QStringLiteral("（上一笔还款后至当日新生一般债务利息")) +
                     Figures(credit.generalInterestAccrued) + QStringLiteral("、加倍部分债务利息") +
                     Figures(credit.doubledAccrued) + QStringLiteral("）：") + SetOffArithmetic(credit) +
                     ItemsPaid(c, credit) + QStringLiteral("；还款后尚欠") + Figures(credit.owedAfter);
    }

    lines << QStringLiteral("三、加倍部分债务利息分段计算");
    if (ledger.doubled.isEmpty())
        lines << QStringLiteral("截至计算日未产生加倍部分债务利息");
    number = 0;
    for (const DoubledSegment &segment : ledger.doubled)
        lines << QString::number(++number) + QStringLiteral(". ") + DaysBetween(segment.first, segment.last) +
                     QStringLiteral("，共") + QString::number(segment.days) + QStringLiteral("天，基数") +
                     Figures(segment.base) + QStringLiteral("：") + DoubledFormula(segment) + Yuan;

    lines << QStringLiteral("四、截至") + LongDayText(c.calculationDay) + QStringLiteral("尚欠");
    for (const LedgerTextLine &line : ExecutionLedgerOwed(ledger))
        lines << line.label + QStringLiteral("：") + line.value;
    lines << QStringLiteral("合计尚欠：") + Figures(ledger.owedTotal) + QStringLiteral("（大写：") +
                 RmbCapitals(ledger.owedTotal) + QStringLiteral("）");
    for (const QString &note : ExecutionLedgerNotes(c, ledger))
        lines << QStringLiteral("注：") + note + QStringLiteral("。");

    lines << QStringLiteral("五、计算方法");
    for (const QString &choice : ExecutionLedgerChoices(c))
        lines << choice + QStringLiteral("。");
    lines << QStringLiteral("六、法律依据");
    lines << ExecutionLedgerLegalBasis(c).join(QStringLiteral("；")) + QStringLiteral("。");
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace pellumo
