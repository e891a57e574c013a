// The local amounts of the ranged fees on disk: setbz.rar read whole or not
// at all, the divorce and personality-rights amounts shared with the
// base-amount setting of setjs.rar, and saving both files or neither.

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

bool SameAmounts(const LocalStandards &a, const LocalStandards &b)
{
    for (const LocalStandardField field : AllLocalStandardFields()) {
        if (LocalStandardAmount(a, field) != LocalStandardAmount(b, field))
            return false;
    }
    return true;
}

} // namespace

class LocalStandardsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void readsTheWholeFile();
    void damagedFileGivesTheLowerBounds_data();
    void damagedFileGivesTheLowerBounds();
    void divorceAndPersonalityRightsAreTheBaseAmounts();
    void writeReadsBack();
    void refusedAmountWritesNothing();
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

void LocalStandardsTest::readsTheWholeFile()
{
    PlaceFile(m_standards, FullFile);
    PlaceFile(m_base, "[vrk]\nlihun=200\nrenge=400\n");
    const LocalStandards local = ReadLocalStandards(m_standards, m_base);
    LocalStandards expected;
    expected.divorce = 200;
    expected.personalityRights = 400;
    expected.otherNonProperty = 80;
    expected.intellectualPropertyNoAmount = 800;
    expected.jurisdictionObjection = 60;
    expected.executionNoAmount = 300;
    expected.maritimeLimitationFund = 8000;
    expected.maritimeInjunction = 2000;
    expected.shipPrioritySummons = 3000;
    QVERIFY(SameAmounts(local, expected));
    // And the schedule takes them: a maritime injunction now costs 2000.
    QVERIFY(ComputeFee(FeeKind::MaritimeInjunction, std::nullopt, local, Reductions()).fee == 2000);
}

// Each row spoils one thing of an otherwise full file whose six other
// amounts differ from the lower bounds: none of them may be used.
void LocalStandardsTest::damagedFileGivesTheLowerBounds_data()
{
    QTest::addColumn<QByteArray>("content");
    const auto spoiled = [](const char *from, const char *to) { return QByteArray(FullFile).replace(from, to); };
    QTest::newRow("a key missing") << spoiled("cuigao=3000\r\n", "");
    QTest::newRow("no whole number of yuan") << spoiled("guanxia=60", "guanxia=60.5");
    QTest::newRow("a word for a number") << spoiled("cuigao=3000", "cuigao=abc");
    QTest::newRow("outside the range") << spoiled("qiangzhi=2000", "qiangzhi=5001");
    QTest::newRow("another section") << spoiled("[bz]", "[vrk]");
    // written half, then the disk was full
    QTest::newRow("cut off") << FullFile.left(FullFile.indexOf("qiangzhi=") + 10);
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[bz\x00]\nqita=\x81\x30", 16);
    QTest::newRow("two megabytes") << FullFile + QByteArray(2 * 1024 * 1024, ';');
}

void LocalStandardsTest::damagedFileGivesTheLowerBounds()
{
    QFETCH(QByteArray, content);
    PlaceFile(m_standards, content);
    PlaceFile(m_base, "[vrk]\nlihun=70\n");
    QVERIFY(!ReadLocalStandardsFile(m_standards));
    LocalStandards expected;  // the statutory lower bounds
    expected.divorce = 70;    // from setjs.rar, which is not damaged
    QVERIFY(SameAmounts(ReadLocalStandards(m_standards, m_base), expected));
    QCOMPARE(ReadBytes(m_standards), content);
}

// One setting, two readers: what the base-amount dialog saves the schedule
// uses, and what the local-standards dialog saves the acceptance-fee page
// shows.
void LocalStandardsTest::divorceAndPersonalityRightsAreTheBaseAmounts()
{
    QVERIFY(WriteBaseAmounts(m_base, 120, 250));
    const LocalStandards local = ReadLocalStandards(m_standards, m_base);
    QVERIFY(local.divorce == 120);
    QVERIFY(local.personalityRights == 250);
    // 120 + (300000 − 200000) × 0.5% = 620
    QVERIFY(ComputeFee(FeeKind::Divorce, Money(300000), local, Reductions()).fee == 620);

    LocalStandards changed = local;
    changed.divorce = 300;
    changed.personalityRights = 500;
    QVERIFY(WriteLocalStandards(m_standards, m_base, changed));
    const BaseAmounts base = ReadBaseAmounts(m_base);
    QCOMPARE(base.divorce, 300);
    QCOMPARE(base.personalityRights, 500);
}

void LocalStandardsTest::writeReadsBack()
{
    PlaceFile(m_base, "; the court's note\r\n[money]\r\nx=1\r\n[vrk]\r\nlihun=60\r\n");
    PlaceFile(m_standards, "; preset of the court\r\n[bz]\r\nqita=100\r\n");
    LocalStandards local;
    for (const LocalStandardField field : AllLocalStandardFields())
        SetLocalStandardAmount(local, field, LocalStandardRange(field).highest);
    QVERIFY(WriteLocalStandards(m_standards, m_base, local));
    QVERIFY(SameAmounts(ReadLocalStandards(m_standards, m_base), local));
    // Every other byte of both files stays.
    QVERIFY(ReadBytes(m_base).startsWith("; the court's note\r\n[money]\r\nx=1\r\n[vrk]\r\nlihun=300\r\n"));
    QCOMPARE(ReadBytes(m_standards), QByteArray("; preset of the court\r\n[bz]\r\nqita=100\r\nzscq=1000\r\nguanxia=100\r\n"
                                                "zhixing=500\r\nxianze=10000\r\nqiangzhi=5000\r\ncuigao=5000\r\n"));
}

void LocalStandardsTest::refusedAmountWritesNothing()
{
    LocalStandards local;
    local.maritimeLimitationFund = 10001;
    QVERIFY(!WriteLocalStandards(m_standards, m_base, local));
    local.maritimeLimitationFund = 1000;
    local.divorce = Money::fraction(101, 2);  // 50.5: setjs.rar keeps whole yuan
    QVERIFY(!WriteLocalStandards(m_standards, m_base, local));
    QVERIFY(!QFile::exists(m_standards));
    QVERIFY(!QFile::exists(m_base));
}

// setjs.rar cannot be written (a folder stands in its place): setbz.rar is
// put back as it was, or not left behind when there was none.
void LocalStandardsTest::failedSecondFileRestoresTheFirst()
{
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
