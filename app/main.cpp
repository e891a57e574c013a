// Pellumo: litigation fees, delayed-performance interest, liquidated damages
// and deadline dates for court staff and lawyers.

#include "app/downloader.h"
#include "app/handler_failure.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/network_downloader.h"
#include "app/shell_launcher.h"
#include "app/system_shell_launcher.h"
#include "app/window_styles.h"
#include "platform/program_folder.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    // Arguments are ignored, Qt's own options (-style, -platform, ...)
    // included: only the program's name reaches the application object.
    // The exit code is always 0.
    int argumentCount = argc > 0 ? 1 : 0;
    QApplication application(argumentCount, argv);
    // The application title. Not set as the display name: Qt would append it
    // to every window caption ("... — Pellumo").
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

    try {
        pellumo::TForm1 window(services);
        window.show();
        application.exec();
    } catch (const std::exception &failure) {
        messageBoxes.show(nullptr, pellumo::ErrorDisplayText(QString::fromLocal8Bit(failure.what())),
                          QStringLiteral("Pellumo"), pellumo::MessageBoxes::Icon::Error,
                          pellumo::MessageBoxes::Buttons::Ok);
    }
    return 0;
}
