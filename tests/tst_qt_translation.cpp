// Qt's own texts come out in Chinese once the program's start-up has run:
// the standard buttons and the file dialog built afterwards.

#include "app/window/program.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>

using namespace pellumo;

class QtTranslationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpLoadsQtTexts();
};

namespace {

struct Shown {
    QStringList buttons;        // Save, Cancel, Yes, No
    QString lookIn, fileName;   // the save dialog's labels
    QString accept;             // its accepting button
};

Shown BuiltAfterStartUp()
{
    Shown shown;
    const QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                               QDialogButtonBox::No);
    for (QDialogButtonBox::StandardButton which :
         {QDialogButtonBox::Save, QDialogButtonBox::Cancel, QDialogButtonBox::Yes, QDialogButtonBox::No})
        shown.buttons << box.button(which)->text();
    // Qt's own dialog, as on a desktop without a platform file dialog.
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    shown.lookIn = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"))->text();
    shown.fileName = dialog.findChild<QLabel *>(QStringLiteral("fileNameLabel"))->text();
    shown.accept = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->text();
    return shown;
}

} // namespace

void QtTranslationTest::startUpLoadsQtTexts()
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_zh_CN.qm")))
        QSKIP("qt6-translations-l10n is not installed");
    Shown shown;
    char name[] = "pellumo";
    char *arguments[] = {name, nullptr};
    RunProgram(1, arguments, [&shown](QWidget &) {
        shown = BuiltAfterStartUp();
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    });
    QCOMPARE(shown.buttons, (QStringList{QStringLiteral("保存"), QStringLiteral("取消"), QStringLiteral("是(&Y)"),
                                         QStringLiteral("否(&N)")}));
    QCOMPARE(shown.lookIn, QStringLiteral("查找范围："));
    QCOMPARE(shown.fileName, QStringLiteral("文件名称(&N)："));
    QCOMPARE(shown.accept, QStringLiteral("保存"));
}

QTEST_APPLESS_MAIN(QtTranslationTest)
#include "tst_qt_translation.moc"
