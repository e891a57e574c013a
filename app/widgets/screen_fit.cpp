#include "app/widgets/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace pellumo {
namespace {

// What a window manager adds around a window, which Qt learns only once the
// window is shown: a generous title bar and frame.
const QSize FrameAllowance(16, 40);

QRect Room(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

void SizeWithinScreen(QWidget *window, QSize wanted)
{
    const QRect room = Room(window);
    if (room.isValid())
        wanted = wanted.boundedTo(room.size() - FrameAllowance).expandedTo(window->minimumSizeHint());
    window->resize(wanted);
}

void OpenWithinScreen(QWidget *window, QSize wanted)
{
    SizeWithinScreen(window, wanted);
    const QRect room = Room(window);
    if (!room.isValid())
        return;
    const QSize outer = window->size() + FrameAllowance;
    window->move(room.x() + std::max(0, (room.width() - outer.width()) / 2),
                 room.y() + std::max(0, (room.height() - outer.height()) / 2));
}

void PlaceWithinScreen(QWidget *window, QPoint wanted)
{
    const QRect room = Room(window);
    if (room.isValid()) {
        const QSize outer = window->size() + FrameAllowance;
        wanted.setX(std::max(room.left(), std::min(wanted.x(), room.x() + room.width() - outer.width())));
        wanted.setY(std::max(room.top(), std::min(wanted.y(), room.y() + room.height() - outer.height())));
    }
    window->move(wanted);
}

} // namespace pellumo
