#include "platform/settings_location.h"
#include "platform/user_settings_folder.h"
#include "tests/test_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>
#include <memory>

using namespace pellumo;
using namespace pellumo::testing;

// Real folders: a program folder and a user's settings folder under one
// temporary folder. Whether the program folder counts as writable is passed
// in, since root can write any folder whatever its permission bits.
class SettingsLocationTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void reading_data();
    void reading();
    void writing_data();
    void writing();
    void savedCopyIsReadBack();
    void unusableUserFolderGivesAPathThatFailsToWrite();
    void probe_data();
    void probe();
    void probeLeavesNothingBehind();
    void userFolderIsThePlatformsOwn();

private:
    QString programFolder() const { return m_root->filePath(QStringLiteral("program")) + QLatin1Char('/'); }
    QString userFolder() const { return m_root->filePath(QStringLiteral("config/Pellumo")) + QLatin1Char('/'); }
    SettingsFolders folders(bool programWritable) const { return {programFolder(), programWritable, userFolder()}; }

    std::unique_ptr<QTemporaryDir> m_root;
};

void SettingsLocationTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    QVERIFY(QDir().mkpath(programFolder()));
}

void SettingsLocationTest::reading_data()
{
    QTest::addColumn<bool>("programWritable");
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<bool>("inUserFolder");
    QTest::addColumn<QString>("expectedFolder");
    QTest::newRow("own folder: the copy beside the program") << true << true << false << "program";
    QTest::newRow("own folder: a user's copy from an installed run is not read") << true << true << true << "program";
    QTest::newRow("own folder: nothing saved yet") << true << false << false << "program";
    QTest::newRow("installed: the user's own copy") << false << true << true << "user";
    QTest::newRow("installed: the user's copy without a default") << false << false << true << "user";
    QTest::newRow("installed: the default placed beside the program") << false << true << false << "program";
    QTest::newRow("installed: nothing anywhere") << false << false << false << "program";
}

void SettingsLocationTest::reading()
{
    QFETCH(bool, programWritable);
    QFETCH(bool, besideProgram);
    QFETCH(bool, inUserFolder);
    QFETCH(QString, expectedFolder);
    const QString name = QStringLiteral("setjs.rar");
    if (besideProgram)
        PlaceFile(programFolder() + name, "[vrk]\nlihun=program\n");
    if (inUserFolder) {
        QVERIFY(QDir().mkpath(userFolder()));
        PlaceFile(userFolder() + name, "[vrk]\nlihun=user\n");
    }
    const QString expected = (expectedFolder == QLatin1String("user") ? userFolder() : programFolder()) + name;
    QCOMPARE(SettingsPathForReading(folders(programWritable), name), expected);
}

void SettingsLocationTest::writing_data()
{
    QTest::addColumn<bool>("programWritable");
    QTest::addColumn<bool>("userFolderExists");
    QTest::addColumn<QString>("expectedFolder");
    QTest::newRow("own folder stays the place") << true << false << "program";
    QTest::newRow("own folder even when a user's folder exists") << true << true << "program";
    QTest::newRow("installed: the user's folder is created") << false << false << "user";
    QTest::newRow("installed: the user's existing folder") << false << true << "user";
}

void SettingsLocationTest::writing()
{
    QFETCH(bool, programWritable);
    QFETCH(bool, userFolderExists);
    QFETCH(QString, expectedFolder);
    if (userFolderExists)
        QVERIFY(QDir().mkpath(userFolder()));
    const QString path = SettingsPathForWriting(folders(programWritable), QStringLiteral("set.rar"));
    const bool toUser = expectedFolder == QLatin1String("user");
    QCOMPARE(path, (toUser ? userFolder() : programFolder()) + QStringLiteral("set.rar"));
    QVERIFY(WriteBytes(path, "[money]\nnum=1\n"));
    // Saving next to the program never creates the user's folder on the way.
    QCOMPARE(QFileInfo::exists(userFolder()), toUser || userFolderExists);
}

void SettingsLocationTest::savedCopyIsReadBack()
{
    const QString name = QStringLiteral("setjs.rar");
    PlaceFile(programFolder() + name, "[vrk]\nlihun=preset\n");
    const SettingsFolders installed = folders(false);
    QCOMPARE(SettingsPathForReading(installed, name), programFolder() + name);

    QVERIFY(WriteBytes(SettingsPathForWriting(installed, name), "[vrk]\nlihun=mine\n"));
    QCOMPARE(ReadBytes(SettingsPathForReading(installed, name)), QByteArray("[vrk]\nlihun=mine\n"));
    QCOMPARE(ReadBytes(programFolder() + name), QByteArray("[vrk]\nlihun=preset\n"));
}

void SettingsLocationTest::unusableUserFolderGivesAPathThatFailsToWrite()
{
    const QString blocker = m_root->filePath(QStringLiteral("config"));
    PlaceFile(blocker, "a file where the settings folder's parent should be");
    const QString path = SettingsPathForWriting(folders(false), QStringLiteral("set.rar"));
    QCOMPARE(path, userFolder() + QStringLiteral("set.rar"));
    QVERIFY(!WriteBytes(path, "[money]\nnum=1\n"));
}

void SettingsLocationTest::probe_data()
{
    QTest::addColumn<QString>("relativeFolder");
    QTest::addColumn<bool>("expected");
    QTest::newRow("an ordinary folder") << "program" << true;
    QTest::newRow("an ordinary folder, no final separator") << "program/" << true;
    QTest::newRow("a folder that does not exist") << "missing" << false;
    // Holds for root too: nothing can be created below a regular file.
    QTest::newRow("a path below a regular file") << "plain-file/folder" << false;
}

void SettingsLocationTest::probe()
{
    QFETCH(QString, relativeFolder);
    QFETCH(bool, expected);
    PlaceFile(m_root->filePath(QStringLiteral("plain-file")), "not a folder");
    const QString folder = m_root->filePath(relativeFolder);
    QCOMPARE(CanCreateFilesIn(folder), expected);
    QCOMPARE(FindSettingsFolders(folder, userFolder()).programFolderWritable, expected);
}

void SettingsLocationTest::probeLeavesNothingBehind()
{
    QVERIFY(CanCreateFilesIn(programFolder()));
    QCOMPARE(QDir(programFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

// Where each platform keeps a user's settings: Linux's configuration folder,
// Windows's roaming %APPDATA% (not Qt's configuration folder there, the
// local %LOCALAPPDATA%), which the uninstaller leaves alone.
void SettingsLocationTest::userFolderIsThePlatformsOwn()
{
    QCoreApplication::setApplicationName(QStringLiteral("Pellumo"));
#ifdef Q_OS_WIN
    const QString base = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
    QVERIFY(!base.isEmpty());
#else
    const QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", savedConfigHome); });
    const QString base = m_root->filePath(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(base));
#endif
    QCOMPARE(UserSettingsFolder(), base + QStringLiteral("/Pellumo"));
}

QTEST_GUILESS_MAIN(SettingsLocationTest)
#include "tst_settings_location.moc"
