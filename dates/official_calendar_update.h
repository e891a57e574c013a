#pragma once

// The file side of updating the official calendar: where the update server
// publishes it, the check-and-replace that installs a download beside
// set.rar, and the choice between the installed file and the built-in one.
// The downloads themselves belong to the window layer.

#include "dates/official_calendar.h"

#include <QString>

namespace pellumo {

// On the update server: the calendar file, and its version as key "calendar"
// of section [money] in /vrk/tdqup.rar.
inline constexpr char PublishedOfficialCalendarPath[] = "/vrk/calendar.tsv";
inline constexpr char PublishedOfficialCalendarVersionKey[] = "calendar";

// The installed calendar's name in the settings folder, beside set.rar.
inline constexpr char InstalledOfficialCalendarName[] = "calendar.tsv";

// Replaces targetPath with the bytes of downloadedPath when they read as a
// whole official calendar (see ParseOfficialCalendar) whose version is at
// least publishedVersion. The replacement is atomic; when the check fails or
// the file cannot be written, targetPath stays exactly as it was and false
// comes back. The downloaded file is left to the caller.
bool InstallOfficialCalendar(const QString &downloadedPath, const QString &targetPath,
                             int publishedVersion);

// The calendar to use: the one installed in the settings folder when it
// reads as valid, otherwise the built-in one. Its version() is the version
// to compare with the published one.
OfficialCalendar OfficialCalendarInUse(const QString &settingsFolder);

} // namespace pellumo
