#include "app/widgets/result_button.h"

namespace pellumo {

ResultButton::ResultButton(QWidget *parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setToolTip(QStringLiteral("点击此处，自动复制计算结果"));
}

void ResultButton::enterEvent(QEnterEvent *event)
{
    QToolButton::enterEvent(event);
    Q_EMIT pointerEntered();
}

void ResultButton::leaveEvent(QEvent *event)
{
    QToolButton::leaveEvent(event);
    Q_EMIT pointerLeft();
}

} // namespace pellumo
