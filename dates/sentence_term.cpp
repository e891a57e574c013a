#include "dates/sentence_term.h"

#include "dates/case_day_range.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace pellumo {
namespace {

const QString EndDayArticle = QStringLiteral("刑诉法解释第二百零二条第二款");

// The penalty's article on custody offset and its statutory range, in months.
struct PenaltyRule {
    QString offsetArticle;
    qint64 minMonths;
    qint64 maxMonths;
    QString rangeArticle;
};

PenaltyRule RuleOf(Penalty penalty)
{
    switch (penalty) {
    case Penalty::Surveillance: return {QStringLiteral("刑法第四十一条"), 3, 36, QStringLiteral("刑法第三十八条、第六十九条")};
    case Penalty::CriminalDetention: return {QStringLiteral("刑法第四十四条"), 1, 12, QStringLiteral("刑法第四十二条、第六十九条")};
    case Penalty::FixedTerm: return {QStringLiteral("刑法第四十七条"), 6, 300,
                                     QStringLiteral("刑法第四十五条、第六十九条")};
    }
    return {};
}

// "3年6个月15日", "1个月": the parts that are not zero.
QString TermText(qint64 years, qint64 months, qint64 days)
{
    QString text;
    if (years > 0)
        text += QStringLiteral("%1年").arg(years);
    if (months > 0)
        text += QStringLiteral("%1个月").arg(months);
    if (days > 0)
        text += QStringLiteral("%1日").arg(days);
    return text;
}

QString MonthsText(qint64 months)
{
    return months % 12 == 0 ? QStringLiteral("%1年").arg(months / 12)
                            : TermText(months / 12, months % 12, 0);
}

QDate LastDayOfMonth(int year, int month)
{
    return QDate(year, month, QDate(year, month, 1).daysInMonth());
}

bool IsLastDayOfMonth(const QDate &day)
{
    return day.day() == day.daysInMonth();
}

QString CheckTerm(const SentenceCase &c, const PenaltyRule &rule)
{
    const QString name = QStringLiteral("刑期：");
    if (c.years < 0 || c.months < 0 || c.days < 0)
        return name + QStringLiteral("年数、月数和日数不能为负数");
    if (c.days > 30)
        return name + QStringLiteral("日数不能超过30日，满一个月的计入月数");
    const qint64 months = qint64(c.years) * 12 + c.months;
    if (months == 0 && c.days == 0)
        return name + QStringLiteral("刑期为零");
    // A term with days counts as its months and days: 2年11个月15日 is below 3年.
    const bool belowRange = months < rule.minMonths;
    const bool aboveRange = months > rule.maxMonths || (months == rule.maxMonths && c.days > 0);
    if (belowRange || aboveRange)
        return name + QStringLiteral("%1的期限为%2以上%3以下（%4）")
                          .arg(PenaltyName(c.penalty), MonthsText(rule.minMonths), MonthsText(rule.maxMonths),
                               rule.rangeArticle);
    return {};
}

QString CheckSpell(const SentenceCase &c, int row)
{
    const CustodySpell &spell = c.offset[row];
    const QString name = QStringLiteral("羁押期间第%1行：").arg(row + 1);
    if (const QString problem = CaseDayProblem(spell.first); !problem.isEmpty())
        return name + QStringLiteral("起日") + problem;
    if (const QString problem = CaseDayProblem(spell.last); !problem.isEmpty())
        return name + QStringLiteral("止日") + problem;
    if (spell.last < spell.first)
        return name + QStringLiteral("止日%1早于起日%2").arg(CaseDayText(spell.last), CaseDayText(spell.first));
    if (spell.last >= c.start)
        return name + QStringLiteral("止日%1不早于刑期起算日%2；羁押持续到判决执行的，刑期自羁押之日起算，这段羁押已在刑期之内，不再折抵")
                          .arg(CaseDayText(spell.last), CaseDayText(c.start));
    if (spell.kind == CustodyKind::AdministrativeDetention && c.penalty == Penalty::Surveillance)
        return name + QStringLiteral("行政拘留不折抵管制的刑期（行政处罚法第三十五条只规定折抵拘役和有期徒刑）");
    return {};
}

QString CheckOverlaps(const SentenceCase &c)
{
    std::vector<int> order(c.offset.size());
    for (int i = 0; i < int(order.size()); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return c.offset[a].first < c.offset[b].first; });
    for (size_t i = 1; i < order.size(); ++i) {
        const CustodySpell &earlier = c.offset[order[i - 1]];
        const CustodySpell &later = c.offset[order[i]];
        if (later.first <= earlier.last) {
            const int laterRow = std::max(order[i - 1], order[i]) + 1;
            const int earlierRow = std::min(order[i - 1], order[i]) + 1;
            return QStringLiteral("羁押期间第%1行：与第%2行重叠，同一日只能折抵一次").arg(laterRow).arg(earlierRow);
        }
    }
    return {};
}

QString CheckInput(const SentenceCase &c, const PenaltyRule &rule)
{
    if (const QString error = CheckTerm(c, rule); !error.isEmpty())
        return error;
    if (const QString problem = CaseDayProblem(c.start); !problem.isEmpty())
        return QStringLiteral("刑期起算日：") + problem;
    for (int row = 0; row < c.offset.size(); ++row) {
        if (const QString error = CheckSpell(c, row); !error.isEmpty())
            return error;
    }
    return CheckOverlaps(c);
}

// The day after the years: the same date that many years later, or the
// month's last day where that date does not exist (29 February).
std::optional<QDate> AfterYears(const QDate &start, int years, QStringList &steps)
{
    const int year = start.year() + years;
    if (year > 9999)
        return std::nullopt;
    const QDate same(year, start.month(), start.day());
    const QDate anniversary = same.isValid() ? same : LastDayOfMonth(year, start.month());
    const QString how = same.isValid() ? QString()
                                       : QStringLiteral("，%1年%2月%3日不存在，以该月最后一日计")
                                             .arg(year).arg(start.month()).arg(start.day());
    steps << QStringLiteral("以年计算：自%1起%2年，至%3的前一日即%4止%5（%6）。")
                 .arg(CaseDayText(start)).arg(years)
                 .arg(CaseDayText(anniversary), CaseDayText(anniversary.addDays(-1)), how, EndDayArticle);
    return anniversary;
}

// The day after the months, counted from the day the years reached: the same
// date that many months later; from a month's last day, that month's last
// day; the month's last day where the same date does not exist.
std::optional<QDate> AfterMonths(const QDate &from, int months, QStringList &steps)
{
    const qint64 index = qint64(from.year()) * 12 + (from.month() - 1) + months;
    if (index / 12 > 9999)
        return std::nullopt;
    const int year = int(index / 12);
    const int month = int(index % 12) + 1;
    const QDate lastDay = LastDayOfMonth(year, month);
    QString how;
    QDate reached;
    if (IsLastDayOfMonth(from)) {
        reached = lastDay;
        how = QStringLiteral("，起算日为月末，至该月最后一日的前一日");
    } else if (from.day() > lastDay.day()) {
        reached = lastDay;
        how = QStringLiteral("，该月没有%1日，至该月最后一日的前一日").arg(from.day());
    } else {
        reached = QDate(year, month, from.day());
    }
    steps << QStringLiteral("以月计算：自%1起%2个月，至%3的前一日即%4止%5（%6）。")
                 .arg(CaseDayText(from)).arg(months)
                 .arg(CaseDayText(reached), CaseDayText(reached.addDays(-1)), how, EndDayArticle);
    return reached;
}

// The term's last day before any offset: the day before the day the years
// and months reach, plus the days.
std::optional<QDate> TermEnd(const SentenceCase &c, QStringList &steps)
{
    std::optional<QDate> reached = c.start;
    if (c.years > 0)
        reached = AfterYears(*reached, c.years, steps);
    if (reached && c.months > 0)
        reached = AfterMonths(*reached, c.months, steps);
    if (!reached)
        return std::nullopt;
    const QDate end = reached->addDays(c.days - 1);
    if (c.days > 0)
        steps << QStringLiteral("再加%1日（半个月按十五日计算，%2），至%3止。").arg(c.days).arg(EndDayArticle, CaseDayText(end));
    return IsCaseDay(end) ? std::optional(end) : std::nullopt;
}

// The days of the term one spell offsets, designated residence against
// 拘役 and 有期徒刑 apart: its days are summed over all spells first.
qint64 OffsetOfSpell(Penalty penalty, const CustodySpell &spell, qint64 days, QStringList &steps, int row)
{
    const QString spellText = QStringLiteral("先行羁押第%1行：%2至%3%4共%5日")
                                  .arg(row + 1)
                                  .arg(CaseDayText(spell.first), CaseDayText(spell.last), CustodyKindName(spell.kind))
                                  .arg(days);
    if (spell.kind == CustodyKind::DesignatedResidence) {
        if (penalty == Penalty::Surveillance) {
            steps << spellText + QStringLiteral("，指定居所监视居住一日折抵管制刑期一日（刑事诉讼法第七十六条），折抵%1日。").arg(days);
            return days;
        }
        steps << spellText + QStringLiteral("。");
        return 0;
    }
    if (spell.kind == CustodyKind::AdministrativeDetention) {
        steps << spellText + QStringLiteral("，行政拘留一日折抵刑期一日（行政处罚法第三十五条），折抵%1日。").arg(days);
        return days;
    }
    if (penalty == Penalty::Surveillance) {
        steps << spellText + QStringLiteral("，羁押一日折抵刑期二日（刑法第四十一条），折抵%1日。").arg(days * 2);
        return days * 2;
    }
    steps << spellText + QStringLiteral("，羁押一日折抵刑期一日（%1），折抵%2日。").arg(RuleOf(penalty).offsetArticle).arg(days);
    return days;
}

// Two days of designated residence give one day of 拘役 or 有期徒刑. Half a
// day is no day: an odd day left over after all spells are added up is not
// offset, so that the term is never shortened by a day the law does not give.
qint64 DesignatedResidenceOffset(qint64 days, QStringList &steps)
{
    QString step = QStringLiteral("指定居所监视居住合计%1日，二日折抵刑期一日（刑事诉讼法第七十六条），折抵%2日")
                       .arg(days).arg(days / 2);
    if (days % 2 == 1)
        step += QStringLiteral("；余1日不足二日，不予折抵");
    steps << step + QStringLiteral("。");
    return days / 2;
}

qint64 OffsetDays(const SentenceCase &c, QStringList &steps)
{
    qint64 offset = 0;
    qint64 designatedResidenceDays = 0;
    for (int row = 0; row < c.offset.size(); ++row) {
        const CustodySpell &spell = c.offset[row];
        const qint64 days = spell.first.daysTo(spell.last) + 1;
        offset += OffsetOfSpell(c.penalty, spell, days, steps, row);
        if (spell.kind == CustodyKind::DesignatedResidence && c.penalty != Penalty::Surveillance)
            designatedResidenceDays += days;
    }
    if (designatedResidenceDays > 0)
        offset += DesignatedResidenceOffset(designatedResidenceDays, steps);
    return offset;
}

QString Wording(Penalty penalty, const QDate &start, const QDate &end)
{
    // 管制 is no custody: judgments name its period 管制期限 (刑法 第三十八条).
    const QString subject = penalty == Penalty::Surveillance ? QStringLiteral("管制期限") : QStringLiteral("刑期");
    return QStringLiteral("%1自%2起至%3止").arg(subject, CaseDayText(start), CaseDayText(end));
}

} // namespace

QString PenaltyName(Penalty penalty)
{
    switch (penalty) {
    case Penalty::Surveillance: return QStringLiteral("管制");
    case Penalty::CriminalDetention: return QStringLiteral("拘役");
    case Penalty::FixedTerm: return QStringLiteral("有期徒刑");
    }
    return {};
}

QString CustodyKindName(CustodyKind kind)
{
    switch (kind) {
    case CustodyKind::Detained: return QStringLiteral("刑事拘留、逮捕");
    case CustodyKind::DesignatedResidence: return QStringLiteral("指定居所监视居住");
    case CustodyKind::AdministrativeDetention: return QStringLiteral("行政拘留");
    }
    return {};
}

SentenceResult ComputeSentence(const SentenceCase &c)
{
    SentenceResult result;
    const PenaltyRule rule = RuleOf(c.penalty);
    result.error = CheckInput(c, rule);
    if (!result.error.isEmpty())
        return result;
    QStringList steps;
    steps << QStringLiteral("判处%1%2，刑期自%3起算（%4）。")
                 .arg(PenaltyName(c.penalty), TermText(c.years, c.months, c.days), CaseDayText(c.start), rule.offsetArticle);
    const std::optional<QDate> termEnd = TermEnd(c, steps);
    if (!termEnd) {
        result.error = QStringLiteral("刑期止日超出9999年12月31日");
        return result;
    }
    const qint64 offset = OffsetDays(c, steps);
    const qint64 termDays = c.start.daysTo(*termEnd) + 1;
    if (offset >= termDays) {
        result.error = QStringLiteral("先行羁押折抵刑期%1日，已达到全部刑期%2日：羁押已经抵满刑期").arg(offset).arg(termDays);
        return result;
    }
    const QDate end = termEnd->addDays(-offset);
    if (offset > 0)
        steps << QStringLiteral("合计折抵刑期%1日，刑期止日由%2提前至%3。").arg(offset).arg(CaseDayText(*termEnd), CaseDayText(end));
    result.start = c.start;
    result.end = end;
    result.offsetDays = int(offset);
    result.wording = Wording(c.penalty, c.start, end);
    result.steps = steps << result.wording + QStringLiteral("。");
    return result;
}

} // namespace pellumo
