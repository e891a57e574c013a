#include "app/window/program.h"

#include "app/services/handler_failure.h"
#include "app/window/main_window.h"
#include "app/window/qt_translation.h"
#include "app/services/file_dialogs.h"
#include "app/services/message_boxes.h"
#include "app/update/network_downloader.h"
#include "app/services/system_shell_launcher.h"
#include "app/window/window_styles.h"
#include "platform/program_folder.h"

#include <QApplication>
#include <QIcon>
#include <QLoggingCategory>

namespace pellumo {

int RunProgram(int argc, char *argv[], const std::function<void(QWidget &)> &windowBuilt)
{
    // Started from a terminal, the program says nothing in normal use: Qt's
    // debug and informational messages stay off (Qt WebEngine describes its
    // OpenGL context at every start), warnings and errors still show.
    // QT_LOGGING_RULES still overrides this when someone needs them.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    // Qt::AA_ShareOpenGLContexts is deliberately not set here, although Qt
    // WebEngine then warns twice when the banner module loads: set before the
    // application object, it makes Qt create an OpenGL context at once, which
    // under Xvfb more than doubled the time to the first paint. The banner
    // module creates that context itself, after the first paint.
    // Qt's own options (-style, -platform, ...) are ignored too: only the
    // program's name reaches the application object.
    int argumentCount = argc > 0 ? 1 : 0;
    QApplication application(argumentCount, argv);
    // The application title. Not set as the display name: Qt would append it
    // to every window caption ("... — Pellumo").
    QApplication::setApplicationName(QStringLiteral("Pellumo"));
    QApplication::setApplicationVersion(QStringLiteral("6.2.0.0"));
    // The menu entry's name, so that desktops group the window under its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.pellumo.pellumo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/app_icon.png")));
    InstallFontSubstitutions();
    InstallQtTranslation(application);

    WidgetMessageBoxes messageBoxes;
    SystemShellLauncher shellLauncher;
    NetworkDownloader downloader;
    WidgetFileDialogs fileDialogs;
    WindowServices services;
    services.programFolder = ProgramFolder();
    services.messageBoxes = &messageBoxes;
    services.shellLauncher = &shellLauncher;
    services.downloader = &downloader;
    services.fileDialogs = &fileDialogs;

    try {
        TForm1 window(services);
        if (windowBuilt)
            windowBuilt(window);
        window.show();
        // Window managers give a new window the focus; without one (a bare X
        // server) the window asks for it, so that its first activation runs.
        window.activateWindow();
        application.exec();
    } catch (const std::exception &failure) {
        messageBoxes.show(nullptr, ErrorDisplayText(QString::fromLocal8Bit(failure.what())),
                          QStringLiteral("Pellumo"), MessageBoxes::Icon::Error, MessageBoxes::Buttons::Ok);
    }
    return 0;
}

} // namespace pellumo
