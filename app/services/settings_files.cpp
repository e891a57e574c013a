#include "app/services/settings_files.h"

#include "platform/user_settings_folder.h"

#include <utility>

namespace pellumo {

// The user's folder is ~/.config/Pellumo/, on Windows %APPDATA%\Pellumo\.
SettingsFiles::SettingsFiles(const QString &programFolder)
    : m_folders(FindSettingsFolders(programFolder, UserSettingsFolder()))
{
}

SettingsFiles::SettingsFiles(SettingsFolders folders) : m_folders(std::move(folders)) {}

QString SettingsFiles::pathForReading(const QString &fileName) const
{
    return SettingsPathForReading(m_folders, fileName);
}

QString SettingsFiles::pathForWriting(const QString &fileName) const
{
    return SettingsPathForWriting(m_folders, fileName);
}

} // namespace pellumo
