#pragma once

#include <QString>

namespace pellumo {

// Where the settings files live. A copy run from its own folder keeps them
// beside the program file, as it always has. An installed program cannot
// write its folder (/usr/lib/..., /opt/...), so each user's files go to the
// user's settings folder instead, and a file placed next to the program (a
// court's preset base amounts, a newer rate table put there by IT staff) is
// read as the default until the user saves their own.
struct SettingsFolders {
    QString programFolder;        // the program file's folder, ending in a separator
    bool programFolderWritable;   // as CanCreateFilesIn(programFolder) found it
    QString userFolder;           // e.g. ~/.config/Pellumo/, ending in a separator
};

// The folders for this program: programFolder probed with CanCreateFilesIn.
SettingsFolders FindSettingsFolders(const QString &programFolder, const QString &userFolder);

// True when a new file can be created in folder right now. A probe, not a
// look at permission bits: those say nothing for root, ACLs or a read-only
// mount.
bool CanCreateFilesIn(const QString &folder);

// The file to read fileName from: the copy where it is saved when one exists
// there, otherwise the copy next to the program (which may not exist either;
// the reader then uses its built-in values).
QString SettingsPathForReading(const SettingsFolders &folders, const QString &fileName);

// The file to save fileName to: next to the program when its folder is
// writable, otherwise in the user's folder, which is created when missing.
QString SettingsPathForWriting(const SettingsFolders &folders, const QString &fileName);

} // namespace pellumo
