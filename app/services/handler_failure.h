#pragma once

#include <QString>
#include <stdexcept>

namespace pellumo {

// A failure a handler does not handle itself: it ends the handler and is
// shown by the window's default error display.
class HandlerFailure : public std::runtime_error
{
public:
    explicit HandlerFailure(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// The text of the default error display: a "." is appended when the message
// is not empty and its last character sorts after "." (a letter, a digit, a
// Chinese character).
QString ErrorDisplayText(const QString &message);

} // namespace pellumo
