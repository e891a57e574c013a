// Where the save and open dialogs start: the folder last used, else the
// documents folder, else the home folder; never the process's own folder.

#include "app/services/file_dialogs.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace pellumo;

class FileDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startFolder_data();
    void startFolder();
};

void FileDialogsTest::startFolder_data()
{
    QTest::addColumn<bool>("documents");  // ~/Documents exists
    QTest::addColumn<QString>("lastUsed"); // under the temporary home; "-": none
    QTest::addColumn<QString>("start");
    QTest::newRow("the folder last used") << true << "案件" << "案件";
    QTest::newRow("last used since removed: documents") << true << "removed" << "Documents";
    QTest::newRow("none yet: documents") << true << "-" << "Documents";
    QTest::newRow("no documents folder: home") << false << "-" << "";
    QTest::newRow("a relative folder is the process's own: documents") << true << "." << "Documents";
}

void FileDialogsTest::startFolder()
{
    QFETCH(bool, documents);
    QFETCH(QString, lastUsed);
    QFETCH(QString, start);
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");  // its user-dirs.dirs would name another documents folder
    QDir(home.path()).mkdir(QStringLiteral("案件"));
    if (documents)
        QDir(home.path()).mkdir(QStringLiteral("Documents"));
    QString last;
    if (lastUsed == QStringLiteral("."))
        last = lastUsed;
    else if (lastUsed != QStringLiteral("-"))
        last = QDir(home.path()).filePath(lastUsed);
    QString expected = QDir(home.path()).filePath(start);
#ifdef Q_OS_WIN
    // Windows names the documents folder itself (a known folder of the
    // shell, whatever HOME says), and every user has one.
    if (!documents)
        QSKIP("a Windows user's Documents folder cannot be taken away for a test");
    if (start == QStringLiteral("Documents"))
        expected = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#endif
    const QString folder = DialogStartFolder(last);
    qputenv("HOME", savedHome);
    QCOMPARE(QDir::cleanPath(folder), QDir::cleanPath(expected));
}

QTEST_GUILESS_MAIN(FileDialogsTest)
#include "tst_file_dialogs.moc"
