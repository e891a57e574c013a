// The program's start-up, exactly as app/main.cpp runs it, ending at the main
// window's first paint.

#include "app/window/program.h"
#include "bench/exit_at_first_paint.h"

#include <QWidget>

int main(int argc, char *argv[])
{
    pellumo::RunProgram(argc, argv, [](QWidget &window) { new ExitAtFirstPaint(&window); });
    return 1;  // reached only if the window never painted
}
