#include "fees/local_standards.h"

#include "fees/base_amounts.h"
#include "platform/atomic_file.h"
#include "money/number_text.h"
#include "platform/ini_file.h"

#include <QFile>
#include <QFileInfo>

namespace pellumo {
namespace {

const QString Section = QStringLiteral("bz");

struct FileKey {
    LocalStandardField field;
    QString key;
};

// The seven amounts of setbz.rar; divorce and personality rights are in
// setjs.rar.
const QList<FileKey> &FileKeys()
{
    using F = LocalStandardField;
    static const QList<FileKey> keys = {
        {F::OtherNonProperty, QStringLiteral("qita")},      {F::IntellectualPropertyNoAmount, QStringLiteral("zscq")},
        {F::JurisdictionObjection, QStringLiteral("guanxia")}, {F::ExecutionNoAmount, QStringLiteral("zhixing")},
        {F::MaritimeLimitationFund, QStringLiteral("xianze")}, {F::MaritimeInjunction, QStringLiteral("qiangzhi")},
        {F::ShipPrioritySummons, QStringLiteral("cuigao")},
    };
    return keys;
}

// The whole file, when it is a regular file of at most MaxIniFileSize bytes
// that reads in full.
std::optional<QByteArray> ReadWhole(const QString &filePath)
{
    if (!QFileInfo(filePath).isFile())
        return std::nullopt;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxIniFileSize)
        return std::nullopt;
    const qint64 size = file.size();
    QByteArray bytes = file.read(size + 1);
    if (bytes.size() != size || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// A whole number of yuan as the file stores it: digits only, no sign, no
// point, at most six digits (every range ends below 10^5).
std::optional<Money> WholeYuan(const QString &text)
{
    if (text.isEmpty() || text.size() > 6)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return Money(text.toLong());
}

} // namespace

std::optional<LocalStandards> ReadLocalStandardsFile(const QString &standardsFilePath)
{
    const std::optional<QByteArray> bytes = ReadWhole(standardsFilePath);
    return bytes ? ParseLocalStandards(*bytes) : std::nullopt;
}

std::optional<LocalStandards> ParseLocalStandards(const QByteArray &bytes)
{
    LocalStandards local;
    for (const FileKey &entry : FileKeys()) {
        const std::optional<Money> amount = WholeYuan(ReadIniStringFrom(bytes, Section, entry.key, QString()));
        if (!amount)
            return std::nullopt;
        const FeeRange range = LocalStandardRange(entry.field);
        if (*amount < range.lowest || *amount > range.highest)
            return std::nullopt;
        SetLocalStandardAmount(local, entry.field, *amount);
    }
    return local;
}

LocalStandards ReadLocalStandards(const QString &standardsFilePath, const QString &baseAmountsFilePath)
{
    LocalStandards local = ReadLocalStandardsFile(standardsFilePath).value_or(LocalStandards());
    const BaseAmounts base = ReadBaseAmounts(baseAmountsFilePath);
    local.divorce = base.divorce;
    local.personalityRights = base.personalityRights;
    return local;
}

std::optional<QByteArray> LocalStandardsBytes(QByteArray bytes, const LocalStandards &local)
{
    if (CheckLocalStandards(local))
        return std::nullopt;
    IniValues values;
    for (const FileKey &entry : FileKeys())
        values.append({entry.key, DecimalText(LocalStandardAmount(local, entry.field))});
    if (!SetIniStrings(bytes, Section, values))
        return std::nullopt;
    return bytes;
}

bool WriteLocalStandards(const QString &standardsFilePath, const QString &baseAmountsFilePath,
                         const LocalStandards &local)
{
    if (CheckLocalStandards(local))
        return false;
    const bool existed = QFileInfo::exists(standardsFilePath);
    const std::optional<QByteArray> old = existed ? ReadWhole(standardsFilePath) : std::optional<QByteArray>();
    // A file that cannot be read (no regular file, too large) is replaced by
    // a new one rather than left in the way of the user's amounts.
    const std::optional<QByteArray> bytes = LocalStandardsBytes(old.value_or(QByteArray()), local);
    if (!bytes || !WriteFileAtomically(standardsFilePath, *bytes))
        return false;
    const int divorce = int(local.divorce.exact().get_num().get_si());
    const int personalityRights = int(local.personalityRights.exact().get_num().get_si());
    if (WriteBaseAmounts(baseAmountsFilePath, divorce, personalityRights))
        return true;
    // Both files or neither: put the standards file back as it was.
    if (old)
        WriteFileAtomically(standardsFilePath, *old);
    else if (!existed)
        QFile::remove(standardsFilePath);
    return false;
}

} // namespace pellumo
