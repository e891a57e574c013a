// Installs the built program into a temporary folder (DESTDIR) and checks
// what lands where: the program and its banner module in their private
// folder, the command on the PATH, the menu entry, the icons, the AppStream
// description and the documents; the two desktop validators pass on them,
// the installed program starts and prints nothing, without loading its
// browser module while the banner host resolves nowhere, and a user who
// cannot write its folder saves settings in their own folder.

#include "fees/base_amounts.h"
#include "tests/test_files.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

using namespace pellumo::testing;

namespace {

const QString Prefix = QStringLiteral("/usr");
const QString ProgramDir = QStringLiteral(INSTALL_PROGRAM_DIR);
const QString DataDir = QStringLiteral(INSTALL_DATADIR);
const QString DocDir = QStringLiteral(INSTALL_DOCDIR);
const QString DesktopEntry = DataDir + QStringLiteral("/applications/example.pellumo.pellumo.desktop");
const QString Metainfo = DataDir + QStringLiteral("/metainfo/example.pellumo.pellumo.metainfo.xml");

constexpr QFile::Permissions ReadableFile = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
constexpr QFile::Permissions ReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                              | QFile::ReadOther | QFile::ExeOther;
constexpr QFile::Permissions OpenFolder = ReadOnlyFolder | QFile::WriteOwner;

// Every entry below folder (hidden ones too) with a digest of its bytes.
QMap<QString, QByteArray> FolderContents(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        QFile file(path);
        QCryptographicHash digest(QCryptographicHash::Sha256);
        if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
            digest.addData(&file);
        contents.insert(QDir(folder).relativeFilePath(path), digest.result().toHex());
    }
    return contents;
}

// Lets other users reach and read the installed tree, as a package's files
// are: the temporary folder is the owner's alone (0700).
bool OpenToEveryone(const QString &root)
{
    bool ok = QFile::setPermissions(root, OpenFolder);
    QDirIterator entries(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        if (entry.isSymLink())
            continue;
        const QFile::Permissions own = entry.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        const QFile::Permissions readable = entry.isDir() ? OpenFolder : own | QFile::ReadGroup | QFile::ReadOther;
        ok = QFile::setPermissions(entry.filePath(), readable) && ok;
    }
    return ok;
}

// The width and height of a PNG, from its IHDR chunk; 0 x 0 when it is none.
QSize PngSize(const QByteArray &bytes)
{
    if (bytes.size() < 24 || !bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.mid(12, 4) != "IHDR")
        return {};
    return QSize(qFromBigEndian<quint32>(bytes.constData() + 16), qFromBigEndian<quint32>(bytes.constData() + 20));
}

// The value of key in the desktop entry's main group.
QString DesktopValue(const QByteArray &entry, const QByteArray &key)
{
    for (const QByteArray &line : entry.split('\n')) {
        if (line.startsWith(key + '='))
            return QString::fromUtf8(line.mid(key.size() + 1));
    }
    return {};
}

} // namespace

class InstallationTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void files_data();
    void files();
    void commandIsALinkToTheProgram();
    void icons_data();
    void icons();
    void menuEntryNamesTheInstalledCommandAndIcon();
    void desktopEntryValidates();
    void metainfoValidates();
    void installedProgramStartsQuietlyWithoutItsBrowser();
    void installedProgramSavesBaseAmountsThroughItsDialog_data();
    void installedProgramSavesBaseAmountsThroughItsDialog();

private:
    QString installed(const QString &relative) const { return m_root + Prefix + QLatin1Char('/') + relative; }
    QProcessEnvironment programEnvironment(const QTemporaryDir &home) const;
    QString runValidator(const QString &program, const QStringList &arguments);
    QStringList commandOfAUserWhoCannotWrite(const QString &program, const QTemporaryDir &home,
                                             QString &skipReason) const;

    QTemporaryDir m_destDir;
    QString m_root;
    QString m_driver;  // the preloaded driver, copied where any user can read it
};

void InstallationTest::initTestCase()
{
    QVERIFY(m_destDir.isValid());
    m_root = m_destDir.path();
    QProcess install;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), m_root);
    install.setProcessEnvironment(environment);
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(CMAKE_COMMAND_PATH),
                  {QStringLiteral("--install"), QStringLiteral(PELLUMO_BINARY_DIR), QStringLiteral("--prefix"), Prefix});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    m_driver = m_root + QStringLiteral("/installed_program_driver.so");
    QVERIFY(QFile::copy(QStringLiteral(PROGRAM_DRIVER), m_driver));
    QVERIFY(OpenToEveryone(m_root));
}

void InstallationTest::files_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("sameAsSource");  // a file of the source tree it must equal, or empty
    QTest::newRow("program in its private folder") << ProgramDir + QLatin1String("/pellumo") << "";
    QTest::newRow("banner module beside the program") << ProgramDir + QLatin1String("/libpellumo_banner.so") << "";
    QTest::newRow("menu entry") << DesktopEntry << "packaging/example.pellumo.pellumo.desktop";
    QTest::newRow("AppStream description") << Metainfo << "";
    QTest::newRow("scalable icon") << DataDir + QLatin1String("/icons/hicolor/scalable/apps/pellumo.svg") << "packaging/icons/pellumo.svg";
    QTest::newRow("update server's version file") << DocDir + QLatin1String("/update-server/vrk/tdqup.rar") << "update-server/vrk/tdqup.rar";
    QTest::newRow("update server's rate table") << DocDir + QLatin1String("/update-server/vrk/rate.rar") << "update-server/vrk/rate.rar";
    QTest::newRow("README") << DocDir + QLatin1String("/README.md") << "README.md";
    QTest::newRow("copyright") << DocDir + QLatin1String("/copyright") << "packaging/copyright";
    QTest::newRow("change log") << DocDir + QLatin1String("/changelog.gz") << "";
    QTest::newRow("manual page") << QStringLiteral(INSTALL_MANDIR "/man1/pellumo.1.gz") << "";
}

void InstallationTest::files()
{
    QFETCH(QString, path);
    QFETCH(QString, sameAsSource);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(path));
    QVERIFY(file.size() > 0);
    if (!sameAsSource.isEmpty())
        QCOMPARE(ReadBytes(file.filePath()), ReadBytes(QStringLiteral(PELLUMO_SOURCE_DIR "/") + sameAsSource));
}

void InstallationTest::commandIsALinkToTheProgram()
{
    const QFileInfo command(installed(QStringLiteral(INSTALL_BINDIR "/pellumo")));
    QVERIFY(command.isSymLink());
    // Relative, so that it holds wherever the tree is unpacked.
    char target[4096] = {};
    QVERIFY(readlink(QFile::encodeName(command.filePath()).constData(), target, sizeof target - 1) > 0);
    QVERIFY2(target[0] != '/', target);
    QCOMPARE(command.canonicalFilePath(), QFileInfo(installed(ProgramDir + QStringLiteral("/pellumo"))).canonicalFilePath());
    QVERIFY(command.isExecutable());
}

void InstallationTest::icons_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void InstallationTest::icons()
{
    QFETCH(int, size);
    const QString path = installed(DataDir + QStringLiteral("/icons/hicolor/%1x%1/apps/pellumo.png").arg(size));
    QCOMPARE(PngSize(ReadBytes(path)), QSize(size, size));
}

void InstallationTest::menuEntryNamesTheInstalledCommandAndIcon()
{
    const QByteArray entry = ReadBytes(installed(DesktopEntry));
    const QString command = DesktopValue(entry, "Exec").section(QLatin1Char(' '), 0, 0);
    QVERIFY(QFileInfo(installed(QStringLiteral(INSTALL_BINDIR "/") + command)).isExecutable());
    const QString icon = DesktopValue(entry, "Icon");
    QVERIFY(QFileInfo::exists(installed(DataDir + QStringLiteral("/icons/hicolor/scalable/apps/") + icon + QLatin1String(".svg"))));
    QCOMPARE(DesktopValue(entry, "Name[zh_CN]"), QStringLiteral("诉讼费用计算器"));
}

QString InstallationTest::runValidator(const QString &program, const QStringList &arguments)
{
    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(program, arguments);
    if (!validator.waitForFinished(60000) || validator.exitStatus() != QProcess::NormalExit)
        return QStringLiteral("%1 did not finish").arg(program);
    const QString output = QString::fromUtf8(validator.readAll());
    return validator.exitCode() == 0 ? QString() : output + QStringLiteral("\nexit code %1").arg(validator.exitCode());
}

void InstallationTest::desktopEntryValidates()
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate not found: install the Debian package desktop-file-utils");
    const QString failure = runValidator(validator, {installed(DesktopEntry)});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void InstallationTest::metainfoValidates()
{
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        QSKIP("appstreamcli not found: install the Debian package appstream");
    // The whole installed tree: the description itself, and the menu entry
    // and icon it points to.
    const QString failure = runValidator(validator, {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), m_root + Prefix});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

// A user of their own (HOME), the offscreen display CTest sets, and Qt's
// logging as the program sets it.
QProcessEnvironment InstallationTest::programEnvironment(const QTemporaryDir &home) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());  // a session has one (mode 0700)
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    return environment;
}

void InstallationTest::installedProgramStartsQuietlyWithoutItsBrowser()
{
    // On an X display, as from a terminal: offscreen, Qt WebEngine finds no
    // OpenGL and says so.
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfbRun.isEmpty())
        QSKIP("xvfb-run not found: install the Debian packages xvfb and xauth");
    QTemporaryDir home;
    QProcessEnvironment environment = programEnvironment(home);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    // exec: the program replaces the shell, so that its process id is known.
    program.start(xvfbRun, {QStringLiteral("-a"), QStringLiteral("sh"), QStringLiteral("-c"),
                            QStringLiteral("echo $$ > \"$0\"; exec \"$1\""), home.filePath(QStringLiteral("pid")),
                            installed(QStringLiteral(INSTALL_BINDIR "/pellumo"))});
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(!ReadBytes(home.filePath(QStringLiteral("pid"))).trimmed().isEmpty(), 30000);
    const QString pid = QString::fromLatin1(ReadBytes(home.filePath(QStringLiteral("pid"))).trimmed());
    // The default banner host is a reserved name that resolves nowhere: once
    // its look-up after the first paint has failed, the picture shows and
    // the browser module (with Qt WebEngine) stays unloaded.
    const QString module = QFileInfo(installed(ProgramDir + QStringLiteral("/libpellumo_banner.so"))).canonicalFilePath();
    const QString maps = QStringLiteral("/proc/%1/maps").arg(pid);
    QTRY_VERIFY_WITH_TIMEOUT(QString::fromUtf8(ReadBytes(maps)).contains(QStringLiteral("pellumo")), 30000);
    QTest::qWait(5000);  // let the look-up fail and a browser start, were it to
    QVERIFY2(!QString::fromUtf8(ReadBytes(maps)).contains(module), "the browser module was loaded");
    QCOMPARE(program.state(), QProcess::Running);
    QCOMPARE(::kill(pid.toInt(), SIGTERM), 0);  // xvfb-run then ends with it
    QVERIFY(program.waitForFinished(30000));
    // Without the browser nothing at all is printed (the two warnings Qt
    // WebEngine gives when it loads after the application object exists do
    // not arise); only xvfb-run's shell says how the program ended.
    QStringList unexpected;
    const QString ourKill = QStringLiteral("Terminated");
    for (const QString &line : QString::fromUtf8(program.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line != ourKill)
            unexpected << line;
    }
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char('\n'))));
}

// The command that runs the installed program as a user who cannot write
// its folder, or an empty list (with the reason in skipReason) when this
// machine cannot. Root writes any folder whatever its mode, so root runs it
// as nobody in a home of nobody's own; anyone else makes the folder 0555
// (given back by the caller).
QStringList InstallationTest::commandOfAUserWhoCannotWrite(const QString &program, const QTemporaryDir &home,
                                                            QString &skipReason) const
{
    if (::geteuid() != 0)
        return QFile::setPermissions(installed(ProgramDir), ReadOnlyFolder) ? QStringList{program} : QStringList{};
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    const passwd *nobody = ::getpwnam("nobody");
    const group *nogroup = ::getgrnam("nogroup");
    if (setpriv.isEmpty() || !nobody || !nogroup) {
        skipReason = QStringLiteral("running as root needs setpriv (Debian package util-linux) and the user "
                                    "nobody with the group nogroup, to run the program as another user");
        return {};
    }
    if (::chown(QFile::encodeName(home.path()).constData(), nobody->pw_uid, nogroup->gr_gid) != 0)
        return {};
    return {setpriv, QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
            QStringLiteral("--clear-groups"), program};
}

void InstallationTest::installedProgramSavesBaseAmountsThroughItsDialog_data()
{
    QTest::addColumn<bool>("programFolderWritable");
    QTest::newRow("read-only program folder: saved in the user's folder") << false;
    QTest::newRow("writable program folder: saved beside the program") << true;
}

// The installed program driven through its dialog by the preloaded driver
// (tests/installed_program_driver.cpp), as a user would. Where the program
// folder is read-only, which also holds a court's preset, the amounts land
// in HOME/.config/Pellumo/ and the program folder keeps every file and byte.
void InstallationTest::installedProgramSavesBaseAmountsThroughItsDialog()
{
    QFETCH(bool, programFolderWritable);
    const QString programFolder = installed(ProgramDir);
    const QString preset = programFolder + QStringLiteral("/setjs.rar");
    const QString userCopy = QStringLiteral("/.config/Pellumo/setjs.rar");
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString report = home.filePath(QStringLiteral("driver-report"));
    QProcessEnvironment environment = programEnvironment(home);
    environment.insert(QStringLiteral("LD_PRELOAD"), m_driver);
    environment.insert(QStringLiteral("PELLUMO_DRIVER_AMOUNTS"), QStringLiteral("120,300"));
    environment.insert(QStringLiteral("PELLUMO_DRIVER_REPORT"), report);

    const QString program = installed(QStringLiteral(INSTALL_BINDIR "/pellumo"));
    QStringList command{program};
    if (!programFolderWritable) {
        PlaceFile(preset, "[vrk]\r\nlihun=50\r\nrenge=100\r\n");
        QVERIFY(QFile::setPermissions(preset, ReadableFile));
        QString skipReason;
        command = commandOfAUserWhoCannotWrite(program, home, skipReason);
        if (!skipReason.isEmpty())
            QSKIP(qPrintable(skipReason));
        QVERIFY2(!command.isEmpty(), "could not hand the program folder or the home to another user");
    }
    const auto giveBackFolder = qScopeGuard([&] {
        QFile::setPermissions(programFolder, OpenFolder);
        QFile::remove(preset);
    });
    const QMap<QString, QByteArray> before = FolderContents(programFolder);

    QProcess run;
    run.setProcessEnvironment(environment);
    run.setWorkingDirectory(home.path());
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(command.first(), command.mid(1));
    QVERIFY(run.waitForFinished(60000));
    QVERIFY2(ReadBytes(report) == "saved",
             qPrintable(QString::fromUtf8(ReadBytes(report) + "\n" + run.readAll())));

    const QString saved = programFolderWritable ? preset : home.path() + userCopy;
    const pellumo::BaseAmounts amounts = pellumo::ReadBaseAmounts(saved);
    QCOMPARE(amounts.divorce, 120);
    QCOMPARE(amounts.personalityRights, 300);
    if (programFolderWritable) {
        QVERIFY(!QFileInfo::exists(home.path() + userCopy));
    } else {
        QCOMPARE(FolderContents(programFolder), before);
        QCOMPARE(ReadBytes(preset), QByteArray("[vrk]\r\nlihun=50\r\nrenge=100\r\n"));
    }
}

QTEST_GUILESS_MAIN(InstallationTest)
#include "tst_installation.moc"

