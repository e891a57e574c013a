#include "platform/ini_file.h"
#include "tests/test_files.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

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
    void writeRefusesWhatWouldNotReadBack_data();
    void writeRefusesWhatWouldNotReadBack();
    void writeKeepsEveryKey_data();
    void writeKeepsEveryKey();
    void writePropertyOverGeneratedFiles_data();
    void writePropertyOverGeneratedFiles();
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
    QTest::newRow("bare CR ends a line") << QByteArray("[money]\rb=1\ra=2\r") << "money" << "a" << "2";
    QTest::newRow("bare CR ends a header") << QByteArray("[money]\ra=2") << "money" << "a" << "2";
    QTest::newRow("LF CR is two line ends") << QByteArray("[money]\n\ra=3\n\r") << "money" << "a" << "3";
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
    QTest::newRow("add key after a last line ending in a bare CR")
        << QByteArray("[s]\r\na=1\r") << QByteArray("[s]\r\na=1\rk=v\r\n");
    QTest::newRow("add section after a bare CR") << QByteArray("[t]\rx=1\r") << QByteArray("[t]\rx=1\r[s]\rk=v\r");
    QTest::newRow("a file of bare CRs gets bare CRs") << QByteArray("[s]\ra=1") << QByteArray("[s]\ra=1\rk=v\r");
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

void IniFileTest::writeRefusesWhatWouldNotReadBack_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const QString s = QStringLiteral("s");
    const QString k = QStringLiteral("k");
    QTest::newRow("blank before the value") << s << k << QStringLiteral(" 5");
    QTest::newRow("tab after the value") << s << k << QStringLiteral("5\t");
    QTest::newRow("value longer than a read returns") << s << k << QString(MaxValueLength + 1, QLatin1Char('7'));
    QTest::newRow("character GBK lacks") << s << k << QStringLiteral("\U0001F600");
    QTest::newRow("bare CR in the value") << s << k << QStringLiteral("1\r2");
    QTest::newRow("= in the key") << s << QStringLiteral("k=x") << QStringLiteral("1");
    QTest::newRow("key that reads as a header") << s << QStringLiteral("[k") << QStringLiteral("1");
    QTest::newRow("key that reads as a comment") << s << QStringLiteral(";k") << QStringLiteral("1");
    QTest::newRow("empty key") << s << QString() << QStringLiteral("1");
    QTest::newRow("blank around the key") << s << QStringLiteral(" k") << QStringLiteral("1");
    QTest::newRow("] in the section name") << QStringLiteral("s]x") << k << QStringLiteral("1");
    QTest::newRow("empty section name") << QString() << k << QStringLiteral("1");
}

// A write that could not be read back as written changes nothing and says so.
void IniFileTest::writeRefusesWhatWouldNotReadBack()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QByteArray old = "[s]\r\nk=1\r\n";
    QVERIFY(WriteBytes(m_path, old));
    QVERIFY(!WriteIniStrings(m_path, section, {{QStringLiteral("a"), QStringLiteral("2")}, {key, value}}));
    QCOMPARE(ReadBytes(m_path), old);
    QByteArray content = old;
    QVERIFY(!SetIniStrings(content, section, {{key, value}}));
    QCOMPARE(content, old);
}

void IniFileTest::writeKeepsEveryKey_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<IniValues>("written");
    QTest::addColumn<QStringList>("expected");  // section/key=value, read after the write

    QTest::newRow("base amounts saved after a last line ending in a bare CR")
        << QByteArray("[vrk]\r\nlihun=50\r") << QStringLiteral("vrk")
        << IniValues{{QStringLiteral("lihun"), QStringLiteral("60")}, {QStringLiteral("renge"), QStringLiteral("120")}}
        << QStringList{QStringLiteral("vrk/lihun=60"), QStringLiteral("vrk/renge=120")};
    QTest::newRow("key added after a bare CR keeps the key before it")
        << QByteArray("[money]\nb=1\r") << QStringLiteral("money")
        << IniValues{{QStringLiteral("a"), QStringLiteral("6.5")}}
        << QStringList{QStringLiteral("money/b=1"), QStringLiteral("money/a=6.5")};
    QTest::newRow("section added after a bare CR")
        << QByteArray("[money]\rb=1\r") << QStringLiteral("vrk") << IniValues{{QStringLiteral("lihun"), QStringLiteral("60")}}
        << QStringList{QStringLiteral("money/b=1"), QStringLiteral("vrk/lihun=60")};
}

void IniFileTest::writeKeepsEveryKey()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(IniValues, written);
    QFETCH(QStringList, expected);
    QVERIFY(WriteBytes(m_path, before));
    QVERIFY(WriteIniStrings(m_path, section, written));
    for (const QString &entry : expected) {
        const QString place = entry.section(QLatin1Char('='), 0, 0);
        QCOMPARE(ReadIniString(m_path, place.section(QLatin1Char('/'), 0, 0), place.section(QLatin1Char('/'), 1),
                               QStringLiteral("<none>")),
                 entry.section(QLatin1Char('='), 1));
    }
}

namespace {

// Random INI files as people and old tools leave them: sections and keys in
// any case, duplicates, comments, blank and junk lines, GBK text, and the
// line breaks of the row (mixed at random, the last one often missing).
class IniFileGenerator
{
public:
    IniFileGenerator(quint32 seed, QList<QByteArray> lineBreaks) : m_random(seed), m_lineBreaks(std::move(lineBreaks)) {}

    static QStringList sections() { return {QStringLiteral("s"), QStringLiteral("vrk"), QStringLiteral("money"), QStringLiteral("设置")}; }
    static QStringList keys() { return {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("lihun"), QStringLiteral("renge"), QStringLiteral("键")}; }

    QByteArray file()
    {
        QByteArray bytes;
        const int lines = pick(12);
        for (int i = 0; i < lines; ++i)
            bytes += line() + m_lineBreaks[pick(m_lineBreaks.size())];
        if (!bytes.isEmpty() && pick(2) == 0)
            bytes.chop(bytes.endsWith("\r\n") ? 2 : 1);
        return bytes;
    }

    QString section() { return sections()[pick(sections().size())]; }
    QString key() { return keys()[pick(keys().size())]; }

    // A value a write can hold: no blanks around it, no line break.
    QString value()
    {
        static const QString alphabet = QStringLiteral("0123456789.-=[];abcZ 年月日中文");
        QString text;
        const int length = pick(8);
        for (int i = 0; i < length; ++i)
            text += alphabet[pick(alphabet.size())];
        return text.trimmed();
    }

private:
    int pick(qsizetype count) { return int(m_random.bounded(quint32(count))); }

    QString anyCase(const QString &name) { return pick(3) == 0 ? name.toUpper() : name; }

    QByteArray line()
    {
        switch (pick(6)) {
        case 0:
            return Gbk(QStringLiteral("[") + anyCase(section()) + QStringLiteral("]"));
        case 1:
            return Gbk(QStringLiteral("; ") + value());
        case 2:
            return QByteArray(pick(3), ' ');
        case 3:
            return Gbk(value());  // no key when it holds no "="; else whatever it reads as
        default:
            return Gbk(anyCase(key()) + (pick(2) ? QStringLiteral(" = ") : QStringLiteral("=")) + value());
        }
    }

    QRandomGenerator m_random;
    QList<QByteArray> m_lineBreaks;
};

// What every section/key of the generator reads as in the file (read once,
// then looked up the way ReadIniString looks up each key).
QStringList ReadAll(const QString &path)
{
    const QByteArray content = ReadBytes(path);
    QStringList reads;
    for (const QString &section : IniFileGenerator::sections()) {
        for (const QString &key : IniFileGenerator::keys())
            reads += ReadIniStringFrom(content, section, key, QStringLiteral("<none>"));
    }
    return reads;
}

qsizetype IndexOf(const QString &section, const QString &key)
{
    return IniFileGenerator::sections().indexOf(section) * IniFileGenerator::keys().size()
         + IniFileGenerator::keys().indexOf(key);
}

} // namespace

void IniFileTest::writePropertyOverGeneratedFiles_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<QList<QByteArray>>("lineBreaks");
    QTest::newRow("LF") << 1u << QList<QByteArray>{"\n"};
    QTest::newRow("CRLF") << 2u << QList<QByteArray>{"\r\n"};
    QTest::newRow("bare CR") << 3u << QList<QByteArray>{"\r"};
    QTest::newRow("LF and bare CR mixed") << 4u << QList<QByteArray>{"\n", "\r"};
    QTest::newRow("all three mixed") << 5u << QList<QByteArray>{"\n", "\r\n", "\r"};
}

// Every write leaves each key written readable as written and every other
// key reading as before, whatever the file looked like.
void IniFileTest::writePropertyOverGeneratedFiles()
{
    QFETCH(quint32, seed);
    QFETCH(QList<QByteArray>, lineBreaks);
    IniFileGenerator generator(seed, lineBreaks);
    for (int round = 0; round < 100; ++round) {
        const QByteArray before = generator.file();
        QVERIFY(WriteBytes(m_path, before));
        QStringList expected = ReadAll(m_path);
        const QString section = generator.section();
        IniValues written;
        for (int i = 0, count = 1 + round % 3; i < count; ++i) {
            written.append({generator.key(), generator.value()});
            expected[IndexOf(section, written.last().first)] = written.last().second;
        }
        QVERIFY(WriteIniStrings(m_path, section, written));
        const QByteArray after = ReadBytes(m_path);
        QVERIFY2(ReadAll(m_path) == expected,
                 qPrintable(QStringLiteral("file %1 after writing [%2] became %3")
                                .arg(QString::fromLatin1(before.toPercentEncoding()), section,
                                     QString::fromLatin1(after.toPercentEncoding()))));
    }
}

void IniFileTest::failingWriteKeepsTheOldFile()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has no per-process file-size limit to stand in for a full disk");
#else
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
#endif
}

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_ini_file.moc"
