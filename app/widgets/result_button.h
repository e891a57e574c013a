#pragma once

#include <QToolButton>

namespace pellumo {

// A flat button whose caption is one result line; a click copies it to the
// clipboard, and the pointer entering or leaving it lights up its row.
class ResultButton : public QToolButton
{
    Q_OBJECT
public:
    explicit ResultButton(QWidget *parent = nullptr);

Q_SIGNALS:
    void pointerEntered();
    void pointerLeft();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
};

} // namespace pellumo
