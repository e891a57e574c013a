#pragma once

#include "platform/settings_location.h"

#include <QString>

namespace pellumo {

// Where the settings files (setjs.rar, set.rar) and the downloaded tables
// (history.tsv, calendar.tsv) are read and written. Every read goes through
// pathForReading and every write or replacement through pathForWriting, so
// that the two may part: a program run from its own, writable folder keeps
// its files there; an installed one, whose folder the user cannot write,
// saves them in the user's settings folder and reads a file placed next to
// the program as the default until the user has saved their own.
class SettingsFiles
{
public:
    // The folders of this run, decided once here: programFolder (ending in a
    // separator) is probed for writing, and the user's folder is Qt's
    // per-user settings folder for the application name
    // (~/.config/Pellumo/ for "Pellumo"), created only when first written.
    explicit SettingsFiles(const QString &programFolder);
    // Folders decided elsewhere.
    explicit SettingsFiles(SettingsFolders folders);

    QString pathForReading(const QString &fileName) const;
    QString pathForWriting(const QString &fileName) const;

    const SettingsFolders &folders() const { return m_folders; }

private:
    SettingsFolders m_folders;
};

} // namespace pellumo
