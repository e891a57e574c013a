#include "app/all_fees/fee_kinds.h"

namespace pellumo {

QString FeeGroupName(FeeKind kind)
{
    return IsApplicationFee(kind) ? QStringLiteral("申请费") : QStringLiteral("案件受理费");
}

bool TakesReductions(FeeKind kind)
{
    return !IsApplicationFee(kind) && kind != FeeKind::NoAcceptanceFee;
}

}  // namespace pellumo
