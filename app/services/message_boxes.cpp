#include "app/services/message_boxes.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace pellumo {
namespace {

QMessageBox::Icon ToQt(MessageBoxes::Icon icon)
{
    switch (icon) {
    case MessageBoxes::Icon::Information:
        return QMessageBox::Information;
    case MessageBoxes::Icon::Exclamation:
        return QMessageBox::Warning;
    case MessageBoxes::Icon::Error:
        return QMessageBox::Critical;
    case MessageBoxes::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageBoxes::Answer WidgetMessageBoxes::show(QWidget *owner, const QString &text, const QString &caption,
                                              Icon icon, Buttons buttons)
{
    QMessageBox box(ToQt(icon), caption, text, QMessageBox::NoButton, owner);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    }
    const int pressed = box.exec();
    if (buttons == Buttons::YesNo)
        return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

} // namespace pellumo
