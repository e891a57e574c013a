#pragma once

#include <QString>

namespace pellumo {

class DefaultErrorDisplay;
class Downloader;
class FileDialogs;
class MessageBoxes;
class ResultClipboard;
class SettingsFiles;
class ShellLauncher;

// What a page, the banner strip and the status bar may use besides their own
// controls. The window owns all of it and hands it to each of them; a test
// fills it with recording stand-ins (tests/gui_harness.h). A page never
// reaches the window itself.
struct PageServices {
    MessageBoxes *messageBoxes = nullptr;
    ShellLauncher *shellLauncher = nullptr;
    Downloader *downloader = nullptr;
    const SettingsFiles *settingsFiles = nullptr;
    const DefaultErrorDisplay *errors = nullptr;
    ResultClipboard *clipboard = nullptr;
    FileDialogs *fileDialogs = nullptr;
    QString updateServerAddress;  // base address of the rate-table update
};

} // namespace pellumo
