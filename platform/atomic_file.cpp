#include "platform/atomic_file.h"

#include <QFile>
#include <QSaveFile>

namespace pellumo {

bool CommitSaveFile(QSaveFile &file)
{
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WriteFileAtomically(const QString &filePath, const QByteArray &bytes)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return CommitSaveFile(file);
}

} // namespace pellumo

namespace pellumo {

bool InstallCheckedFile(const QString &downloadedPath, const QString &targetPath, qint64 maxSize,
                        const std::function<bool(const QByteArray &bytes)> &isValid)
{
    QFile file(downloadedPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxSize)
        return false;
    // Checked and installed from the same bytes, so a file changed in between
    // cannot slip past the check.
    const QByteArray bytes = file.read(maxSize + 1);
    if (bytes.size() > maxSize || file.error() != QFileDevice::NoError || !isValid(bytes))
        return false;
    return WriteFileAtomically(targetPath, bytes);
}

} // namespace pellumo
