#include "interest/rate_table_update.h"

#include "money/money.h"
#include "platform/atomic_file.h"
#include "platform/ini_file.h"

#include <QFile>
#include <optional>

namespace pellumo {
namespace {

const QString Section = QStringLiteral("money");

bool HasBandRates(const QString &filePath)
{
    for (const char *key : {"a", "b", "c", "d", "e"}) {
        if (!ParseMoney(ReadIniString(filePath, Section, QLatin1String(key), QString())))
            return false;
    }
    return true;
}

// Unlike RateTable::ReadVersion, a missing or unreadable number is no
// version 1 here: a file without one is no rate table at all.
bool HasVersionAtLeast(const QString &filePath, int publishedVersion)
{
    bool ok = false;
    const int version = ReadIniString(filePath, Section, QStringLiteral("num"), QString()).toInt(&ok, 10);
    return ok && version >= publishedVersion;
}

std::optional<QByteArray> ReadWhole(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxIniFileSize)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

QUrl UpdateFileUrl(const QString &serverAddress, const char *path)
{
    QString base = serverAddress.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QUrl(base + QLatin1String(path));
}

bool ReadsAsRateTable(const QString &filePath, int publishedVersion)
{
    return HasVersionAtLeast(filePath, publishedVersion) && HasBandRates(filePath);
}

bool InstallRateTable(const QString &downloadedPath, const QString &tablePath, int publishedVersion)
{
    if (!ReadsAsRateTable(downloadedPath, publishedVersion))
        return false;
    // The checked bytes are copied rather than the file renamed: QSaveFile
    // replaces the target atomically on every platform, whereas a plain
    // rename refuses to overwrite on some.
    const std::optional<QByteArray> bytes = ReadWhole(downloadedPath);
    if (!bytes)
        return false;
    return WriteFileAtomically(tablePath, *bytes);
}

} // namespace pellumo
