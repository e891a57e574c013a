#include "app/case_periods/case_periods_sheet.h"

#include "dates/deadline.h"

namespace pellumo {
namespace {

const QString DayFormat = QStringLiteral("yyyy-MM-dd");

QString LongDay(const QDate &day)
{
    return DateText(day) + QStringLiteral("（") + WeekdayText(day) + QStringLiteral("）");
}

QString YesNo(bool yes)
{
    return yes ? QStringLiteral("是") : QStringLiteral("否");
}

SheetTable StepsTable(const QStringList &steps)
{
    SheetTable table{QStringLiteral("计算过程"), {QStringLiteral("步骤"), QStringLiteral("计算及依据")}, {}};
    for (qsizetype i = 0; i < steps.size(); ++i)
        table.rows.append({QString::number(i + 1), steps[i]});
    return table;
}

QList<SheetLine> TrialPeriodInputs(const TrialPeriodCase &c)
{
    QList<SheetLine> inputs{{QStringLiteral("程序"), ProcedureName(c.procedure)},
                            {QStringLiteral("立案日"), DateText(c.filed)}};
    if (c.longerCriminalPeriod)
        inputs.append({QStringLiteral("适用较长审限"), YesNo(true)});
    if (c.simplifiedToOrdinary)
        inputs.append({QStringLiteral("简易程序转为普通程序"), DateText(*c.simplifiedToOrdinary)});
    if (c.restartedOn)
        inputs.append({QStringLiteral("重新计算审限"), DateText(*c.restartedOn) + QStringLiteral("的次日起")});
    inputs.append({QStringLiteral("届满日遇节假日顺延"), YesNo(c.moveOffHolidays)});
    inputs.append({QStringLiteral("剩余天数计至"), DateText(c.asOf)});
    return inputs;
}

} // namespace

QString LastDayText(const TrialPeriodResult &result)
{
    return QStringLiteral("审限届满日：") + LongDay(result.lastDay);
}

QString DaysLeftText(const TrialPeriodCase &c, const TrialPeriodResult &result)
{
    if (result.passed)
        return QStringLiteral("审限已届满：") + DateText(result.lastDay) + QStringLiteral("届满，至") + DateText(c.asOf) +
               QStringLiteral("已超过") + QString::number(result.lastDay.daysTo(c.asOf)) + QStringLiteral("天");
    if (result.daysLeft == 0)
        return QStringLiteral("剩余天数：0天（") + DateText(c.asOf) + QStringLiteral("即届满日）");
    return QStringLiteral("剩余天数：") + QString::number(result.daysLeft) + QStringLiteral("天（自") + DateText(c.asOf) +
           QStringLiteral("计）");
}

QString NotCountedDaysText(const TrialPeriodResult &result)
{
    return QStringLiteral("扣除（不计入审限）天数：") + QString::number(result.notCountedDays) + QStringLiteral("天");
}

QString ApplyForExtensionText(const TrialPeriodResult &result)
{
    if (!result.applyForExtensionBy.isValid())
        return QStringLiteral("延长审限：本程序的审限不能再延长");
    QString text = QStringLiteral("申请延长审限的最后一日：") + LongDay(result.applyForExtensionBy);
    if (!result.extensionApprover.isEmpty())
        text += QStringLiteral("，由") + result.extensionApprover + QStringLiteral("批准");
    return text;
}

QString TermText(const SentenceCase &c)
{
    QString text;
    if (c.years > 0)
        text += QString::number(c.years) + QStringLiteral("年");
    if (c.months > 0)
        text += QString::number(c.months) + QStringLiteral("个月");
    if (c.days > 0 || text.isEmpty())
        text += QString::number(c.days) + QStringLiteral("日");
    return text;
}

CalculationSheet TrialPeriodSheet(const CasePeriodsRecord &record, const TrialPeriodResult &result)
{
    const TrialPeriodCase &c = record.trialPeriod;
    CalculationSheet sheet;
    sheet.title = QStringLiteral("审限计算");
    sheet.caseNumber = record.caseNumber.trimmed();
    sheet.parties = record.parties.trimmed();
    sheet.calculationDay = c.asOf;
    sheet.inputs = TrialPeriodInputs(c);
    if (!c.notCounted.isEmpty()) {
        SheetTable intervals{QStringLiteral("不计入审限的期间"),
                             {QStringLiteral("起日"), QStringLiteral("止日"), QStringLiteral("事由")}, {}};
        for (const NotCounted &interval : c.notCounted)
            intervals.rows.append({interval.first.toString(DayFormat), interval.last.toString(DayFormat), interval.reason});
        sheet.tables.append(intervals);
    }
    if (!c.extensions.isEmpty()) {
        SheetTable extensions{QStringLiteral("延长审限"), {QStringLiteral("次序"), QStringLiteral("月"), QStringLiteral("日")}, {}};
        for (qsizetype i = 0; i < c.extensions.size(); ++i)
            extensions.rows.append({QString::number(i + 1), QString::number(c.extensions[i].months),
                                    QString::number(c.extensions[i].days)});
        sheet.tables.append(extensions);
    }
    sheet.tables.append(StepsTable(result.steps));
    // The last two lines are the ones the sheet sets in bold.
    const auto line = [](const QString &text) {
        const qsizetype colon = text.indexOf(QStringLiteral("："));
        return SheetLine{text.left(colon), text.mid(colon + 1)};
    };
    sheet.results = {line(NotCountedDaysText(result)), line(ApplyForExtensionText(result)), line(LastDayText(result)),
                     line(DaysLeftText(c, result))};
    sheet.showsTotal = false;
    return sheet;
}

CalculationSheet SentenceSheet(const CasePeriodsRecord &record, const SentenceResult &result)
{
    const SentenceCase &c = record.sentence;
    CalculationSheet sheet;
    sheet.title = QStringLiteral("刑期计算");
    sheet.caseNumber = record.caseNumber.trimmed();
    sheet.parties = record.parties.trimmed();
    sheet.calculationDay = QDate::currentDate();
    sheet.inputs = {{QStringLiteral("刑种"), PenaltyName(c.penalty)},
                    {QStringLiteral("刑期"), TermText(c)},
                    {QStringLiteral("起算日"), DateText(c.start)}};
    if (!c.offset.isEmpty()) {
        SheetTable spells{QStringLiteral("判决执行以前的羁押等"),
                          {QStringLiteral("起日"), QStringLiteral("止日"), QStringLiteral("天数"), QStringLiteral("种类")}, {}};
        for (const CustodySpell &spell : c.offset)
            spells.rows.append({spell.first.toString(DayFormat), spell.last.toString(DayFormat),
                                QString::number(spell.first.daysTo(spell.last) + 1), CustodyKindName(spell.kind)});
        sheet.tables.append(spells);
    }
    sheet.tables.append(StepsTable(result.steps));
    sheet.results = {{QStringLiteral("折抵刑期"), QString::number(result.offsetDays) + QStringLiteral("日")},
                     {QStringLiteral("刑期起止"), DateText(result.start) + QStringLiteral("至") + DateText(result.end)},
                     {QStringLiteral("判决书表述"), result.wording}};
    sheet.showsTotal = false;
    return sheet;
}

QString SheetText(const CalculationSheet &sheet)
{
    QStringList lines{sheet.title};
    const auto add = [&lines](const QString &label, const QString &value) {
        if (!value.isEmpty())
            lines.append(label + QStringLiteral("：") + value);
    };
    add(QStringLiteral("案号"), sheet.caseNumber);
    add(QStringLiteral("当事人"), sheet.parties);
    for (const SheetLine &line : sheet.inputs)
        add(line.label, line.value);
    for (const SheetTable &table : sheet.tables) {
        lines.append(table.caption + QStringLiteral("："));
        for (const QStringList &row : table.rows)
            lines.append(row.join(QStringLiteral("  ")));
    }
    for (const SheetLine &line : sheet.results)
        add(line.label, line.value);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace pellumo
