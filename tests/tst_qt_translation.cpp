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

class QtTranslationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpLoadsQtTexts();
};

namespace {

// Save, Cancel, Yes, No; then the save dialog's 查找范围, 文件名称 and button,
// as on a desktop without a platform file dialog.
QStringList TextsBuiltAfterStartUp()
{
    QStringList texts;
    const QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                               QDialogButtonBox::No);
    for (auto which : {QDialogButtonBox::Save, QDialogButtonBox::Cancel, QDialogButtonBox::Yes, QDialogButtonBox::No})
        texts << box.button(which)->text();
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    texts << dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"))->text()
          << dialog.findChild<QLabel *>(QStringLiteral("fileNameLabel"))->text()
          << dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->text();
    return texts;
}

} // namespace

void QtTranslationTest::startUpLoadsQtTexts()
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_zh_CN.qm")))
        QSKIP("qt6-translations-l10n is not installed");
    QStringList texts;
    char name[] = "pellumo";
    char *arguments[] = {name, nullptr};
    pellumo::RunProgram(1, arguments, [&texts](QWidget &) {
        texts = TextsBuiltAfterStartUp();
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    });
    QCOMPARE(texts, (QStringList{QStringLiteral("保存"), QStringLiteral("取消"), QStringLiteral("是(&Y)"),
                                 QStringLiteral("否(&N)"), QStringLiteral("查找范围："), QStringLiteral("文件名称(&N)："),
                                 QStringLiteral("保存(&S)")}));
}

QTEST_APPLESS_MAIN(QtTranslationTest)
#include "tst_qt_translation.moc"
