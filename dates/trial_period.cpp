#include "dates/trial_period.h"

#include "dates/calendar_texts.h"
#include "dates/case_day_range.h"
#include "dates/statutory_deadline.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace pellumo {
namespace {

const QString TimeLimitRules = QStringLiteral("《最高人民法院关于严格执行案件审理期限制度的若干规定》");
const QString CivilExtensionRules = QStringLiteral("《最高人民法院关于严格规范民商事案件延长审限和延期开庭问题的规定》第一条");

enum class CaseKind { Civil, Execution, Criminal, Administrative };

// What the law gives a procedure: its period, who extends it and how far.
struct ProcedureRule {
    CaseKind kind;
    int months = 0;
    int days = 0;
    QString periodArticle;
    QString extensionArticle;      // empty: the period cannot be extended
    QString firstApprover;         // approves the first extension
    QString furtherApprover;       // approves each one after it
    int extensionCapMonths = 0;    // all extensions together at most; 0 for "as approved"
};

ProcedureRule RuleOf(Procedure procedure, bool longer)
{
    const QString president = QStringLiteral("本院院长");
    const QString higherCourt = QStringLiteral("高级人民法院");
    const QString supremeCourt = QStringLiteral("最高人民法院");
    switch (procedure) {
    case Procedure::CivilOrdinary:
        return {CaseKind::Civil, 6, 0, QStringLiteral("民事诉讼法第一百五十二条"), QStringLiteral("民事诉讼法第一百五十二条"),
                president, QStringLiteral("上级人民法院"), 0};
    case Procedure::CivilSimplified:
        return {CaseKind::Civil, 3, 0, QStringLiteral("民事诉讼法第一百六十四条"), QStringLiteral("民诉法解释第二百五十八条"),
                president, president, 1};
    case Procedure::CivilSmallClaims:
        return {CaseKind::Civil, 2, 0, QStringLiteral("民事诉讼法第一百六十八条"), QStringLiteral("民事诉讼法第一百六十八条"),
                president, president, 1};
    case Procedure::CivilAppealJudgment:
        return {CaseKind::Civil, 3, 0, QStringLiteral("民事诉讼法第一百八十三条第一款"),
                QStringLiteral("民事诉讼法第一百八十三条第一款"), president, president, 0};
    case Procedure::CivilAppealRuling:
        return {CaseKind::Civil, 0, 30, QStringLiteral("民事诉讼法第一百八十三条第二款"), QStringLiteral("民诉法解释第三百三十九条"),
                president, president, 0};
    case Procedure::CivilSpecial:
        return {CaseKind::Civil, 0, 30, QStringLiteral("民事诉讼法第一百八十七条"), QStringLiteral("民事诉讼法第一百八十七条"),
                president, president, 0};
    case Procedure::Execution:
        return {CaseKind::Execution, 6, 0, TimeLimitRules + QStringLiteral("第五条"), TimeLimitRules + QStringLiteral("第五条"),
                president, president, 3};
    case Procedure::NonLitigationExecution:
        return {CaseKind::Execution, 3, 0, TimeLimitRules + QStringLiteral("第五条"), TimeLimitRules + QStringLiteral("第五条"),
                president, president, 3};
    case Procedure::CriminalFirstInstance:
        return {CaseKind::Criminal, longer ? 3 : 2, 0, QStringLiteral("刑事诉讼法第二百零八条"), QStringLiteral("刑事诉讼法第二百零八条"),
                QStringLiteral("上一级人民法院"), supremeCourt, 0};
    case Procedure::CriminalSimplified:
        // One month and a half: the month first, then 15 days.
        return {CaseKind::Criminal, longer ? 1 : 0, longer ? 15 : 20, QStringLiteral("刑事诉讼法第二百二十条"), {}, {}, {}, 0};
    case Procedure::CriminalExpedited:
        return {CaseKind::Criminal, 0, longer ? 15 : 10, QStringLiteral("刑事诉讼法第二百二十五条"), {}, {}, {}, 0};
    case Procedure::CriminalSecondInstance:
        return {CaseKind::Criminal, 2, 0, QStringLiteral("刑事诉讼法第二百四十三条"), QStringLiteral("刑事诉讼法第二百四十三条"),
                higherCourt, supremeCourt, 0};
    case Procedure::AdministrativeFirstInstance:
        return {CaseKind::Administrative, 6, 0, QStringLiteral("行政诉讼法第八十一条"), QStringLiteral("行政诉讼法第八十一条"),
                higherCourt, higherCourt, 0};
    case Procedure::AdministrativeSimplified:
        return {CaseKind::Administrative, 0, 45, QStringLiteral("行政诉讼法第八十三条"), {}, {}, {}, 0};
    case Procedure::AdministrativeSecondInstance:
        return {CaseKind::Administrative, 3, 0, QStringLiteral("行政诉讼法第八十八条"), QStringLiteral("行政诉讼法第八十八条"),
                higherCourt, higherCourt, 0};
    }
    return {};
}

// "6个月", "30日", "1个月15日".
QString LengthText(int months, int days)
{
    QString text;
    if (months > 0)
        text += QStringLiteral("%1个月").arg(months);
    if (days > 0 || months == 0)
        text += QStringLiteral("%1日").arg(days);
    return text;
}

std::optional<QDate> AddLength(const QDate &day, qint64 months, qint64 days)
{
    const std::optional<QDate> afterMonths = PeriodEnd(day, months, PeriodUnit::Months);
    if (!afterMonths)
        return std::nullopt;
    const std::optional<QDate> end = PeriodEnd(*afterMonths, days, PeriodUnit::Days);
    return end && IsCaseDay(*end) ? end : std::nullopt;
}

QString GeneralNotCountedArticles(CaseKind kind)
{
    switch (kind) {
    case CaseKind::Civil: return QStringLiteral("民诉法解释第二百四十三条、") + TimeLimitRules + QStringLiteral("第九条");
    case CaseKind::Execution:
    case CaseKind::Administrative: return TimeLimitRules + QStringLiteral("第九条");
    case CaseKind::Criminal: return QStringLiteral("刑事诉讼法第二百零六条、刑诉法解释第二百一十一条、第三百九十六条");
    }
    return {};
}

QString NotCountedArticle(const QList<NotCountedReason> &knownReasons, CaseKind kind, const QString &reason)
{
    for (const NotCountedReason &known : knownReasons) {
        if (known.reason == reason.trimmed())
            return known.article;
    }
    return GeneralNotCountedArticles(kind);
}

// Overlapping or touching not-counted rows, joined: each day counts once.
struct NotCountedBlock {
    QDate first, last;
    QStringList rows;       // "第2行"
    QStringList reasons;
    QStringList articles;
};

std::vector<NotCountedBlock> MergeNotCounted(const TrialPeriodCase &c, CaseKind kind)
{
    std::vector<int> order(c.notCounted.size());
    for (int i = 0; i < int(order.size()); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return c.notCounted[a].first < c.notCounted[b].first; });
    const QList<NotCountedReason> knownReasons = NotCountedReasons(c.procedure);
    std::vector<NotCountedBlock> blocks;
    for (int i : order) {
        const NotCounted &row = c.notCounted[i];
        if (blocks.empty() || row.first > blocks.back().last.addDays(1))
            blocks.push_back({row.first, row.last, {}, {}, {}});
        NotCountedBlock &block = blocks.back();
        block.last = std::max(block.last, row.last);
        block.rows << QStringLiteral("第%1行").arg(i + 1);
        block.reasons << (row.reason.trimmed().isEmpty() ? QStringLiteral("不计入审限期间") : row.reason.trimmed());
        block.articles << NotCountedArticle(knownReasons, kind, row.reason);
    }
    // Linear in the rows, however many of them share one block.
    for (NotCountedBlock &block : blocks) {
        block.reasons.removeDuplicates();
        block.articles.removeDuplicates();
    }
    return blocks;
}

QString CheckDay(const QDate &day, const QString &field)
{
    const QString problem = CaseDayProblem(day);
    return problem.isEmpty() ? QString() : field + QStringLiteral("：") + problem;
}

// Why the row is refused, to follow its name: "起日不是…", "止日…早于起日…".
QString CheckNotCountedRow(const NotCounted &row, const QDate &filed)
{
    if (const QString e = CaseDayProblem(row.first); !e.isEmpty())
        return QStringLiteral("起日") + e;
    if (const QString e = CaseDayProblem(row.last); !e.isEmpty())
        return QStringLiteral("止日") + e;
    if (row.last < row.first)
        return QStringLiteral("止日%1早于起日%2").arg(CaseDayText(row.last), CaseDayText(row.first));
    if (row.first < filed)
        return QStringLiteral("起日%1早于立案日%2").arg(CaseDayText(row.first), CaseDayText(filed));
    return {};
}

QString CheckInput(const TrialPeriodCase &c, const ProcedureRule &rule)
{
    QString error = CheckDay(c.filed, QStringLiteral("立案日"));
    if (error.isEmpty())
        error = CheckDay(c.asOf, QStringLiteral("今日"));
    if (!error.isEmpty())
        return error;
    for (int i = 0; i < c.notCounted.size(); ++i) {
        if (const QString e = CheckNotCountedRow(c.notCounted[i], c.filed); !e.isEmpty())
            return QStringLiteral("不计入审限期间第%1行：").arg(i + 1) + e;
    }
    for (int i = 0; i < c.extensions.size(); ++i) {
        const Extension &row = c.extensions[i];
        const QString name = QStringLiteral("延长审限第%1行").arg(i + 1);
        if (rule.extensionArticle.isEmpty())
            return name + QStringLiteral("：%1的审限不能延长（%2）").arg(ProcedureName(c.procedure), rule.periodArticle);
        if (row.months < 0 || row.days < 0)
            return name + QStringLiteral("：月数和日数不能为负数");
        if (row.months == 0 && row.days == 0)
            return name + QStringLiteral("：延长的期限为零");
    }
    if (c.simplifiedToOrdinary) {
        const QString name = QStringLiteral("简易程序转为普通程序的裁定日");
        if (c.procedure != Procedure::CivilOrdinary)
            return name + QStringLiteral("：只适用于已转为民事普通程序一审的案件");
        if (const QString e = CheckDay(*c.simplifiedToOrdinary, name); !e.isEmpty())
            return e;
        if (*c.simplifiedToOrdinary < c.filed)
            return name + QStringLiteral("：早于立案日%1").arg(CaseDayText(c.filed));
    }
    if (c.restartedOn) {
        const QString name = QStringLiteral("重新计算审限之日");
        if (!CountsAfreshOnRestart(c.procedure))
            return name + QStringLiteral("：%1不重新计算审限，只有刑事案件和民事特别程序案件重新计算")
                              .arg(ProcedureName(c.procedure));
        if (const QString e = CheckDay(*c.restartedOn, name); !e.isEmpty())
            return e;
        if (*c.restartedOn < c.filed)
            return name + QStringLiteral("：早于立案日%1").arg(CaseDayText(c.filed));
    }
    return {};
}

QString RestartStep(Procedure procedure, const QDate &day)
{
    if (procedure == Procedure::CivilSpecial)
        return QStringLiteral("公告期满日为%1，审限自公告期满次日起重新计算（民事诉讼法第一百八十七条）。").arg(CaseDayText(day));
    return QStringLiteral("%1重新计算审限，自次日起算（刑事诉讼法第二百零八条第三款；刑诉法解释第三百六十八条、第三百七十六条）。")
        .arg(CaseDayText(day));
}

QString ExtensionApplicationArticle(CaseKind kind)
{
    switch (kind) {
    case CaseKind::Civil: return CivilExtensionRules;
    case CaseKind::Criminal: return QStringLiteral("刑诉法解释第二百一十条");
    case CaseKind::Execution:
    case CaseKind::Administrative: return QStringLiteral("参照") + CivilExtensionRules;
    }
    return {};
}

// The running computation: the last day in force and the not-counted blocks
// not yet reached.
class TrialPeriodRun
{
public:
    TrialPeriodRun(const TrialPeriodCase &c, const ProcedureRule &rule, TrialPeriodResult &result)
        : m_case(c), m_rule(rule), m_result(result)
    {
    }

    bool run(const OfficialCalendar &calendar);

private:
    bool fail(const QString &error)
    {
        m_result = {};
        m_result.error = error;
        return false;
    }
    void describeStart();
    bool absorbReachedBlocks();
    bool extend(int row);
    bool furtherExtensionAllowed() const;
    bool moveOffRestDay(const OfficialCalendar &calendar);
    void describeOutcome();

    const TrialPeriodCase &m_case;
    const ProcedureRule &m_rule;
    TrialPeriodResult &m_result;
    QDate m_countFrom;                    // counting starts the day after it
    QDate m_lastDay;
    std::vector<NotCountedBlock> m_blocks;
    size_t m_nextBlock = 0;
    QDate m_beforeExtensions;             // the last day in force when the first extension was approved
    qint64 m_extendedMonths = 0;
    qint64 m_extendedDays = 0;
};

void TrialPeriodRun::describeStart()
{
    m_result.steps << QStringLiteral("本案为%1案件，立案日为%2，审限自立案次日起计算（%3第八条）。")
                          .arg(ProcedureName(m_case.procedure), CaseDayText(m_case.filed), TimeLimitRules);
    if (m_case.simplifiedToOrdinary)
        m_result.steps << QStringLiteral("%1裁定由简易程序转为普通程序，审限仍自原立案次日起计算（民诉法解释第二百五十八条）。")
                              .arg(CaseDayText(*m_case.simplifiedToOrdinary));
    if (m_case.restartedOn)
        m_result.steps << RestartStep(m_case.procedure, *m_case.restartedOn);
    m_result.steps << QStringLiteral("审限%1（%2），自%3起算，至%4届满。")
                          .arg(LengthText(m_rule.months, m_rule.days), m_rule.periodArticle,
                               CaseDayText(m_countFrom.addDays(1)), CaseDayText(m_lastDay));
}

// Each not-counted day inside the period as it stands moves the last day one
// day later; a block that begins on or before the last day is inside it,
// however far it runs past it. Days on or before the day counting starts
// from were never part of the period.
bool TrialPeriodRun::absorbReachedBlocks()
{
    for (; m_nextBlock < m_blocks.size() && m_blocks[m_nextBlock].first <= m_lastDay; ++m_nextBlock) {
        const NotCountedBlock &block = m_blocks[m_nextBlock];
        const QString rows = block.rows.join(QStringLiteral("、"));
        if (block.last <= m_countFrom) {
            m_result.steps << QStringLiteral("不计入审限期间%1（%2至%3）在审限起算之前，不予扣除。")
                                  .arg(rows, CaseDayText(block.first), CaseDayText(block.last));
            continue;
        }
        const QDate first = std::max(block.first, m_countFrom.addDays(1));
        const qint64 days = first.daysTo(block.last) + 1;
        const std::optional<QDate> moved = PeriodEnd(m_lastDay, days, PeriodUnit::Days);
        if (!moved || !IsCaseDay(*moved))
            return fail(QStringLiteral("不计入审限期间%1：审限届满日超出9999年12月31日").arg(rows));
        QString step = QStringLiteral("扣除%1%2至%3共%4日（%5；%6）")
                           .arg(block.reasons.join(QStringLiteral("、")), CaseDayText(first), CaseDayText(block.last))
                           .arg(days)
                           .arg(rows, block.articles.join(QStringLiteral("；")));
        if (first != block.first)
            step += QStringLiteral("，此前的%1日在审限起算之前，不予扣除").arg(block.first.daysTo(first));
        if (block.rows.size() > 1)
            step += QStringLiteral("，重叠或相连的期间只扣除一次");
        m_result.steps << step + QStringLiteral("，审限届满日由%1顺延至%2。").arg(CaseDayText(m_lastDay), CaseDayText(*moved));
        m_result.notCountedDays += int(days);
        m_lastDay = *moved;
    }
    return true;
}

bool TrialPeriodRun::furtherExtensionAllowed() const
{
    if (m_rule.extensionArticle.isEmpty())
        return false;
    if (m_rule.extensionCapMonths == 0 || !m_beforeExtensions.isValid())
        return true;
    // The extensions granted so far measured on the unextended last day, so
    // that "1个月" and "15日" and "15日" compare as the calendar has them.
    const std::optional<QDate> used = AddLength(m_beforeExtensions, m_extendedMonths, m_extendedDays);
    const std::optional<QDate> cap = AddLength(m_beforeExtensions, m_rule.extensionCapMonths, 0);
    return used && cap && *used < *cap;
}

bool TrialPeriodRun::extend(int row)
{
    const Extension &extension = m_case.extensions[row];
    const QString name = QStringLiteral("延长审限第%1行").arg(row + 1);
    if (!m_beforeExtensions.isValid())
        m_beforeExtensions = m_lastDay;
    m_extendedMonths += extension.months;
    m_extendedDays += extension.days;
    if (m_rule.extensionCapMonths > 0) {
        const std::optional<QDate> used = AddLength(m_beforeExtensions, m_extendedMonths, m_extendedDays);
        const std::optional<QDate> cap = AddLength(m_beforeExtensions, m_rule.extensionCapMonths, 0);
        if (!used || !cap || *used > *cap)
            return fail(name + QStringLiteral("：%1的审限延长累计不得超过%2个月（%3）")
                                   .arg(ProcedureName(m_case.procedure))
                                   .arg(m_rule.extensionCapMonths)
                                   .arg(m_rule.extensionArticle));
    }
    const std::optional<QDate> extended = AddLength(m_lastDay, extension.months, extension.days);
    if (!extended)
        return fail(name + QStringLiteral("：审限届满日超出9999年12月31日"));
    const QString approver = row == 0 ? m_rule.firstApprover : m_rule.furtherApprover;
    m_result.steps << QStringLiteral("经%1批准延长审限%2（%3），审限届满日由%4延至%5。")
                          .arg(approver, LengthText(extension.months, extension.days), m_rule.extensionArticle,
                               CaseDayText(m_lastDay), CaseDayText(*extended));
    m_lastDay = *extended;
    return true;
}

QString RestDayArticle(CaseKind kind)
{
    switch (kind) {
    case CaseKind::Criminal: return QStringLiteral("刑事诉讼法第一百零五条");
    case CaseKind::Administrative: return QStringLiteral("参照民事诉讼法第八十五条");
    case CaseKind::Civil:
    case CaseKind::Execution: return QStringLiteral("民事诉讼法第八十五条");
    }
    return {};
}

// Only the final last day moves, as the page 期限's statutory deadline moves
// its last day: the period of one day that ends on it.
bool TrialPeriodRun::moveOffRestDay(const OfficialCalendar &calendar)
{
    const StatutoryDeadline moved = ComputeStatutoryDeadline(m_lastDay.addDays(-1), 1, PeriodUnit::Days, calendar);
    if (!moved.valid || !IsCaseDay(moved.deadline))
        return fail(QStringLiteral("审限届满日顺延后超出9999年12月31日"));
    if (moved.deadline != m_lastDay) {
        m_result.steps << QStringLiteral("%1为%2，依%3顺延至其后第一个工作日%4。")
                              .arg(CaseDayText(m_lastDay), DayKindText(m_lastDay, calendar), RestDayArticle(m_rule.kind),
                                   CaseDayText(moved.deadline));
        m_lastDay = moved.deadline;
    }
    if (const QString note = CoverageNote(m_lastDay, calendar); !note.isEmpty())
        m_result.steps << note;
    return true;
}

void TrialPeriodRun::describeOutcome()
{
    for (; m_nextBlock < m_blocks.size(); ++m_nextBlock) {
        const NotCountedBlock &block = m_blocks[m_nextBlock];
        m_result.steps << QStringLiteral("不计入审限期间%1（%2至%3）在审限届满之后，不予扣除。")
                              .arg(block.rows.join(QStringLiteral("、")), CaseDayText(block.first), CaseDayText(block.last));
    }
    m_result.lastDay = m_lastDay;
    m_result.steps << QStringLiteral("审限届满日为%1。").arg(CaseDayText(m_lastDay));
    if (furtherExtensionAllowed()) {
        m_result.applyForExtensionBy = m_lastDay.addDays(-15);
        m_result.extensionApprover = m_case.extensions.isEmpty() ? m_rule.firstApprover : m_rule.furtherApprover;
        m_result.steps << QStringLiteral("如需延长审限，应在审限届满十五日前即%1以前报请%2批准（%3）。")
                              .arg(CaseDayText(m_result.applyForExtensionBy), m_result.extensionApprover,
                                   ExtensionApplicationArticle(m_rule.kind));
    } else {
        m_result.steps << QStringLiteral("%1的审限不能再延长。").arg(ProcedureName(m_case.procedure));
    }
    const qint64 left = m_case.asOf.daysTo(m_lastDay);
    m_result.passed = left < 0;
    m_result.daysLeft = int(std::max<qint64>(left, 0));
    if (left > 0)
        m_result.steps << QStringLiteral("截至%1，审限尚余%2日。").arg(CaseDayText(m_case.asOf)).arg(left);
    else if (left == 0)
        m_result.steps << QStringLiteral("审限于今日（%1）届满。").arg(CaseDayText(m_case.asOf));
    else
        m_result.steps << QStringLiteral("审限已于%1届满，截至%2已超过%3日。")
                              .arg(CaseDayText(m_lastDay), CaseDayText(m_case.asOf))
                              .arg(-left);
}

bool TrialPeriodRun::run(const OfficialCalendar &calendar)
{
    m_countFrom = m_case.restartedOn.value_or(m_case.filed);
    const std::optional<QDate> baseEnd = AddLength(m_countFrom, m_rule.months, m_rule.days);
    if (!baseEnd)
        return fail(QStringLiteral("审限届满日超出9999年12月31日"));
    m_lastDay = *baseEnd;
    m_blocks = MergeNotCounted(m_case, m_rule.kind);
    describeStart();
    if (!absorbReachedBlocks())
        return false;
    for (int row = 0; row < m_case.extensions.size(); ++row) {
        if (!extend(row) || !absorbReachedBlocks())
            return false;
    }
    if (m_case.moveOffHolidays && !moveOffRestDay(calendar))
        return false;
    describeOutcome();
    return true;
}

} // namespace

QString ProcedureName(Procedure procedure)
{
    switch (procedure) {
    case Procedure::CivilOrdinary: return QStringLiteral("民事普通程序一审");
    case Procedure::CivilSimplified: return QStringLiteral("民事简易程序");
    case Procedure::CivilSmallClaims: return QStringLiteral("民事小额诉讼程序");
    case Procedure::CivilAppealJudgment: return QStringLiteral("民事二审（对判决的上诉）");
    case Procedure::CivilAppealRuling: return QStringLiteral("民事二审（对裁定的上诉）");
    case Procedure::CivilSpecial: return QStringLiteral("民事特别程序");
    case Procedure::Execution: return QStringLiteral("执行");
    case Procedure::NonLitigationExecution: return QStringLiteral("非诉执行");
    case Procedure::CriminalFirstInstance: return QStringLiteral("刑事公诉一审");
    case Procedure::CriminalSimplified: return QStringLiteral("刑事简易程序");
    case Procedure::CriminalExpedited: return QStringLiteral("刑事速裁程序");
    case Procedure::CriminalSecondInstance: return QStringLiteral("刑事二审");
    case Procedure::AdministrativeFirstInstance: return QStringLiteral("行政一审");
    case Procedure::AdministrativeSimplified: return QStringLiteral("行政简易程序");
    case Procedure::AdministrativeSecondInstance: return QStringLiteral("行政二审");
    }
    return {};
}

bool HasLongerCriminalPeriod(Procedure procedure)
{
    return procedure == Procedure::CriminalFirstInstance || procedure == Procedure::CriminalSimplified
        || procedure == Procedure::CriminalExpedited;
}

bool CountsAfreshOnRestart(Procedure procedure)
{
    return RuleOf(procedure, false).kind == CaseKind::Criminal || procedure == Procedure::CivilSpecial;
}

bool CanBeExtended(Procedure procedure)
{
    return !RuleOf(procedure, false).extensionArticle.isEmpty();
}

QList<NotCountedReason> NotCountedReasons(Procedure procedure)
{
    const QString civil = QStringLiteral("民诉法解释第二百四十三条");
    const QString ninth = TimeLimitRules + QStringLiteral("第九条");
    switch (RuleOf(procedure, false).kind) {
    case CaseKind::Civil:
        return {{QStringLiteral("公告期间"), civil}, {QStringLiteral("鉴定期间"), civil},
                {QStringLiteral("双方当事人和解期间"), civil}, {QStringLiteral("审理管辖权异议期间"), civil},
                {QStringLiteral("处理人民法院之间的管辖争议期间"), civil},
                {QStringLiteral("审计、评估、资产清理期间"), ninth}, {QStringLiteral("中止诉讼期间"), ninth},
                {QStringLiteral("上级人民法院通知暂缓的期间"), ninth}};
    case CaseKind::Execution:
        return {{QStringLiteral("审计、评估、资产清理期间"), ninth}, {QStringLiteral("中止执行期间"), ninth},
                {QStringLiteral("执行和解暂缓执行期间"), ninth}, {QStringLiteral("执行担保暂缓执行期间"), ninth},
                {QStringLiteral("上级人民法院通知暂缓执行期间"), ninth}, {QStringLiteral("拍卖、变卖期间"), ninth}};
    case CaseKind::Criminal:
        return {{QStringLiteral("中止审理期间"), QStringLiteral("刑事诉讼法第二百零六条")},
                {QStringLiteral("精神病鉴定期间"), QStringLiteral("刑诉法解释第二百一十一条")},
                {QStringLiteral("二审检察院阅卷期间"), QStringLiteral("刑诉法解释第三百九十六条")}};
    case CaseKind::Administrative:
        return {{QStringLiteral("公告期间"), ninth}, {QStringLiteral("鉴定期间"), ninth},
                {QStringLiteral("审理管辖权异议期间"), ninth}, {QStringLiteral("审计、评估、资产清理期间"), ninth},
                {QStringLiteral("中止诉讼期间"), ninth}};
    }
    return {};
}

TrialPeriodResult ComputeTrialPeriod(const TrialPeriodCase &c, const OfficialCalendar &calendar)
{
    const ProcedureRule rule = RuleOf(c.procedure, c.longerCriminalPeriod);
    TrialPeriodResult result;
    result.error = CheckInput(c, rule);
    if (!result.error.isEmpty())
        return result;
    TrialPeriodRun(c, rule, result).run(calendar);
    return result;
}

} // namespace pellumo
