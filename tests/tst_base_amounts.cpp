#include "fees/base_amounts.h"
#include "tests/test_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#ifndef Q_OS_WIN
#include <unistd.h>
#endif

using namespace pellumo;
using namespace pellumo::testing;

class BaseAmountsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); m_path = m_dir.filePath(QStringLiteral("setjs.rar")); QFile::remove(m_path); }
    void reads_data();
    void reads();
    void missingFileGivesDefaults();
    void writeCreatesTheFile();
    void writeKeepsEveryOtherByte();
    void failedWriteKeepsTheOldFile();
    void caption();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void BaseAmountsTest::reads_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("divorce");
    QTest::addColumn<int>("personality");
    QTest::newRow("stored values") << QByteArray("[vrk]\r\nlihun=60\r\nrenge=200\r\n") << 60 << 200;
    QTest::newRow("edited by hand beyond the range") << QByteArray("[vrk]\nlihun=1000\n") << 1000 << 100;
    QTest::newRow("one value not an integer") << QByteArray("[vrk]\nlihun=70\nrenge=abc\n") << 70 << 100;
    QTest::newRow("decimal is no integer") << QByteArray("[vrk]\nlihun=60.5\n") << 50 << 100;
    QTest::newRow("40 digits") << QByteArray("[vrk]\nlihun=") + QByteArray(40, '9') + "\n" << 50 << 100;
    QTest::newRow("names in other case") << QByteArray("[VRK]\nLiHun = 80 \n") << 80 << 100;
    QTest::newRow("other section only") << QByteArray("[money]\nlihun=80\n") << 50 << 100;
    QTest::newRow("signed value") << QByteArray("[vrk]\nrenge=+120\n") << 50 << 120;
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[vrk\x00]\nlihun=\x81\x30", 16) << 50 << 100;
    QTest::newRow("invalid GBK around the key") << QByteArray("\x81\x81\x81\n[vrk]\nrenge=300\n\xff\xff") << 50 << 300;
    QTest::newRow("ten megabytes") << QByteArray(10 * 1024 * 1024, 'x') << 50 << 100;
}

void BaseAmountsTest::reads()
{
    QFETCH(QByteArray, content);
    QFETCH(int, divorce);
    QFETCH(int, personality);
    QVERIFY(WriteBytes(m_path, content));
    const BaseAmounts amounts = ReadBaseAmounts(m_path);
    QCOMPARE(amounts.divorce, divorce);
    QCOMPARE(amounts.personalityRights, personality);
}

void BaseAmountsTest::missingFileGivesDefaults()
{
    const BaseAmounts amounts = ReadBaseAmounts(m_path);
    QCOMPARE(amounts.divorce, 50);
    QCOMPARE(amounts.personalityRights, 100);
}

void BaseAmountsTest::writeCreatesTheFile()
{
    QVERIFY(WriteBaseAmounts(m_path, 60, 200));
    QCOMPARE(ReadBytes(m_path), QByteArray("[vrk]\r\nlihun=60\r\nrenge=200\r\n"));
    QVERIFY(WriteBaseAmounts(m_path, 300, 500));
    QCOMPARE(ReadBytes(m_path), QByteArray("[vrk]\r\nlihun=300\r\nrenge=500\r\n"));
}

void BaseAmountsTest::writeKeepsEveryOtherByte()
{
    const QByteArray before = Gbk(QStringLiteral("; 起算基数，请勿手改\n[money]\na=4.35\nbz=2015年10月24日\n\n[vrk]\n"
                                                 "; 离婚案件\nLIHUN = 55\nnote=人格权\n\n[other]\nrenge=1\n"));
    const QByteArray after = Gbk(QStringLiteral("; 起算基数，请勿手改\n[money]\na=4.35\nbz=2015年10月24日\n\n[vrk]\n"
                                                "; 离婚案件\nlihun=60\nnote=人格权\nrenge=200\n\n[other]\nrenge=1\n"));
    QVERIFY(WriteBytes(m_path, before));
    QVERIFY(WriteBaseAmounts(m_path, 60, 200));
    QCOMPARE(ReadBytes(m_path), after);
    const BaseAmounts amounts = ReadBaseAmounts(m_path);
    QCOMPARE(amounts.divorce, 60);
    QCOMPARE(amounts.personalityRights, 200);
}

void BaseAmountsTest::failedWriteKeepsTheOldFile()
{
    // A folder that is not there stands for any folder that cannot be written
    // (the file-system cases are in tst_ini_file).
    QVERIFY(!WriteBaseAmounts(m_dir.filePath(QStringLiteral("missing/setjs.rar")), 60, 200));
    QVERIFY(WriteBytes(m_path, "[vrk]\nlihun=70\n"));
#ifdef Q_OS_WIN
    QSKIP("a Windows folder cannot be made read-only by its attributes; the missing folder above fails the write");
#else
    QFile::setPermissions(m_path, QFileDevice::ReadOwner);
    QVERIFY(QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool written = WriteBaseAmounts(m_path, 60, 200);
    QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (::geteuid() == 0)
        QSKIP("root writes into read-only folders; the size-limit case in tst_ini_file covers a failing write");
    QVERIFY(!written);
    QCOMPARE(ReadBytes(m_path), QByteArray("[vrk]\nlihun=70\n"));
#endif
}

void BaseAmountsTest::caption()
{
    QCOMPARE(BaseAmountCaption(QStringLiteral("50"), QStringLiteral("100")), QStringLiteral("离婚50元 人格权100元"));
    QCOMPARE(BaseAmountCaption(QStringLiteral(" 60"), QStringLiteral("200")), QStringLiteral("离婚 60元 人格权200元"));
}

QTEST_GUILESS_MAIN(BaseAmountsTest)
#include "tst_base_amounts.moc"
