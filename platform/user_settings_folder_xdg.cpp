#include "platform/settings_location.h"

#include <QStandardPaths>

namespace pellumo {

QString UserSettingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

} // namespace pellumo
