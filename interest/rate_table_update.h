#pragma once

// The file side of the online update of the rate table: where the update
// server publishes its two files, and the check-and-replace that installs a
// downloaded rate table over set.rar. The downloads themselves belong to the
// window layer.

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace pellumo {

// Paths on the update server. The version file is INI text like set.rar and
// only its [money] num counts; the rate file is a complete rate table.
inline constexpr char PublishedVersionPath[] = "/vrk/tdqup.rar";
inline constexpr char PublishedRateTablePath[] = "/vrk/rate.rar";

// The server's base address ("http://host", "https://host/base/"; trailing
// slashes do not matter) followed by one of the paths above.
QUrl UpdateFileUrl(const QString &serverAddress, const char *path);

// A published rate table is a few hundred bytes; a larger download is none.
inline constexpr qint64 MaxRateTableSize = 64 * 1024;

// How far a new table's version may lie above the local one. A version such
// as 2147483647 would otherwise lock out every later update.
inline constexpr int MaxVersionJump = 1000;

// Whether downloaded bytes are a rate table worth installing: section
// "money" with the five band rates as decimal numbers above 0 and at most
// 100 percent a year, the adjustment date "bz" as a date in the form the
// tables carry ("2015年10月24日"), and a version number no lower than the
// published one and at most MaxVersionJump above the local one. An error
// page served with a success status, a file cut off before its version line,
// an older table left in some cache, or a table from a server that sends
// anything all fail here, so none of them can replace a good set.rar.
bool ReadsAsRateTable(const QByteArray &content, int publishedVersion, int localVersion);

// Replaces tablePath with the bytes of downloadedPath when these read as a
// rate table, against the version tablePath holds now. The very bytes checked
// are written, atomically: readers see either the old table or the new one,
// never a part. When the check fails, the download is larger than
// MaxRateTableSize or the new file cannot be written, tablePath stays
// exactly as it was and false comes back. The downloaded file is left to the
// caller.
bool InstallRateTable(const QString &downloadedPath, const QString &tablePath, int publishedVersion);

} // namespace pellumo
