// The program's start-up, step for step as app/main.cpp does it, ending at the
// main window's first paint.

#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/network_downloader.h"
#include "app/system_shell_launcher.h"
#include "app/window_styles.h"
#include "bench/exit_at_first_paint.h"
#include "platform/program_folder.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    int argumentCount = argc > 0 ? 1 : 0;
    QApplication application(argumentCount, argv);
    QApplication::setApplicationName(QStringLiteral("Pellumo"));
    QApplication::setApplicationVersion(QStringLiteral("6.2.0.0"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/app_icon.png")));
    pellumo::InstallFontSubstitutions();

    pellumo::WidgetMessageBoxes messageBoxes;
    pellumo::SystemShellLauncher shellLauncher;
    pellumo::NetworkDownloader downloader;
    pellumo::WindowServices services;
    services.programFolder = pellumo::ProgramFolder();
    services.messageBoxes = &messageBoxes;
    services.shellLauncher = &shellLauncher;
    services.downloader = &downloader;

    pellumo::TForm1 window(services);
    new ExitAtFirstPaint(&window);
    window.show();
    application.exec();
    return 1;  // reached only if the window never painted
}
