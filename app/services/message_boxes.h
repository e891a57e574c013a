#pragma once

#include <QString>

class QWidget;

namespace pellumo {

// Modal message boxes. The window uses this seam for every box it shows, so
// that tests can record the boxes and answer them without a person.
class MessageBoxes
{
public:
    enum class Icon { None, Information, Exclamation, Error };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBoxes() = default;
    virtual Answer show(QWidget *owner, const QString &text, const QString &caption, Icon icon,
                        Buttons buttons) = 0;
};

// The real boxes (QMessageBox), modal to the owner.
class WidgetMessageBoxes : public MessageBoxes
{
public:
    Answer show(QWidget *owner, const QString &text, const QString &caption, Icon icon,
                Buttons buttons) override;
};

} // namespace pellumo
