#include "app/services/settings_files.h"
#include "tests/test_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace pellumo;
using namespace pellumo::testing;

// The service as the window builds it: from the program's folder alone, with
// the user's folder found by Qt under XDG_CONFIG_HOME (a temporary folder
// here) for the application name Pellumo. Windows names that folder from
// the system, not from a variable: there Qt's test mode puts it under
// %APPDATA%\qttest, which no program uses, emptied before each test. Root may write any existing
// folder, so the program folder that cannot be written is one that does not
// exist when the service is built; placing it afterwards shows that the
// decision is taken once.
class SettingsFilesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void paths_data();
    void paths();
    void userFolderIsCreatedOnlyWhenWritingThere_data();
    void userFolderIsCreatedOnlyWhenWritingThere();
    void unwritableFolderFoundAtStartStaysTheDecision();
    void writableFolderKeepsEverySavedFileBesideTheProgram();

private:
    QString programFolder() const { return m_root->filePath(QStringLiteral("program")) + QLatin1Char('/'); }
#ifdef Q_OS_WIN
    QString userFolder() const
    {
        return QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")) + QStringLiteral("/qttest/Pellumo/");
    }
#else
    QString userFolder() const { return m_root->filePath(QStringLiteral("config/Pellumo")) + QLatin1Char('/'); }
#endif

    std::unique_ptr<QTemporaryDir> m_root;
    QByteArray m_savedConfigHome;
};

void SettingsFilesTest::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Pellumo"));
    m_savedConfigHome = qgetenv("XDG_CONFIG_HOME");
#ifdef Q_OS_WIN
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(!qEnvironmentVariableIsEmpty("APPDATA"));
#endif
}

void SettingsFilesTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_root->filePath(QStringLiteral("config"))));
#ifdef Q_OS_WIN
    QVERIFY(QDir(userFolder()).removeRecursively());
#endif
}

void SettingsFilesTest::cleanupTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_savedConfigHome);
}

void SettingsFilesTest::paths_data()
{
    QTest::addColumn<bool>("programFolderExists");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("writtenTo");
    QTest::newRow("own folder: base amounts") << true << "setjs.rar" << "program";
    QTest::newRow("own folder: rate table") << true << "set.rar" << "program";
    QTest::newRow("own folder: rate history") << true << "history.tsv" << "program";
    QTest::newRow("own folder: calendar") << true << "calendar.tsv" << "program";
    QTest::newRow("unwritable folder: base amounts") << false << "setjs.rar" << "user";
    QTest::newRow("unwritable folder: rate table") << false << "set.rar" << "user";
    QTest::newRow("unwritable folder: rate history") << false << "history.tsv" << "user";
    QTest::newRow("unwritable folder: calendar") << false << "calendar.tsv" << "user";
}

void SettingsFilesTest::paths()
{
    QFETCH(bool, programFolderExists);
    QFETCH(QString, fileName);
    QFETCH(QString, writtenTo);
    if (programFolderExists)
        QVERIFY(QDir().mkpath(programFolder()));
    const SettingsFiles files(programFolder());
    QCOMPARE(files.folders().programFolderWritable, programFolderExists);
    QCOMPARE(files.folders().userFolder, userFolder());

    // Nothing saved yet: the file beside the program is the one to read.
    QCOMPARE(files.pathForReading(fileName), programFolder() + fileName);
    const QString written = files.pathForWriting(fileName);
    QCOMPARE(written, (writtenTo == QLatin1String("user") ? userFolder() : programFolder()) + fileName);
    QVERIFY(WriteBytes(written, "saved"));
    QCOMPARE(files.pathForReading(fileName), written);
}

void SettingsFilesTest::userFolderIsCreatedOnlyWhenWritingThere_data()
{
    QTest::addColumn<bool>("programFolderExists");
    QTest::addColumn<bool>("expected");
    QTest::newRow("own folder") << true << false;
    QTest::newRow("unwritable folder") << false << true;
}

void SettingsFilesTest::userFolderIsCreatedOnlyWhenWritingThere()
{
    QFETCH(bool, programFolderExists);
    QFETCH(bool, expected);
    if (programFolderExists)
        QVERIFY(QDir().mkpath(programFolder()));
    const SettingsFiles files(programFolder());
    files.pathForReading(QStringLiteral("set.rar"));
    QVERIFY(!QFileInfo::exists(userFolder()));
    files.pathForWriting(QStringLiteral("set.rar"));
    QCOMPARE(QFileInfo(userFolder()).isDir(), expected);
}

// An installed program whose folder later holds a court's preset: the preset
// is read until the user saves, then the user's copy, and the preset and the
// program folder stay as they were.
void SettingsFilesTest::unwritableFolderFoundAtStartStaysTheDecision()
{
    const SettingsFiles files(programFolder());
    QVERIFY(!files.folders().programFolderWritable);
    const QString name = QStringLiteral("setjs.rar");
    QVERIFY(QDir().mkpath(programFolder()));
    PlaceFile(programFolder() + name, "[vrk]\nlihun=preset\n");
    QCOMPARE(ReadBytes(files.pathForReading(name)), QByteArray("[vrk]\nlihun=preset\n"));

    QCOMPARE(files.pathForWriting(name), userFolder() + name);
    QVERIFY(WriteBytes(files.pathForWriting(name), "[vrk]\nlihun=mine\n"));
    QCOMPARE(ReadBytes(files.pathForReading(name)), QByteArray("[vrk]\nlihun=mine\n"));
    QCOMPARE(ReadBytes(programFolder() + name), QByteArray("[vrk]\nlihun=preset\n"));
    QCOMPARE(QDir(programFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{name});
}

// A copy run from its own folder ignores what an installed run saved for the
// same user.
void SettingsFilesTest::writableFolderKeepsEverySavedFileBesideTheProgram()
{
    QVERIFY(QDir().mkpath(programFolder()));
    QVERIFY(QDir().mkpath(userFolder()));
    const QString name = QStringLiteral("set.rar");
    PlaceFile(userFolder() + name, "[money]\nnum=9\n");
    PlaceFile(programFolder() + name, "[money]\nnum=1\n");
    const SettingsFiles files(programFolder());
    QCOMPARE(files.pathForReading(name), programFolder() + name);
    QCOMPARE(files.pathForWriting(name), programFolder() + name);
    // The probe leaves nothing behind in the program's folder.
    QCOMPARE(QDir(programFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{name});
}

QTEST_GUILESS_MAIN(SettingsFilesTest)
#include "tst_settings_files.moc"
