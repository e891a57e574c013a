#include "app/services/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace pellumo {
namespace {

// QFileDialog starts in the process's current folder when the one given is
// missing: the path offered, moved into a folder that is there.
QString InExistingFolder(const QString &path, bool isFolder)
{
    const QFileInfo info(path);
    if (isFolder)
        return DialogStartFolder(info.isAbsolute() ? path : QString());
    const QString folder = info.isAbsolute() ? info.absolutePath() : QString();
    return QDir(DialogStartFolder(folder)).filePath(info.fileName());
}

} // namespace

QString DialogStartFolder(const QString &lastUsed)
{
    if (!lastUsed.isEmpty() && QFileInfo(lastUsed).isAbsolute() && QFileInfo(lastUsed).isDir())
        return lastUsed;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

QString WidgetFileDialogs::openFileName(QWidget *owner, const QString &caption, const QString &folder,
                                        const QString &filter)
{
    return QFileDialog::getOpenFileName(owner, caption, InExistingFolder(folder, true), filter);
}

QString WidgetFileDialogs::saveFileName(QWidget *owner, const QString &caption, const QString &suggestedPath,
                                        const QString &filter)
{
    return QFileDialog::getSaveFileName(owner, caption, InExistingFolder(suggestedPath, false), filter);
}

} // namespace pellumo
