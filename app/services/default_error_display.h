#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace pellumo {

class MessageBoxes;

// The default error display: a failure a handler does not handle itself
// ends the handler and is shown in a message box with an error icon, the
// caption "Pellumo" and the message (see ErrorDisplayText). Every connected
// handler of the window, its pages and its strips runs through guarded().
class DefaultErrorDisplay
{
public:
    // The boxes are owned by the active modal window, else by owner.
    DefaultErrorDisplay(MessageBoxes *messageBoxes, QWidget *owner);

    void show(const QString &message) const;
    // Runs the handler; a HandlerFailure or other std::exception it throws
    // ends it and is shown. What the handler already changed stays changed.
    void guarded(const std::function<void()> &handler) const;

private:
    MessageBoxes *m_messageBoxes;
    QWidget *m_owner;
};

} // namespace pellumo
