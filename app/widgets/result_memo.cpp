#include "app/widgets/result_memo.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pellumo {

void SetUpResultMemo(QPlainTextEdit *memo)
{
    auto *panel = static_cast<QFrame *>(memo->parentWidget());
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, memo->y() - panel->frameWidth(), 0, 0);
    layout->addWidget(memo);
    memo->document()->setDocumentMargin(2);
}

} // namespace pellumo
