#include "interest/private_lending.h"

#include "interest/interest_wording.h"

#include <algorithm>

namespace pellumo {
namespace {

// 法释〔2015〕18号 took effect on 2015-09-01; 法释〔2020〕6号 governed the cases
// filed from 2020-08-20 to 2020-12-31; 法释〔2020〕17号 those filed later.
const QDate Text2015Start(2015, 9, 1);
const QDate LprCapStart(2020, 8, 20);
const QDate Text2020InForce(2021, 1, 1);
const QDate LastAcceptedDay(9999, 12, 31);

const QString Text2015 = QStringLiteral("法释〔2015〕18号");
const QString Text2020 = QStringLiteral("法释〔2020〕17号");

// 法释〔2015〕18号 第二十六条, 第二十九条.
const Money SupportedUnder2015 = 24;
const Money VoidAbove2015 = 36;
const Money StatutoryOverdue2015 = 6;

enum class Text { Of2015, Of2020 };

QString Percent(const Money &percent)
{
    return PercentText(percent);
}

QString Day(const QDate &day)
{
    return LongDayText(day);
}

bool InAcceptedRange(const QDate &day)
{
    return day.isValid() && day >= RateHistoryStart() && day <= LastAcceptedDay;
}

std::optional<QString> DateError(const PrivateLoan &loan)
{
    const std::pair<const QDate *, const char16_t *> named[] = {
        {&loan.formed, u"合同成立日"}, {&loan.lent, u"出借日"}, {&loan.due, u"到期日"},
        {&loan.filed, u"起诉日"},      {&loan.until, u"计息截止日"}};
    for (const auto &[day, name] : named) {
        if (!InAcceptedRange(*day))
            return QString::fromUtf16(name) + QStringLiteral("须在1999年6月10日至9999年12月31日之间");
    }
    if (loan.lent < loan.formed)
        return QStringLiteral("出借日早于合同成立日");
    if (loan.due < loan.lent)
        return QStringLiteral("到期日早于出借日");
    if (loan.until < loan.lent)
        return QStringLiteral("计息截止日早于出借日");
    if (loan.filed < loan.formed)
        return QStringLiteral("起诉日早于合同成立日");
    return std::nullopt;
}

std::optional<QString> AmountError(const PrivateLoan &loan)
{
    if (loan.principal <= 0)
        return QStringLiteral("借款本金须大于零");
    if ((loan.loanRatePercent && *loan.loanRatePercent < 0) || (loan.overdueRatePercent && *loan.overdueRatePercent < 0) ||
        loan.otherChargesPercent < 0)
        return QStringLiteral("利率不能为负数");
    if (loan.daysPerYear != 360 && loan.daysPerYear != 365)
        return QStringLiteral("每年天数只能是360或365");
    return std::nullopt;
}

// The cases this calculation does not cover, and why.
std::optional<QString> ScopeError(const PrivateLoan &loan)
{
    if (loan.lender == LenderKind::LicensedOrLocalFinancial)
        return QStringLiteral("持牌金融机构及小额贷款公司、融资担保公司、区域性股权市场、典当行、融资租赁公司、"
                              "商业保理公司、地方资产管理公司的金融业务不适用民间借贷利率上限"
                              "（法释〔2020〕27号），本程序不计算");
    if (loan.filed < Text2015Start)
        return QStringLiteral("起诉日早于2015年9月1日，适用1991年《最高人民法院关于人民法院审理借贷案件的若干意见》，"
                              "本程序不计算");
    if (loan.filed >= LprCapStart && loan.filed < Text2020InForce)
        return QStringLiteral("起诉日在2020年8月20日至2020年12月31日之间，适用法释〔2020〕6号的过渡规定，本程序不计算");
    return std::nullopt;
}

struct LprReading {
    QDate day;
    Money percent;
};

// What the whole loan is judged by: the texts its days fall under, the cap of
// the 2020 text and the statutory overdue rate, each read once.
struct CaseFrame {
    bool only2015 = false;       // filed 2015-09-01..2020-08-19: the 2015 text throughout
    bool has2020Days = false;    // some day of interest falls under the 2020 text
    bool capFromFiling = false;  // formed before 2020-08-20, filed from 2021: 第三十一条
    LprReading cap;              // 2020 text: four times this LPR
    LprReading statutory;        // 2020 text, no agreed rate: overdue at this LPR
    bool loanRateAgreed = false;  // a positive loan rate; zero is an interest-free loan
};

class LprReader
{
public:
    LprReader(const RateHistory &history, PrivateLendingResult &result) : m_history(history), m_result(result) {}

    std::optional<LprReading> on(const QDate &day)
    {
        const auto after = std::upper_bound(m_history.loanPrime.cbegin(), m_history.loanPrime.cend(), day,
                                            [](const QDate &d, const LoanPrimeRates &row) { return d < row.from; });
        if (after == m_history.loanPrime.cbegin())
            return std::nullopt;
        if (day > m_history.knownThrough)
            m_result.beyondKnownData = true;
        return LprReading{day, (after - 1)->oneYear.percent};
    }

private:
    const RateHistory &m_history;
    PrivateLendingResult &m_result;
};

Text TextOfDay(const PrivateLoan &loan, const QDate &day)
{
    return loan.filed < LprCapStart || day < LprCapStart ? Text::Of2015 : Text::Of2020;
}

// The rate and cap of one run of days.
struct DayTerms {
    QString rule;
    Money agreedPercent;  // what is claimed: the interest rate, and on overdue days the other charges
    Money capPercent;
    Money voidPercent;    // 2015 text: the agreed interest above 36 %
};

Money ClaimedInterestRate(const PrivateLoan &loan, const CaseFrame &frame, Text text, bool overdue)
{
    if (!overdue)
        return loan.loanRatePercent.value_or(0);
    if (loan.overdueRatePercent)
        return *loan.overdueRatePercent;
    if (frame.loanRateAgreed)
        return *loan.loanRatePercent;
    return text == Text::Of2015 ? StatutoryOverdue2015 : frame.statutory.percent;
}

QString RuleOf(const CaseFrame &frame, Text text, bool overdue)
{
    if (text == Text::Of2015) {
        if (overdue)
            return Text2015 + QStringLiteral(" 第二十九条、第三十条");
        return Text2015 + (frame.loanRateAgreed ? QStringLiteral(" 第二十六条") : QStringLiteral(" 第二十五条"));
    }
    QString rule = Text2020;
    if (overdue)
        rule += QStringLiteral(" 第二十八条、第二十九条");
    else
        rule += frame.loanRateAgreed ? QStringLiteral(" 第二十五条") : QStringLiteral(" 第二十四条");
    if (frame.capFromFiling)
        rule += QStringLiteral("、第三十一条");
    return rule;
}

DayTerms TermsOf(const PrivateLoan &loan, const CaseFrame &frame, Text text, bool overdue)
{
    const Money interestRate = ClaimedInterestRate(loan, frame, text, overdue);
    DayTerms terms;
    terms.rule = RuleOf(frame, text, overdue);
    terms.agreedPercent = overdue ? interestRate + loan.otherChargesPercent : interestRate;
    terms.capPercent = text == Text::Of2015 ? SupportedUnder2015 : frame.cap.percent * 4;
    // Only an agreed interest rate can be void; the statutory 6 %, 违约金 and
    // other charges are never void, only not supported beyond the cap.
    const bool agreedRate = !overdue || loan.overdueRatePercent || frame.loanRateAgreed;
    if (text == Text::Of2015 && agreedRate && interestRate > VoidAbove2015)
        terms.voidPercent = interestRate - VoidAbove2015;
    return terms;
}

CapSegment MakeSegment(const PrivateLoan &loan, const DayTerms &terms, const QDate &first, const QDate &last)
{
    CapSegment segment;
    segment.first = first;
    segment.last = last;
    segment.days = int(first.daysTo(last)) + 1;
    segment.rule = terms.rule;
    segment.agreedPercent = terms.agreedPercent;
    segment.capPercent = terms.capPercent;
    segment.supportedPercent = std::min(terms.agreedPercent, terms.capPercent);
    const Money perPercent = loan.principal * segment.days / (100L * loan.daysPerYear);
    segment.agreed = perPercent * segment.agreedPercent;
    segment.supported = perPercent * segment.supportedPercent;
    segment.voidPart = perPercent * terms.voidPercent;
    segment.notSupported = perPercent * (segment.agreedPercent - segment.supportedPercent - terms.voidPercent);
    return segment;
}

// The days lent..lastDay split where the text (2020-08-20) or the term (the
// day after `due`) changes; the cap and the rate are constant in each piece.
QList<CapSegment> SegmentsOf(const PrivateLoan &loan, const CaseFrame &frame, const QDate &lastDay)
{
    QList<QDate> starts{loan.lent};
    if (!frame.only2015 && loan.lent < LprCapStart && LprCapStart <= lastDay)
        starts << LprCapStart;
    if (loan.due < lastDay)
        starts << loan.due.addDays(1);
    std::sort(starts.begin(), starts.end());
    QList<CapSegment> segments;
    for (qsizetype i = 0; i < starts.size(); ++i) {
        const QDate first = starts[i];
        const QDate last = i + 1 < starts.size() ? starts[i + 1].addDays(-1) : lastDay;
        if (first > last)
            continue;
        const DayTerms terms = TermsOf(loan, frame, TextOfDay(loan, first), first > loan.due);
        segments << MakeSegment(loan, terms, first, last);
    }
    return segments;
}

QStringList LawSteps(const PrivateLoan &loan, const CaseFrame &frame)
{
    QStringList steps;
    if (frame.only2015) {
        steps << QStringLiteral("起诉日") + Day(loan.filed) + QStringLiteral("在2015年9月1日至2020年8月19日之间，全部期间适用") +
                     Text2015 + QStringLiteral("。");
    } else if (frame.capFromFiling) {
        steps << QStringLiteral("借贷合同成立于2020年8月20日前（") + Day(loan.formed) + QStringLiteral("），起诉于") + Day(loan.filed) +
                     QStringLiteral("：依") + Text2020 + QStringLiteral("第三十一条，2020年8月19日前的利息适用") + Text2015 +
                     QStringLiteral("，自2020年8月20日起适用起诉时的利率保护标准。");
    } else {
        steps << QStringLiteral("借贷合同成立于") + Day(loan.formed) + QStringLiteral("，适用") + Text2020 + QStringLiteral("。");
    }
    const bool has2015Days = frame.only2015 || loan.lent < LprCapStart;
    if (has2015Days)
        steps << Text2015 + QStringLiteral("第二十六条：年利率24%以内予以支持；24%至36%之间不予支持（已支付的不得请求返还）；"
                                           "超过36%的部分约定无效。");
    if (frame.has2020Days) {
        const QString which = frame.capFromFiling ? QStringLiteral("起诉日") : QStringLiteral("合同成立日");
        const QString articles = frame.capFromFiling ? QStringLiteral("第二十五条、第三十一条") : QStringLiteral("第二十五条");
        steps << QStringLiteral("利率上限：") + which + Day(frame.cap.day) + QStringLiteral("一年期LPR") + Percent(frame.cap.percent) +
                     QStringLiteral("的四倍，即") + Percent(frame.cap.percent * 4) + QStringLiteral("（") + Text2020 + articles +
                     QStringLiteral("）；超过部分不予支持。");
    }
    return steps;
}

QString LoanTermStep(const PrivateLoan &loan, const CaseFrame &frame)
{
    if (!frame.loanRateAgreed)
        return QStringLiteral("借期内未约定利息（或约定无息），借期内不计利息（") + Text2015 + QStringLiteral("第二十五条、") + Text2020 +
               QStringLiteral("第二十四条）。");
    return QStringLiteral("借期内（至") + Day(loan.due) + QStringLiteral("）按约定年利率") + Percent(*loan.loanRatePercent) +
           QStringLiteral("计算。");
}

QStringList StatutoryOverdueSteps(const PrivateLoan &loan, const CaseFrame &frame)
{
    const QDate firstOverdue = loan.due.addDays(1);
    QStringList steps;
    if (frame.only2015 || firstOverdue < LprCapStart)
        steps << QStringLiteral("既未约定借期内利率也未约定逾期利率：") + Text2015 +
                     QStringLiteral("第二十九条规定的期间按年利率6%计算逾期利息。");
    if (!frame.has2020Days)
        return steps;
    QString lpr = QStringLiteral("依") + Text2020 + QStringLiteral("第二十八条，逾期利息参照“当时”一年期LPR计算。此处“当时”取");
    if (firstOverdue < LprCapStart)
        lpr += QStringLiteral("2020年8月20日（逾期始于该日前，自该日起适用新规定）");
    else
        lpr += QStringLiteral("逾期之日（到期日次日）") + Day(frame.statutory.day);
    lpr += QStringLiteral("的一年期LPR ") + Percent(frame.statutory.percent) +
           QStringLiteral("，全部逾期天数适用同一利率；亦有法院将“当时”理解为起诉之日，此处未采该理解。");
    steps << lpr;
    return steps;
}

QStringList OverdueSteps(const PrivateLoan &loan, const CaseFrame &frame)
{
    QStringList steps;
    if (loan.overdueRatePercent)
        steps << QStringLiteral("逾期利息按约定逾期年利率") + Percent(*loan.overdueRatePercent) + QStringLiteral("计算。");
    else if (frame.loanRateAgreed)
        steps << QStringLiteral("未约定逾期利率，逾期后按借期内年利率") + Percent(*loan.loanRatePercent) +
                     QStringLiteral("计算（") + Text2015 + QStringLiteral("第二十九条、") + Text2020 + QStringLiteral("第二十八条）。");
    else
        steps << StatutoryOverdueSteps(loan, frame);
    if (loan.otherChargesPercent > 0)
        steps << QStringLiteral("违约金及其他费用按年利率") + Percent(loan.otherChargesPercent) + QStringLiteral("计入逾期期间。");
    // Name only the texts the overdue days fall under; only the 2015 text voids.
    const bool overdueUnder2015 = frame.only2015 || loan.due.addDays(1) < LprCapStart;
    QStringList articles;
    if (overdueUnder2015)
        articles << Text2015 + QStringLiteral("第三十条");
    if (frame.has2020Days)
        articles << Text2020 + QStringLiteral("第二十九条");
    QString combined = QStringLiteral("逾期利息、违约金和其他费用一并主张的，合计超过上限的部分不予支持（") +
                       articles.join(QStringLiteral("、")) + QStringLiteral("）。");
    if (overdueUnder2015)
        combined += QStringLiteral("违约金、其他费用及法定标准的逾期利息不因超过36%而无效。");
    steps << combined;
    return steps;
}

QString PeriodStep(const PrivateLoan &loan, const QDate &lastDay)
{
    const int days = int(loan.lent.daysTo(lastDay)) + 1;
    return QStringLiteral("计息期间：") + DayRangeText(loan.lent, loan.until) + QStringLiteral("，") +
           DayCountingRule(loan.countLastDay) + QStringLiteral("，共") + QString::number(std::max(days, 0)) +
           QStringLiteral("天，") + DaysPerYearText(loan.daysPerYear) + QStringLiteral("。");
}

QStringList StepsOf(const PrivateLoan &loan, const CaseFrame &frame, const QDate &lastDay, const PrivateLendingResult &result)
{
    QStringList steps = LawSteps(loan, frame);
    steps << PeriodStep(loan, lastDay);
    steps << LoanTermStep(loan, frame);
    if (loan.due < lastDay)
        steps << OverdueSteps(loan, frame);
    steps << QStringLiteral("按单利计算：利息不计入本金，不计算利息的利息（复利）。");
    if (result.beyondKnownData)
        steps << BeyondKnownDataNote(result.knownThrough) + QStringLiteral("。");
    return steps;
}

// Reads the LPR the 2020 text needs; an error when the history lacks it.
std::optional<QString> ReadRates(const PrivateLoan &loan, CaseFrame &frame, LprReader &reader)
{
    if (!frame.has2020Days)
        return std::nullopt;
    const QDate capDay = frame.capFromFiling ? loan.filed : loan.formed;
    const QDate statutoryDay = std::max(loan.due.addDays(1), LprCapStart);
    const std::optional<LprReading> cap = reader.on(capDay);
    if (!cap)
        return QStringLiteral("利率数据中没有") + Day(capDay) + QStringLiteral("的一年期LPR");
    frame.cap = *cap;
    const bool statutoryNeeded = !frame.loanRateAgreed && !loan.overdueRatePercent && loan.due < loan.until;
    if (statutoryNeeded) {
        const std::optional<LprReading> statutory = reader.on(statutoryDay);
        if (!statutory)
            return QStringLiteral("利率数据中没有") + Day(statutoryDay) + QStringLiteral("的一年期LPR");
        frame.statutory = *statutory;
    }
    return std::nullopt;
}

void AddTotals(PrivateLendingResult &result)
{
    Money agreed, supported, notSupported, voidPart;
    for (const CapSegment &segment : result.segments) {
        agreed += segment.agreed;
        supported += segment.supported;
        notSupported += segment.notSupported;
        voidPart += segment.voidPart;
    }
    result.agreedTotal = agreed.roundedToFen();
    result.supportedTotal = supported.roundedToFen();
    result.notSupportedTotal = notSupported.roundedToFen();
    result.voidTotal = voidPart.roundedToFen();
}

} // namespace

QDate PrivateLendingLprCapStart()
{
    return LprCapStart;
}

PrivateLendingResult ComputePrivateLendingInterest(const PrivateLoan &loan, const RateHistory &history)
{
    PrivateLendingResult result;
    result.knownThrough = history.knownThrough;
    if (const auto error = DateError(loan)) {
        result.error = *error;
        return result;
    }
    if (const auto error = AmountError(loan)) {
        result.error = *error;
        return result;
    }
    if (const auto error = ScopeError(loan)) {
        result.error = *error;
        return result;
    }
    CaseFrame frame;
    frame.only2015 = loan.filed < LprCapStart;
    frame.capFromFiling = !frame.only2015 && loan.formed < LprCapStart;
    frame.loanRateAgreed = loan.loanRatePercent && *loan.loanRatePercent > 0;
    const QDate lastDay = loan.countLastDay ? loan.until : loan.until.addDays(-1);
    frame.has2020Days = !frame.only2015 && lastDay >= LprCapStart && lastDay >= loan.lent;
    LprReader reader(history, result);
    if (const auto error = ReadRates(loan, frame, reader)) {
        result.error = *error;
        return result;
    }
    result.segments = SegmentsOf(loan, frame, lastDay);
    AddTotals(result);
    result.steps = StepsOf(loan, frame, lastDay, result);
    return result;
}

} // namespace pellumo
