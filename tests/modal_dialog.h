#pragma once

// Answers a modal dialog a click opens: the answer runs once the dialog is
// the active modal widget, inside the dialog's own event loop.

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace pellumo::testing {

template <typename T>
void WhenModal(std::function<void(T *)> answer)
{
    QTimer::singleShot(0, [answer] {
        if (!QTest::qWaitFor([] { return qobject_cast<T *>(QApplication::activeModalWidget()) != nullptr; }, 20000)) {
            qWarning("no modal dialog appeared");
            if (QWidget *other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        answer(qobject_cast<T *>(QApplication::activeModalWidget()));
    });
}

} // namespace pellumo::testing
