#include "app/all_fees/fee_calculation.h"

#include "app/all_fees/fee_kinds.h"

#include <QStringList>

namespace pellumo {
namespace {

QString Yuan(const Money &amount)
{
    return MoneyToFigures(amount) + QStringLiteral("元");
}

QString SignedStepText(const Money &amount)
{
    // "减 " and figures keep to one line in the sheet's narrow column.
    return amount < 0 ? QStringLiteral("减 ") + Yuan(-amount) : Yuan(amount);
}

QString KindText(FeeKind kind)
{
    return QStringLiteral("%1（%2，%3）").arg(FeeKindName(kind), FeeGroupName(kind), FeeKindCitation(kind));
}

}  // namespace

QStringList ReductionNames(const Reductions &reductions)
{
    QStringList names;
    if (reductions.mediatedOrWithdrawn)
        names << QStringLiteral("以调解方式结案或者当事人申请撤诉（第十五条）");
    if (reductions.simplifiedProcedure)
        names << QStringLiteral("适用简易程序审理（第十六条）");
    if (reductions.counterclaim)
        names << QStringLiteral("反诉或者第三人诉讼请求合并审理（第十八条）");
    return names;
}

QString FeeInCapitals(const Money &fee)
{
    return QStringLiteral("人民币") + MoneyToRmbCapitals(fee);
}

QString FeeCalculationText(const FeeCalculation &calculation)
{
    QStringList lines;
    lines << QStringLiteral("诉讼费用计算");
    if (!calculation.caseNumber.trimmed().isEmpty())
        lines << QStringLiteral("案号：") + calculation.caseNumber.trimmed();
    if (!calculation.parties.trimmed().isEmpty())
        lines << QStringLiteral("当事人：") + calculation.parties.trimmed();
    lines << QStringLiteral("收费项目：") + KindText(calculation.kind);
    if (calculation.amount)
        lines << FeeKindAmountLabel(calculation.kind) + QStringLiteral("：") + Yuan(*calculation.amount);
    const QStringList reductions = ReductionNames(calculation.reductions);
    if (!reductions.isEmpty())
        lines << QStringLiteral("减半情形：") + reductions.join(QStringLiteral("；"));
    lines << QStringLiteral("计算过程：");
    for (const FeeStep &step : calculation.result.steps)
        lines << QStringLiteral("　　") + step.text;
    lines << QStringLiteral("应交费用：") + Yuan(calculation.result.fee);
    lines << QStringLiteral("大写：") + FeeInCapitals(calculation.result.fee);
    lines << QStringLiteral("法律依据：") + calculation.result.legalBasis;
    return lines.join(QLatin1Char('\n'));
}

CalculationSheet FeeCalculationSheet(const FeeCalculation &calculation, const QDate &day)
{
    CalculationSheet sheet;
    sheet.title = QStringLiteral("诉讼费用计算");
    sheet.caseNumber = calculation.caseNumber.trimmed();
    sheet.parties = calculation.parties.trimmed();
    sheet.calculationDay = day;
    sheet.inputs << SheetLine{QStringLiteral("收费项目"), KindText(calculation.kind)};
    if (calculation.amount)
        sheet.inputs << SheetLine{FeeKindAmountLabel(calculation.kind), Yuan(*calculation.amount)};

    // A step's own amount says whether it adds or deducts, and the running
    // total what is due after it: a halving reads "减 7955.56元" and
    // "7955.56元" due, never a bare minus beside the formula's result.
    SheetTable steps;
    steps.caption = QStringLiteral("计算过程");
    steps.header = QStringList{QStringLiteral("计算步骤"), QStringLiteral("本步金额"), QStringLiteral("累计应交")};
    Money due;
    for (const FeeStep &step : calculation.result.steps) {
        due += step.amount;
        if (step.amount == 0)
            steps.rows << QStringList{step.text, QString(), QString()};
        else
            steps.rows << QStringList{step.text, SignedStepText(step.amount), Yuan(due)};
    }
    sheet.tables << steps;

    sheet.totalLabel = QStringLiteral("应交") + FeeGroupName(calculation.kind);
    sheet.total = calculation.result.fee;
    if (!calculation.result.legalBasis.isEmpty())
        sheet.legalBasis << calculation.result.legalBasis;
    sheet.choices = ReductionNames(calculation.reductions);
    if (TakesReductions(calculation.kind) && sheet.choices.isEmpty())
        sheet.choices << QStringLiteral("全额交纳（无减半情形）");
    return sheet;
}

}  // namespace pellumo
