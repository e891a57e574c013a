#include "app/widgets/result_rows.h"

#include "app/services/default_error_display.h"
#include "app/services/result_clipboard.h"
#include "app/widgets/result_button.h"

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace pellumo {
namespace {

const QColor RowHighlight(255, 0, 0);
const QColor RowNormal(0, 0, 0);

} // namespace

void CopyResult(const ResultButton &button, ResultClipboard &clipboard)
{
    clipboard.copy(button.text());
}

void HighlightRow(const QList<QLabel *> &labels, const QColor &colour)
{
    for (QLabel *label : labels) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}

void BindResultRows(const QList<ResultRow> &rows, ResultClipboard &clipboard, const DefaultErrorDisplay &errors)
{
    for (const ResultRow &row : rows) {
        ResultButton *button = row.button;
        const QList<QLabel *> labels = row.labels;
        QObject::connect(button, &ResultButton::clicked, button, [button, &clipboard, &errors] {
            errors.guarded([button, &clipboard] { CopyResult(*button, clipboard); });
        });
        QObject::connect(button, &ResultButton::pointerEntered, button, [labels, &errors] {
            errors.guarded([labels] { HighlightRow(labels, RowHighlight); });
        });
        QObject::connect(button, &ResultButton::pointerLeft, button, [labels, &errors] {
            errors.guarded([labels] { HighlightRow(labels, RowNormal); });
        });
    }
}

} // namespace pellumo
