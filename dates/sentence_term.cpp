#include "dates/sentence_term.h"

namespace pellumo {

QString PenaltyName(Penalty penalty)
{
    switch (penalty) {
    case Penalty::Surveillance: return QStringLiteral("管制");
    case Penalty::CriminalDetention: return QStringLiteral("拘役");
    case Penalty::FixedTerm: return QStringLiteral("有期徒刑");
    }
    return {};
}

QString CustodyKindName(CustodyKind kind)
{
    switch (kind) {
    case CustodyKind::Detained: return QStringLiteral("刑事拘留、逮捕");
    case CustodyKind::DesignatedResidence: return QStringLiteral("指定居所监视居住");
    case CustodyKind::AdministrativeDetention: return QStringLiteral("行政拘留");
    }
    return {};
}

SentenceResult ComputeSentence(const SentenceCase &)
{
    SentenceResult result;
    result.error = QStringLiteral("尚未计算");
    return result;
}

} // namespace pellumo
