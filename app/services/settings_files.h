#pragma once

#include <QString>

namespace pellumo {

// Where the two settings files (setjs.rar, set.rar) are read and written.
// Every read goes through pathForReading and every write or replacement
// through pathForWriting, so that the two may part: a per-user folder for
// what the user changes, beside the program's own copies. Today both are the
// program's folder.
class SettingsFiles
{
public:
    // programFolder ends in a separator.
    explicit SettingsFiles(QString programFolder);

    QString pathForReading(const QString &fileName) const;
    QString pathForWriting(const QString &fileName) const;

private:
    QString m_programFolder;
};

} // namespace pellumo
