#include "app/all_fees/fee_kinds.h"

namespace pellumo {

QString FeeKindArticle(FeeKind kind)
{
    switch (kind) {
    case FeeKind::Property:
        return QStringLiteral("第十三条第（一）项");
    case FeeKind::Divorce:
        return QStringLiteral("第十三条第（二）项第1目");
    case FeeKind::PersonalityRights:
        return QStringLiteral("第十三条第（二）项第2目");
    case FeeKind::OtherNonProperty:
        return QStringLiteral("第十三条第（二）项第3目");
    case FeeKind::IntellectualPropertyNoAmount:
    case FeeKind::IntellectualPropertyWithAmount:
        return QStringLiteral("第十三条第（三）项");
    case FeeKind::LabourDispute:
        return QStringLiteral("第十三条第（四）项");
    case FeeKind::AdministrativeTrademarkPatentMaritime:
        return QStringLiteral("第十三条第（五）项第1目");
    case FeeKind::AdministrativeOther:
        return QStringLiteral("第十三条第（五）项第2目");
    case FeeKind::JurisdictionObjection:
        return QStringLiteral("第十三条第（六）项");
    case FeeKind::Appeal:
        return QStringLiteral("第十七条");
    case FeeKind::Retrial:
        return QStringLiteral("第十九条");
    case FeeKind::NoAcceptanceFee:
        return QStringLiteral("第八条");
    case FeeKind::ExecutionNoAmount:
        return QStringLiteral("第十四条第（一）项第1目");
    case FeeKind::Execution:
        return QStringLiteral("第十四条第（一）项第2目");
    case FeeKind::Preservation:
        return QStringLiteral("第十四条第（二）项");
    case FeeKind::PaymentOrder:
        return QStringLiteral("第十四条第（三）项");
    case FeeKind::PublicSummons:
        return QStringLiteral("第十四条第（四）项");
    case FeeKind::ArbitrationReview:
        return QStringLiteral("第十四条第（五）项");
    case FeeKind::Bankruptcy:
        return QStringLiteral("第十四条第（六）项");
    case FeeKind::MaritimeLimitationFund:
        return QStringLiteral("第十四条第（七）项第1目");
    case FeeKind::MaritimeInjunction:
        return QStringLiteral("第十四条第（七）项第2目");
    case FeeKind::ShipPrioritySummons:
        return QStringLiteral("第十四条第（七）项第3目");
    case FeeKind::MaritimeClaimRegistration:
        return QStringLiteral("第十四条第（七）项第4目");
    case FeeKind::GeneralAverage:
        return QStringLiteral("第十四条第（七）项第5目");
    }
    return {};
}

QString FeeGroupName(FeeKind kind)
{
    return IsApplicationFee(kind) ? QStringLiteral("申请费") : QStringLiteral("案件受理费");
}

bool TakesReductions(FeeKind kind)
{
    return !IsApplicationFee(kind) && kind != FeeKind::NoAcceptanceFee;
}

}  // namespace pellumo
