#include "fees/base_amounts.h"

#include "platform/ini_file.h"

namespace pellumo {
namespace {

const QString Section = QStringLiteral("vrk");
const QString DivorceKey = QStringLiteral("lihun");
const QString PersonalityRightsKey = QStringLiteral("renge");

// Decimal integers with an optional sign; anything else (or a value beyond
// 32 bits) gives the default.
int ReadInteger(const QString &filePath, const QString &key, int defaultValue)
{
    bool ok = false;
    const int value = ReadIniString(filePath, Section, key, QString()).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

} // namespace

BaseAmounts ReadBaseAmounts(const QString &filePath)
{
    BaseAmounts amounts;
    amounts.divorce = ReadInteger(filePath, DivorceKey, amounts.divorce);
    amounts.personalityRights = ReadInteger(filePath, PersonalityRightsKey, amounts.personalityRights);
    return amounts;
}

bool WriteBaseAmounts(const QString &filePath, int D, int P)
{
    return WriteIniStrings(filePath, Section,
                           {{DivorceKey, QString::number(D)}, {PersonalityRightsKey, QString::number(P)}});
}

QString BaseAmountCaption(const QString &D, const QString &P)
{
    return QStringLiteral("离婚") + D + QStringLiteral("元 人格权") + P + QStringLiteral("元");
}

} // namespace pellumo
