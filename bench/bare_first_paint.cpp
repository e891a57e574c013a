// The yardstick: a bare Qt window of the main window's size with one Chinese
// label in the same fonts, ending at its first paint.

#include "app/window/window_styles.h"
#include "bench/exit_at_first_paint.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    int argumentCount = argc > 0 ? 1 : 0;
    QApplication application(argumentCount, argv);
    pellumo::InstallFontSubstitutions();

    QWidget window;
    window.setFixedSize(467, 397);
    QLabel label(QStringLiteral("诉讼费计算"), &window);
    QFont font(QStringLiteral("SimSun"));
    font.setPixelSize(16);
    label.setFont(font);
    label.move(20, 20);
    new ExitAtFirstPaint(&window);
    window.show();
    application.exec();
    return 1;  // reached only if the window never painted
}
