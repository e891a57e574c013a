#include "platform/user_settings_folder.h"

#include <QStandardPaths>

namespace pellumo {

QString UserSettingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

} // namespace pellumo
