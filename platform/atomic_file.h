#pragma once

#include "platform/file_error_text.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QSaveFile;

namespace pellumo {

// Replaces the file with bytes in one step (write to a temporary file beside
// it, then rename): a crash or a full disk never leaves it half written.
// False when it could not be written, with what Qt reported in `fault`
// when given; the old file then stays as it was.
bool WriteFileAtomically(const QString &filePath, const QByteArray &bytes, FileFault *fault = nullptr);

// Commits a QSaveFile that has been written to. QSaveFile::commit() can
// report success after its final flush failed and then put a truncated file
// in place, so the flush is checked first; on failure nothing is replaced.
bool CommitSaveFile(QSaveFile &file, FileFault *fault = nullptr);

} // namespace pellumo

namespace pellumo {

// Installs a downloaded file over targetPath when its bytes pass isValid:
// the whole file (at most maxSize bytes) is read, checked in memory, and
// those same checked bytes replace the target atomically. False, with the
// target exactly as it was, when the file is missing, larger than maxSize,
// unreadable, refused by the check or cannot be written. The downloaded file
// is left to the caller.
bool InstallCheckedFile(const QString &downloadedPath, const QString &targetPath, qint64 maxSize,
                        const std::function<bool(const QByteArray &bytes)> &isValid);

} // namespace pellumo
