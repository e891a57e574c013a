#include "app/services/settings_files.h"

#include <utility>

namespace pellumo {

SettingsFiles::SettingsFiles(QString programFolder) : m_programFolder(std::move(programFolder)) {}

QString SettingsFiles::pathForReading(const QString &fileName) const
{
    return m_programFolder + fileName;
}

QString SettingsFiles::pathForWriting(const QString &fileName) const
{
    return m_programFolder + fileName;
}

} // namespace pellumo
