#pragma once

#include <QLabel>

namespace pellumo {

// A picture or label that reports a click with the left mouse button.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace pellumo
