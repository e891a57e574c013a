#pragma once

#include <QString>

namespace pellumo {

// The user's own folder for this program's settings files, without a final
// separator, named after the application (set its name first): on Linux
// ~/.config/Pellumo (XDG_CONFIG_HOME), on Windows %APPDATA%\Pellumo, the
// roaming folder that follows the user to another PC of the court's domain.
// One file per platform says which.
QString UserSettingsFolder();

} // namespace pellumo
