#pragma once
// Every fee of 《诉讼费用交纳办法》 第十三条 and 第十四条 (and the cases of its
// 第八条 that pay none), with the reductions of 第十五条, 第十六条 and 第十八条
// and the steps of its arithmetic.
#include "money/money.h"

#include <QList>
#include <QString>
#include <optional>

namespace pellumo {

enum class FeeKind {
    Property, Divorce, PersonalityRights, OtherNonProperty, IntellectualPropertyNoAmount,
    IntellectualPropertyWithAmount, LabourDispute, AdministrativeTrademarkPatentMaritime, AdministrativeOther,
    JurisdictionObjection, Appeal, Retrial, NoAcceptanceFee,
    ExecutionNoAmount, Execution, Preservation, PaymentOrder, PublicSummons, ArbitrationReview, Bankruptcy,
    MaritimeLimitationFund, MaritimeInjunction, ShipPrioritySummons, MaritimeClaimRegistration, GeneralAverage,
};

// The local amount of each ranged fee; defaults are the lower bounds.
struct LocalStandards {
    Money divorce = 50, personalityRights = 100, otherNonProperty = 50, intellectualPropertyNoAmount = 500,
          jurisdictionObjection = 50, executionNoAmount = 50, maritimeLimitationFund = 1000,
          maritimeInjunction = 1000, shipPrioritySummons = 1000;
};

struct Reductions {
    bool mediatedOrWithdrawn = false, simplifiedProcedure = false, counterclaim = false;
};

struct FeeStep {
    QString text;
    Money amount;
};

struct FeeResult {
    QString error;  // empty when computed
    Money fee;      // exact, before rounding; shown rounded once
    QList<FeeStep> steps;
    QString legalBasis;  // "《诉讼费用交纳办法》第十三条第（一）项" ...
};

FeeResult ComputeFee(FeeKind kind, const std::optional<Money> &amount, const LocalStandards &local,
                     const Reductions &reductions);

} // namespace pellumo
