#pragma once

// The file side of the online update of the rate table: where the update
// server publishes its two files, and the check-and-replace that installs a
// downloaded rate table over set.rar. The downloads themselves belong to the
// window layer.

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

// Whether a downloaded file is a rate table worth installing: section
// "money" with the five band rates as decimal numbers and a version number
// no lower than the published one. An error page served with a success
// status, a file cut off before its version line, or an older table left
// in some cache all fail here, so none of them can replace a good set.rar.
bool ReadsAsRateTable(const QString &filePath, int publishedVersion);

// Replaces tablePath with the bytes of downloadedPath when these read as a
// rate table. The replacement is atomic: readers see either the old table or
// the new one, never a part. When the check fails or the new file cannot be
// written, tablePath stays exactly as it was and false comes back. The
// downloaded file is left to the caller.
bool InstallRateTable(const QString &downloadedPath, const QString &tablePath, int publishedVersion);

} // namespace pellumo
