#include "app/services/default_error_display.h"

#include "app/services/handler_failure.h"
#include "app/services/message_boxes.h"

#include <QApplication>

namespace pellumo {

QString ErrorDisplayText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

DefaultErrorDisplay::DefaultErrorDisplay(MessageBoxes *messageBoxes, QWidget *owner)
    : m_messageBoxes(messageBoxes), m_owner(owner)
{
}

void DefaultErrorDisplay::show(const QString &message) const
{
    QWidget *owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : m_owner;
    m_messageBoxes->show(owner, ErrorDisplayText(message), QStringLiteral("Pellumo"), MessageBoxes::Icon::Error,
                         MessageBoxes::Buttons::Ok);
}

void DefaultErrorDisplay::guarded(const std::function<void()> &handler) const
{
    try {
        handler();
    } catch (const HandlerFailure &failure) {
        show(failure.message());
    } catch (const std::exception &failure) {
        show(QString::fromLocal8Bit(failure.what()));
    }
}

} // namespace pellumo
