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

// One line of the arithmetic. `amount` is what the step adds to the fee:
// a bracket its part, a reduction, a third or a cap a negative amount, a
// line that only names a rule or a note 0; the amounts of all steps add up
// exactly to the fee.
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

// The fee of a case or an application of the kind. `amount` is the
// amount the kind is computed on (FeeKindAmountLabel names it); a kind that
// takes none ignores it. Reductions apply to acceptance fees only; for an
// application fee a step says that they do not. A missing amount where the
// kind needs one, a negative amount, one of 10^15 or more (beyond the words
// form) or a local amount outside its statutory range gives `error` and no
// fee and no steps.
FeeResult ComputeFee(FeeKind kind, const std::optional<Money> &amount, const LocalStandards &local,
                     const Reductions &reductions);

// Every kind, in the order of the Measures: the acceptance fees, then the
// application fees.
QList<FeeKind> AllFeeKinds();

// The name of the kind as a list shows it ("财产案件", "申请支付令").
QString FeeKindName(FeeKind kind);

// Where the kind stands in the Measures: "第十三条第（一）项",
// "第十四条第（七）项第1目", "第八条".
QString FeeKindCitation(FeeKind kind);

// True for the application fees of 第十四条 (申请费), false for the case
// acceptance fees (案件受理费) of 第八条, 第十三条, 第十七条 and 第十九条.
bool IsApplicationFee(FeeKind kind);

enum class FeeAmountUse {
    None,      // a fee per case: no amount
    Required,  // computed on the amount
    Optional,  // divorce with property, personality rights with damages, preservation
};
FeeAmountUse FeeKindAmountUse(FeeKind kind);

// What the amount is ("诉讼请求的金额或者价额", "破产财产总额"); empty for a
// kind without one.
QString FeeKindAmountLabel(FeeKind kind);

// The ranged fees and their local amounts.
enum class LocalStandardField {
    Divorce, PersonalityRights, OtherNonProperty, IntellectualPropertyNoAmount, JurisdictionObjection,
    ExecutionNoAmount, MaritimeLimitationFund, MaritimeInjunction, ShipPrioritySummons,
};

struct FeeRange {
    Money lowest;
    Money highest;
};

QList<LocalStandardField> AllLocalStandardFields();
FeeRange LocalStandardRange(LocalStandardField field);
QString LocalStandardName(LocalStandardField field);           // "离婚案件"
QString LocalStandardRangeText(LocalStandardField field);      // "50元至300元"
Money LocalStandardAmount(const LocalStandards &local, LocalStandardField field);
void SetLocalStandardAmount(LocalStandards &local, LocalStandardField field, const Money &amount);
// The local amount a kind takes: the ranged kinds, divorce and personality
// rights among them; none for the others.
std::optional<LocalStandardField> LocalStandardOf(FeeKind kind);

// The first field (in AllLocalStandardFields order) whose amount lies
// outside its statutory range (the message names the range) or is no whole
// number of yuan, as the settings files keep them; none when every amount
// can be used and saved. ComputeFee refuses a kind whose amount fails this.
struct LocalStandardsFault {
    LocalStandardField field;
    QString message;
};
std::optional<LocalStandardsFault> CheckLocalStandards(const LocalStandards &local);

} // namespace pellumo
