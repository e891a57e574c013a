#include "platform/ini_file.h"
#include "tests/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace pellumo;
using namespace pellumo::testing;

class IniFileTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); m_path = m_dir.filePath(QStringLiteral("test.ini")); QFile::remove(m_path); }
    void read_data();
    void read();
    void readLongValue();
    void readsNoFolderOrDevice();
    void write_data();
    void write();
    void writeRefusesLineBreaks();
    void failingWriteKeepsTheOldFile();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void IniFileTest::read_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QString def = QStringLiteral("<default>");
    QTest::newRow("plain") << QByteArray("[money]\na=4.35\n") << "money" << "a" << "4.35";
    QTest::newRow("blanks around value") << QByteArray("[money]\na =   6.1  \n") << "money" << "a" << "6.1";
    QTest::newRow("windows line ends") << QByteArray("[money]\r\na=6.1\r\n") << "money" << "a" << "6.1";
    QTest::newRow("names in other case") << QByteArray("[MONEY]\nA=6\n") << "money" << "a" << "6";
    QTest::newRow("GBK value") << Gbk(QStringLiteral("[money]\nbz=2015年10月24日\n")) << "money" << "bz"
                               << QStringLiteral("2015年10月24日");
    QTest::newRow("empty value is no default") << QByteArray("[money]\nbz=\n") << "money" << "bz" << "";
    QTest::newRow("missing key") << QByteArray("[money]\nb=1\n") << "money" << "a" << def;
    QTest::newRow("key in another section") << QByteArray("[other]\na=1\n[money]\nb=2\n") << "money" << "a" << def;
    QTest::newRow("section ends at the next header") << QByteArray("[money]\n[x]\na=1\n") << "money" << "a" << def;
    QTest::newRow("first key wins") << QByteArray("[money]\na=1\na=2\n") << "money" << "a" << "1";
    QTest::newRow("first section wins") << QByteArray("[money]\na=1\n[money]\na=2\n") << "money" << "a" << "1";
    QTest::newRow("comment is no key") << QByteArray("[money]\n;a=1\n") << "money" << "a" << def;
    QTest::newRow("no line break at end") << QByteArray("[money]\na=7") << "money" << "a" << "7";
    QTest::newRow("value holding =") << QByteArray("[money]\na=b=c\n") << "money" << "a" << "b=c";
    QTest::newRow("trail byte like ] inside GBK section name") << Gbk(QStringLiteral("[设置]\na=1\n")) << QStringLiteral("设置")
                                                               << "a" << "1";
    QTest::newRow("GBK trail byte that looks like ]") << Gbk(QStringLiteral("[乚x]\na=2\n")) << QStringLiteral("乚x")
                                                      << "a" << "2";
    QTest::newRow("GBK trail bytes keep their case") << Gbk(QStringLiteral("[丄]\na=3\n")) << QStringLiteral("乤")
                                                     << "a" << def;
    QTest::newRow("binary garbage") << QByteArray("\x00\x01\xff[money\n\x00a=1", 14) << "money" << "a" << def;
    QTest::newRow("invalid GBK elsewhere") << QByteArray("\x81\xff\x80\n[money]\na=3\n") << "money" << "a" << "3";
    QTest::newRow("empty file") << QByteArray() << "money" << "a" << def;
    QTest::newRow("too large to be ours") << QByteArray("[money]\na=1\n") + QByteArray(MaxIniFileSize, ' ')
                                          << "money" << "a" << def;
}

void IniFileTest::read()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QVERIFY(WriteBytes(m_path, content));
    QCOMPARE(ReadIniString(m_path, section, key, QStringLiteral("<default>")), expected);
}

void IniFileTest::readLongValue()
{
    QVERIFY(WriteBytes(m_path, "[s]\nk=" + QByteArray(5000, '7') + "\n"));
    QCOMPARE(ReadIniString(m_path, QStringLiteral("s"), QStringLiteral("k"), QString()), QString(MaxValueLength, QLatin1Char('7')));
}

void IniFileTest::readsNoFolderOrDevice()
{
    QCOMPARE(ReadIniString(m_dir.path(), QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d")), QStringLiteral("d"));
    QCOMPARE(ReadIniString(QStringLiteral("/dev/zero"), QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("d")),
             QStringLiteral("d"));
    QCOMPARE(ReadIniString(m_dir.filePath(QStringLiteral("none.ini")), QStringLiteral("s"), QStringLiteral("k"),
                           QStringLiteral("d")),
             QStringLiteral("d"));
}

void IniFileTest::write_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("new file") << QByteArray() << QByteArray("[s]\r\nk=v\r\n");
    QTest::newRow("replace in place, keep case of others")
        << QByteArray("[S]\nother=1\nK = old\nlast=2\n") << QByteArray("[S]\nother=1\nk=v\nlast=2\n");
    QTest::newRow("add key after the section's last key")
        << QByteArray("[s]\na=1\n\n[t]\nk=9\n") << QByteArray("[s]\na=1\nk=v\n\n[t]\nk=9\n");
    QTest::newRow("add section at end without final line break")
        << QByteArray("[t]\nx=1") << QByteArray("[t]\nx=1\n[s]\nk=v\n");
    QTest::newRow("add key to a last line without line break")
        << QByteArray("[s]\r\na=1") << QByteArray("[s]\r\na=1\r\nk=v\r\n");
    QTest::newRow("header only") << QByteArray("[s]") << QByteArray("[s]\r\nk=v\r\n");
    QTest::newRow("GBK comments and invalid bytes survive")
        << Gbk(QStringLiteral("; 注释\n[s]\nk=旧\n")) + QByteArray("\xff\xfe\n")
        << Gbk(QStringLiteral("; 注释\n[s]\nk=v\n")) + QByteArray("\xff\xfe\n");
}

void IniFileTest::write()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    if (!before.isEmpty())
        QVERIFY(WriteBytes(m_path, before));
    QVERIFY(WriteIniStrings(m_path, QStringLiteral("s"), {{QStringLiteral("k"), QStringLiteral("v")}}));
    QCOMPARE(ReadBytes(m_path), after);
}

void IniFileTest::writeRefusesLineBreaks()
{
    QVERIFY(WriteBytes(m_path, "[s]\nk=1\n"));
    QVERIFY(!WriteIniStrings(m_path, QStringLiteral("s"), {{QStringLiteral("k"), QStringLiteral("2\n[x]")}}));
    QCOMPARE(ReadBytes(m_path), QByteArray("[s]\nk=1\n"));
}

void IniFileTest::failingWriteKeepsTheOldFile()
{
    // A file-size limit makes the write fail for any user, root included, the
    // way a full disk would.
    const QByteArray old = "[s]\nk=1\n";
    QVERIFY(WriteBytes(m_path, old));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteIniStrings(m_path, QStringLiteral("s"), {{QStringLiteral("k"), QStringLiteral("22222")}});
    setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY(!written);
    QCOMPARE(ReadBytes(m_path), old);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("test.ini")});  // no temporary left
}

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_ini_file.moc"
