#include "platform/settings_location.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace pellumo {

namespace {

QString WithSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString SavingFolder(const SettingsFolders &folders)
{
    return WithSeparator(folders.programFolderWritable ? folders.programFolder : folders.userFolder);
}

} // namespace

SettingsFolders FindSettingsFolders(const QString &programFolder, const QString &userFolder)
{
    return {WithSeparator(programFolder), CanCreateFilesIn(programFolder), WithSeparator(userFolder)};
}

bool CanCreateFilesIn(const QString &folder)
{
    QTemporaryFile probe(WithSeparator(folder) + QStringLiteral(".pellumo-write-probe-XXXXXX"));
    return probe.open();  // removed again when probe goes out of scope
}

QString SettingsPathForReading(const SettingsFolders &folders, const QString &fileName)
{
    const QString saved = SavingFolder(folders) + fileName;
    if (QFileInfo(saved).isFile())
        return saved;
    return WithSeparator(folders.programFolder) + fileName;
}

QString SettingsPathForWriting(const SettingsFolders &folders, const QString &fileName)
{
    const QString folder = SavingFolder(folders);
    if (!folders.programFolderWritable)
        QDir().mkpath(folder);  // a failure shows when the file itself cannot be written
    return folder + fileName;
}

} // namespace pellumo
