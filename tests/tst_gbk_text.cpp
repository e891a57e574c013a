// GBK as the settings files hold it, through the platform's converter (Qt's
// codec on Linux, code page 936 on Windows): the expected bytes are GBK's
// own, so both builds are held to the same bytes and the same text.

#include "platform/gbk_text.h"
#include "platform/ini_file.h"
#include "tests/test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pellumo;
using namespace pellumo::testing;

class GbkTextTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }
    void codePage_data();
    void codePage();
    void unmappable_data();
    void unmappable();
    void damaged_data();
    void damaged();
    void settingsFilesRoundTrip_data();
    void settingsFilesRoundTrip();
    void shippedRateTableReads();

private:
    QTemporaryDir m_dir;
};

void GbkTextTest::codePage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ASCII and a rate table's date") << QStringLiteral("2015年10月24日")
                                          << QByteArray("2015\xc4\xea" "10\xd4\xc2" "24\xc8\xd5");
    QTest::newRow("full-width brackets of a document number")
        << QStringLiteral("〔2014〕8号（法释）")
        << QByteArray("\xa1\xb2" "2014\xa1\xb3" "8\xba\xc5\xa3\xa8\xb7\xa8\xca\xcd\xa3\xa9");
    QTest::newRow("trail bytes like ] and backslash") << QStringLiteral("乚乗") << QByteArray("\x81\x5d\x81\x5c");
    QTest::newRow("euro sign in one byte") << QStringLiteral("€") << QByteArray("\x80");
}

void GbkTextTest::codePage()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(EncodeGbk(text).value_or("<unmappable>"), bytes);
    QCOMPARE(DecodeGbk(bytes), text);
}

void GbkTextTest::unmappable_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("character beyond the BMP") << QStringLiteral("5元\U0001F600");
    QTest::newRow("won sign, no best-fit look-alike") << QStringLiteral("\u20a9");
    QTest::newRow("lone surrogate") << QString(QChar(0xd800));
}

// A write of such text fails (platform/ini_file.h) instead of storing "?".
void GbkTextTest::unmappable()
{
    QFETCH(QString, text);
    QVERIFY(!EncodeGbk(text));
    const QString path = m_dir.filePath(QStringLiteral("setjs.rar"));
    PlaceFile(path, "[vrk]\r\nlihun=50\r\n");
    QVERIFY(!WriteIniStrings(path, QStringLiteral("vrk"), {{QStringLiteral("lihun"), text}}));
    QCOMPARE(ReadBytes(path), QByteArray("[vrk]\r\nlihun=50\r\n"));
}

void GbkTextTest::damaged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString bad(QChar::ReplacementCharacter);
    QTest::newRow("lead byte before DEL") << QByteArray("\x81\x7f") << bad + QChar(0x7f);
    QTest::newRow("unfinished character at the end") << QByteArray("5\xd4") << QStringLiteral("5");
    QTest::newRow("damage between good characters")
        << QByteArray("\xd4\xaa\x81\x0a\xd4\xaa") << QStringLiteral("元") + bad + QStringLiteral("\n元");
}

void GbkTextTest::damaged()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeGbk(bytes), text);
}

void GbkTextTest::settingsFilesRoundTrip_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("local amounts under a court's own comments")
        << QStringLiteral("setbz.rar")
        << QByteArray("[bz]\r\n; \xc6\xe4\xcb\xfb\xb7\xc7\xb2\xc6\xb2\xfa\xb0\xb8\xbc\xfe\r\nqita=50\r\n")
        << QStringLiteral("bz") << QStringLiteral("qita") << QStringLiteral("80")
        << QByteArray("[bz]\r\n; \xc6\xe4\xcb\xfb\xb7\xc7\xb2\xc6\xb2\xfa\xb0\xb8\xbc\xfe\r\nqita=80\r\n");
    QTest::newRow("rate table's date in Chinese")
        << QStringLiteral("set.rar") << QByteArray("[money]\r\na=4.35\r\n") << QStringLiteral("money")
        << QStringLiteral("bz") << QStringLiteral("2015年10月24日")
        << QByteArray("[money]\r\na=4.35\r\nbz=2015\xc4\xea" "10\xd4\xc2" "24\xc8\xd5\r\n");
    QTest::newRow("base amounts in a Chinese section")
        << QStringLiteral("setjs.rar") << QByteArray("[vrk]\nlihun=50\n") << QStringLiteral("诉讼费用")
        << QStringLiteral("单位") << QStringLiteral("元")
        << QByteArray("[vrk]\nlihun=50\n[\xcb\xdf\xcb\xcf\xb7\xd1\xd3\xc3]\n\xb5\xa5\xce\xbb=\xd4\xaa\n");
}

void GbkTextTest::settingsFilesRoundTrip()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    const QString path = PlaceFile(m_dir.filePath(fileName), before);
    QVERIFY(WriteIniStrings(path, section, {{key, value}}));
    QCOMPARE(ReadBytes(path), after);
    QCOMPARE(ReadIniString(path, section, key, QString()), value);
}

// The rate table the update server ships reads the same on every platform.
void GbkTextTest::shippedRateTableReads()
{
    const QString path = QStringLiteral(PELLUMO_SOURCE_DIR "/update-server/vrk/rate.rar");
    QCOMPARE(ReadIniString(path, QStringLiteral("money"), QStringLiteral("bz"), QString()),
             QStringLiteral("2015年10月24日"));
    QCOMPARE(ReadIniString(path, QStringLiteral("money"), QStringLiteral("e"), QString()), QStringLiteral("4.9"));
}

QTEST_GUILESS_MAIN(GbkTextTest)
#include "tst_gbk_text.moc"
