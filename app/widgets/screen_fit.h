#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace pellumo {

// Opens a window at `wanted` where the screen has room for it, else as large
// as the screen's free area allows (task bar, title bar and frame left
// free), centred on that area, so that every button is on screen without
// moving the window. Its layout decides how small it may get; a window whose
// content can be larger than that scrolls.
void OpenWithinScreen(QWidget *window, QSize wanted);

// Moves a window of fixed size to `wanted`, or as near to it as keeps it on
// the screen's free area: at a large display scale on a small screen the
// described place would put its lower part, and the results, off screen.
// Where it is larger than the free area its top left corner stays on it.
void PlaceWithinScreen(QWidget *window, QPoint wanted);

// The size alone, for a dialog, which Qt centres on its parent within the
// screen when it opens.
void SizeWithinScreen(QWidget *window, QSize wanted);

} // namespace pellumo
