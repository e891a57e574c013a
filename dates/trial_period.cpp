#include "dates/trial_period.h"

namespace pellumo {

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

TrialPeriodResult ComputeTrialPeriod(const TrialPeriodCase &, const OfficialCalendar &)
{
    TrialPeriodResult result;
    result.error = QStringLiteral("尚未计算");
    return result;
}

} // namespace pellumo
