#include "platform/user_settings_folder.h"

#include <QStandardPaths>

namespace pellumo {

// On Windows Qt's configuration folder is the local, non-roaming one
// (%LOCALAPPDATA%); settings belong in the roaming %APPDATA%, which is
// Qt's data folder there.
QString UserSettingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace pellumo
