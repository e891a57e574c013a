// Started by tst_main_window from another current directory: builds the main
// window on the program's own folder as main() does, then prints the
// base-amount caption of the first activation and the divorce fee at 300000.

#include "fees/base_amounts.h"
#include "gui_harness.h"
#include "platform/program_folder.h"

#include <QLineEdit>
#include <QToolButton>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    pellumo::InstallFontSubstitutions();
    pellumo::testing::RecordingMessageBoxes boxes;
    pellumo::testing::RecordingShellLauncher shell;
    pellumo::testing::RecordingDownloader downloader;
    pellumo::WindowServices services;
    services.programFolder = pellumo::ProgramFolder();
    services.messageBoxes = &boxes;
    services.shellLauncher = &shell;
    services.downloader = &downloader;
    services.loadBanner = false;

    pellumo::TForm1 window(services);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        return 1;
    const QString caption = window.findChild<QToolButton *>(QStringLiteral("SpeedButtonjishu"))->text();
    window.findChild<QLineEdit *>(QStringLiteral("edtBd"))->setText(QStringLiteral("300000"));
    const QString divorceFee = window.findChild<QToolButton *>(QStringLiteral("SpeedButton5"))->text();
    std::printf("%s\n%s\n", caption.toUtf8().constData(), divorceFee.toUtf8().constData());
    return 0;
}
