#pragma once

// Typing into a field with a validator, key by key, as a clerk does, and
// watching the tooltip that says what the field takes.

#include <QLineEdit>
#include <QTest>
#include <QToolTip>

namespace pellumo::testing {

// Types `text` into `field` one key at a time; the tooltip `hint` must be on
// screen from the key at `firstRefused` on and not before. Returns what went
// wrong, or nothing.
inline QString TypeWatchingHint(QWidget *field, const QString &text, int firstRefused, const QString &hint)
{
    QToolTip::hideText();
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->selectAll();
    for (int i = 0; i < text.size(); ++i) {
        QTest::keyClicks(field, text.mid(i, 1));
        const bool shown = QToolTip::isVisible() && QToolTip::text() == hint;
        if (shown != (i >= firstRefused))
            return QStringLiteral("after \"%1\" the hint is %2 (tooltip: \"%3\")")
                .arg(text.left(i + 1), shown ? QStringLiteral("shown") : QStringLiteral("not shown"), QToolTip::text());
    }
    return {};
}

} // namespace pellumo::testing
