#include "platform/atomic_file.h"

#include <QFile>
#include <QSaveFile>

namespace pellumo {

namespace {

// Keeps what the file reported before cancelWriting() clears it.
bool Failed(QSaveFile &file, FileFault *fault)
{
    if (fault)
        *fault = {file.error(), file.errorString()};
    file.cancelWriting();
    return false;
}

} // namespace

bool CommitSaveFile(QSaveFile &file, FileFault *fault)
{
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return Failed(file, fault);
    if (file.commit())
        return true;
    if (fault)
        *fault = {file.error(), file.errorString()};
    return false;
}

bool WriteFileAtomically(const QString &filePath, const QByteArray &bytes, FileFault *fault)
{
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return Failed(file, fault);
    return CommitSaveFile(file, fault);
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
