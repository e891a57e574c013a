// setbz.rar read whole or not at all, divorce and personality rights shared
// with setjs.rar, and saving both files or neither.

#include "fees/base_amounts.h"
#include "fees/fee_schedule.h"
#include "fees/local_standards.h"
#include "tests/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

// Every amount of setbz.rar away from its lower bound.
const QByteArray FullFile = "[bz]\r\nqita=80\r\nzscq=800\r\nguanxia=60\r\nzhixing=300\r\nxianze=8000\r\n"
                            "qiangzhi=2000\r\ncuigao=3000\r\n";

// The amounts in AllLocalStandardFields order: "50 100 50 500 …".
QString Amounts(const LocalStandards &local)
{
    QStringList amounts;
    for (const LocalStandardField field : AllLocalStandardFields())
        amounts << QString::fromStdString(LocalStandardAmount(local, field).exact().get_str());
    return amounts.join(QLatin1Char(' '));
}

} // namespace

class LocalStandardsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void damagedFileGivesTheLowerBounds_data();
    void damagedFileGivesTheLowerBounds();
    void writeReadsBack();
    void failedSecondFileRestoresTheFirst();

private:
    QTemporaryDir m_dir;
    QString m_standards;
    QString m_base;
};

void LocalStandardsTest::init()
{
    QVERIFY(m_dir.isValid());
    m_standards = PlaceFile(m_dir.filePath(QStringLiteral("setbz.rar")), QByteArray());
    m_base = PlaceFile(m_dir.filePath(QStringLiteral("setjs.rar")), QByteArray());
}

// Each row spoils one thing of a full file: none of its amounts may be used.
void LocalStandardsTest::damagedFileGivesTheLowerBounds_data()
{
    QTest::addColumn<QByteArray>("content");
    const auto spoiled = [](const char *from, const char *to) { return QByteArray(FullFile).replace(from, to); };
    QTest::newRow("a key missing") << spoiled("cuigao=3000\r\n", "");
    QTest::newRow("not a whole number of yuan") << spoiled("guanxia=60", "guanxia=60.5");
    QTest::newRow("a word for a number") << spoiled("cuigao=3000", "cuigao=abc");
    QTest::newRow("outside the range") << spoiled("qiangzhi=2000", "qiangzhi=5001");
    QTest::newRow("another section") << spoiled("[bz]", "[vrk]");
    QTest::newRow("cut off, the disk full") << FullFile.left(FullFile.indexOf("qiangzhi=") + 10);
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[bz\x00]\nqita=\x81\x30", 16);
    QTest::newRow("two megabytes") << FullFile + QByteArray(2 * 1024 * 1024, ';');
}

void LocalStandardsTest::damagedFileGivesTheLowerBounds()
{
    QFETCH(QByteArray, content);
    PlaceFile(m_standards, content);
    PlaceFile(m_base, "[vrk]\nlihun=70\n");
    QVERIFY(!ReadLocalStandardsFile(m_standards));
    // The lower bounds, but divorce 70 from setjs.rar, which is not damaged.
    QCOMPARE(Amounts(ReadLocalStandards(m_standards, m_base)), QStringLiteral("70 100 50 500 50 50 1000 1000 1000"));
    QCOMPARE(ReadBytes(m_standards), content);
}

void LocalStandardsTest::writeReadsBack()
{
    PlaceFile(m_base, "; the court's note\r\n[money]\r\nx=1\r\n[vrk]\r\nlihun=60\r\n");
    PlaceFile(m_standards, "; preset of the court\r\n[bz]\r\nqita=100\r\n");
    LocalStandards local;
    for (const LocalStandardField field : AllLocalStandardFields())
        SetLocalStandardAmount(local, field, LocalStandardRange(field).highest);
    QVERIFY(WriteLocalStandards(m_standards, m_base, local));
    QCOMPARE(Amounts(ReadLocalStandards(m_standards, m_base)), Amounts(local));
    // Divorce and personality rights are the base amounts of setjs.rar; every
    // other byte of both files stays.
    QCOMPARE(ReadBaseAmounts(m_base).personalityRights, 500);
    QVERIFY(ReadBytes(m_base).startsWith("; the court's note\r\n[money]\r\nx=1\r\n[vrk]\r\nlihun=300\r\n"));
    QCOMPARE(ReadBytes(m_standards), QByteArray("; preset of the court\r\n[bz]\r\nqita=100\r\nzscq=1000\r\nguanxia=100\r\n"
                                                "zhixing=500\r\nxianze=10000\r\nqiangzhi=5000\r\ncuigao=5000\r\n"));
}

// A refused amount writes neither file. setjs.rar cannot be written (a folder
// stands in its place): setbz.rar is put back as it was, or not left behind.
void LocalStandardsTest::failedSecondFileRestoresTheFirst()
{
    LocalStandards refused;
    refused.maritimeLimitationFund = 10001;
    QVERIFY(!WriteLocalStandards(m_standards, m_base, refused));
    refused.maritimeLimitationFund = 1000;
    refused.divorce = Money::fraction(101, 2);  // 50.5: setjs.rar keeps whole yuan
    QVERIFY(!WriteLocalStandards(m_standards, m_base, refused));
    QVERIFY(!QFile::exists(m_standards) && !QFile::exists(m_base));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("setjs.rar")));
    LocalStandards local;
    local.otherNonProperty = 90;
    QVERIFY(!WriteLocalStandards(m_standards, m_base, local));
    QVERIFY(!QFile::exists(m_standards));

    PlaceFile(m_standards, FullFile);
    QVERIFY(!WriteLocalStandards(m_standards, m_base, local));
    QCOMPARE(ReadBytes(m_standards), FullFile);
    QVERIFY(QDir(m_dir.path()).rmdir(QStringLiteral("setjs.rar")));
}

QTEST_GUILESS_MAIN(LocalStandardsTest)
#include "tst_local_standards.moc"
