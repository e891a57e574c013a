#pragma once

#include <functional>

class QWidget;

namespace pellumo {

// The program's start-up: the application object titled "Pellumo", the font
// substitutions, the main window with the real message boxes, shell and
// downloader, and the event loop until the window closes. Arguments are
// ignored; the result is always 0. windowBuilt runs once the main window
// exists, before it is shown (the start-up benchmark stops at its first
// paint this way).
int RunProgram(int argc, char *argv[], const std::function<void(QWidget &)> &windowBuilt = {});

} // namespace pellumo
