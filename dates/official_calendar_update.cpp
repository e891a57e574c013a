#include "dates/official_calendar_update.h"

#include "platform/atomic_file.h"

#include <QDir>

namespace pellumo {

bool InstallOfficialCalendar(const QString &downloadedPath, const QString &targetPath,
                             int publishedVersion)
{
    return InstallCheckedFile(downloadedPath, targetPath, MaxOfficialCalendarFileSize,
                              [publishedVersion](const QByteArray &bytes) {
                                  const std::optional<OfficialCalendar> calendar = ParseOfficialCalendar(bytes);
                                  return calendar && calendar->version() >= publishedVersion;
                              });
}

OfficialCalendar OfficialCalendarInUse(const QString &settingsFolder)
{
    const QString installedPath = QDir(settingsFolder).filePath(QLatin1String(InstalledOfficialCalendarName));
    if (std::optional<OfficialCalendar> installed = ReadOfficialCalendar(installedPath))
        return *std::move(installed);
    return BuiltInOfficialCalendar();
}

} // namespace pellumo
