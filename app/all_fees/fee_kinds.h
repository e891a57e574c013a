#pragma once
// How the window 全部收费项目 lists the kinds of the fee schedule: under the
// two headings of the Measures (each with FeeKindCitation beside it).
#include "fees/fee_schedule.h"

#include <QString>

namespace pellumo {

// 案件受理费 or 申请费.
QString FeeGroupName(FeeKind kind);

// The reductions of 第十五条, 第十六条 and 第十八条 apply to an acceptance fee
// that is paid at all: never to an application fee, and a case of 第八条
// pays nothing to halve.
bool TakesReductions(FeeKind kind);

}  // namespace pellumo
