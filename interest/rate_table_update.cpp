#include "interest/rate_table_update.h"

#include "interest/rate_table.h"
#include "money/money.h"
#include "platform/atomic_file.h"
#include "platform/ini_file.h"

#include <QDate>
#include <QRegularExpression>
#include <optional>

namespace pellumo {
namespace {

const QString Section = QStringLiteral("money");

// A benchmark lending rate has never come near either end; 0, a negative
// rate or 1e300 can only be a damaged or forged table.
bool IsPlausibleRate(const Money &percentPerYear)
{
    return percentPerYear > 0 && percentPerYear <= 100;
}

bool HasBandRates(const QByteArray &content)
{
    for (const char *key : {"a", "b", "c", "d", "e"}) {
        const auto rate = ParseMoney(ReadIniStringFrom(content, Section, QLatin1String(key), QString()));
        if (!rate || !IsPlausibleRate(*rate))
            return false;
    }
    return true;
}

// The date is shown to the user unchanged next to the rates, so it must be a
// real calendar day written the way the tables write it: a four-digit year,
// then month and day, "2015年10月24日" (a leading zero allowed).
bool IsAdjustmentDate(const QString &text)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{4})年([0-9]{1,2})月([0-9]{1,2})日")));
    const QRegularExpressionMatch match = form.match(text);
    return match.hasMatch()
        && QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()).isValid();
}

bool HasAdjustmentDate(const QByteArray &content)
{
    const QString missing;  // the null string: no "bz" key at all
    const QString date = ReadIniStringFrom(content, Section, QStringLiteral("bz"), missing);
    return !date.isNull() && IsAdjustmentDate(date);
}

// Unlike RateTable::ReadVersion, a missing or unreadable number is no
// version 1 here: a file without one is no rate table at all.
bool HasVersionInRange(const QByteArray &content, int publishedVersion, int localVersion)
{
    bool ok = false;
    const int version = ReadIniStringFrom(content, Section, QStringLiteral("num"), QString()).toInt(&ok, 10);
    return ok && version >= publishedVersion && qint64(version) <= qint64(localVersion) + MaxVersionJump;
}

} // namespace

QUrl UpdateFileUrl(const QString &serverAddress, const char *path)
{
    QString base = serverAddress.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QUrl(base + QLatin1String(path));
}

bool ReadsAsRateTable(const QByteArray &content, int publishedVersion, int localVersion)
{
    return HasVersionInRange(content, publishedVersion, localVersion) && HasBandRates(content)
        && HasAdjustmentDate(content);
}

bool InstallRateTable(const QString &downloadedPath, const QString &tablePath, int publishedVersion)
{
    const int localVersion = RateTable(tablePath).ReadVersion();
    // The checked bytes are copied rather than the file renamed: QSaveFile
    // replaces the target atomically on every platform, whereas a plain
    // rename refuses to overwrite on some.
    return InstallCheckedFile(downloadedPath, tablePath, MaxRateTableSize, [&](const QByteArray &content) {
        return ReadsAsRateTable(content, publishedVersion, localVersion);
    });
}

} // namespace pellumo
