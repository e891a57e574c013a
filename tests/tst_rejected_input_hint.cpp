// The tooltip of a refused keystroke or paste, on a field of its own: it
// comes at the refused key and not before, stays while the clerk types on,
// and goes when the field loses the focus.

#include "app/widgets/rejected_input_hint.h"
#include "tests/refused_keys.h"

#include <QApplication>
#include <QClipboard>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

const QString Hint = QStringLiteral("只能是数字");

bool HintShown()
{
    return QToolTip::isVisible() && QToolTip::text() == Hint;
}

struct Form {
    Form()
    {
        field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), field));
        ExplainRejectedInput(field, Hint);
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the form was not shown");
        field->setFocus();
    }

    QWidget window;
    QVBoxLayout *layout = new QVBoxLayout(&window);
    QLineEdit *field = new QLineEdit(&window);
    QLineEdit *other = new QLineEdit(&window);
};

} // namespace

class RejectedInputHintTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refusedKeyOrPasteShowsHintUntilFocusLeaves();
};

void RejectedInputHintTest::refusedKeyOrPasteShowsHintUntilFocusLeaves()
{
    Form form;
    const QString failure = TypeWatchingHint(form.field, QStringLiteral("12a34"), 2, Hint);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(form.field->text(), QStringLiteral("1234"));
    form.other->setFocus();
    QVERIFY(!HintShown());
    form.field->setFocus();
    QVERIFY(!HintShown());
    QGuiApplication::clipboard()->setText(QStringLiteral("-500"));
    form.field->paste();
    QCOMPARE(form.field->text(), QStringLiteral("1234"));
    QVERIFY(HintShown());
}

QTEST_MAIN(RejectedInputHintTest)
#include "tst_rejected_input_hint.moc"
