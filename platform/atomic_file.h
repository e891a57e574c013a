#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

namespace pellumo {

// Replaces the file with bytes in one step (write to a temporary file beside
// it, then rename): a crash or a full disk never leaves it half written.
// False when it could not be written; the old file then stays as it was.
bool WriteFileAtomically(const QString &filePath, const QByteArray &bytes);

// Commits a QSaveFile that has been written to. QSaveFile::commit() can
// report success after its final flush failed and then put a truncated file
// in place, so the flush is checked first; on failure nothing is replaced.
bool CommitSaveFile(QSaveFile &file);

} // namespace pellumo
