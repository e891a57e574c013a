#pragma once

#include <QList>

class QColor;
class QLabel;

namespace pellumo {

class DefaultErrorDisplay;
class ResultButton;
class ResultClipboard;

// One result row of a fee page: the button that shows the result and the
// labels that name it, in the order they are coloured.
struct ResultRow {
    ResultButton *button;
    QList<QLabel *> labels;
};

// A click on a row's button copies its caption, as it stands, to the
// clipboard (CopyResult); the pointer over the button turns the row's labels
// red and leaving it turns them black again (HighlightRow).
void BindResultRows(const QList<ResultRow> &rows, ResultClipboard &clipboard, const DefaultErrorDisplay &errors);

void CopyResult(const ResultButton &button, ResultClipboard &clipboard);
void HighlightRow(const QList<QLabel *> &labels, const QColor &colour);

} // namespace pellumo
