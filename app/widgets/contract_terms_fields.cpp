#include "app/widgets/contract_terms_fields.h"

#include "app/widgets/rejected_input_hint.h"
#include "interest/interest_wording.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <cstdlib>

namespace pellumo {

void SetUpContractTermsFields(QLineEdit *basisPoints, QDateEdit *repricingDay)
{
    static const QRegularExpression pattern(QStringLiteral("-?(10000|\\d{0,4})"));
    basisPoints->setValidator(new QRegularExpressionValidator(pattern, basisPoints));
    ExplainRejectedInput(basisPoints, QStringLiteral("加点只能是-10000至10000的整数基点"));
    basisPoints->setToolTip(BasisPointsHint());
    repricingDay->setDateRange(QDate(2000, 1, 1), QDate(2000, 12, 31));
    repricingDay->setDate(QDate(2000, 1, 1));
}

std::optional<int> BasisPointsIn(const QString &text)
{
    bool whole = false;
    const int basisPoints = text.toInt(&whole);
    if (!whole || std::abs(basisPoints) > MaxBasisPoints)
        return std::nullopt;
    return basisPoints;
}

Repricing RepricingAt(int index)
{
    switch (index) {
    case 1:
        return Repricing::Yearly;
    case 2:
        return Repricing::Fixed;
    default:
        return Repricing::EachFixing;
    }
}

int RepricingIndex(Repricing repricing)
{
    return repricing == Repricing::Yearly ? 1 : repricing == Repricing::Fixed ? 2 : 0;
}

} // namespace pellumo
