#include "interest/rate_table.h"
#include "money/number_text.h"
#include "tests/test_files.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

QByteArray Garbage(qsizetype size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(20081223);
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

// A rate table with a valid band rate buried after 10 MB of padding: too
// large to be a settings file of ours.
QByteArray HugeFile()
{
    return "[money]\r\n;" + QByteArray(10 * 1024 * 1024, 'x') + "\r\na=6\r\n";
}

const QByteArray NoFile;  // the null byte array: no file is written

} // namespace

class RateTableTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void bandForPeriod_data();
    void bandForPeriod();
    void bandRate_data();
    void bandRate();
    void adjustmentDate_data();
    void adjustmentDate();
    void version_data();
    void version();
    void readsTheFileAsItIsNow();

private:
    QString WriteRateFile(const QByteArray &bytes)
    {
        return PlaceFile(m_dir.filePath(QString::fromLatin1(RateTableFileName)), bytes);
    }
    QTemporaryDir m_dir;
};

void RateTableTest::bandForPeriod_data()
{
    QTest::addColumn<QDate>("end");  // from 2010-01-15
    QTest::addColumn<int>("band");   // 0: none
    QTest::newRow("no delay") << QDate(2010, 1, 15) << 1;
    QTest::newRow("exactly six months") << QDate(2010, 7, 15) << 1;
    QTest::newRow("six months and a day") << QDate(2010, 7, 16) << 2;
    QTest::newRow("eleven months 30 days") << QDate(2011, 1, 14) << 2;
    QTest::newRow("exactly one year") << QDate(2011, 1, 15) << 2;
    QTest::newRow("one year and a day") << QDate(2011, 1, 16) << 3;
    QTest::newRow("two years eleven months") << QDate(2012, 12, 15) << 3;
    QTest::newRow("exactly three years") << QDate(2013, 1, 15) << 3;
    QTest::newRow("three years and a day") << QDate(2013, 1, 16) << 4;
    QTest::newRow("three years and a month") << QDate(2013, 2, 15) << 4;
    QTest::newRow("exactly five years") << QDate(2015, 1, 15) << 4;
    QTest::newRow("five years and a day") << QDate(2015, 1, 16) << 5;
    QTest::newRow("thirty years") << QDate(2040, 1, 15) << 5;
    QTest::newRow("end a day before start") << QDate(2010, 1, 14) << 0;
    QTest::newRow("end eleven years before start") << QDate(1999, 1, 15) << 0;
}

void RateTableTest::bandForPeriod()
{
    QFETCH(QDate, end);
    QFETCH(int, band);
    const auto chosen = RateBandForPeriod(ElapsedPeriod(QDate(2010, 1, 15), end));
    QCOMPARE(chosen.has_value() ? int(*chosen) : 0, band);
}

void RateTableTest::bandRate_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<RateBand>("band");
    QTest::addColumn<QString>("rate");  // exactly, as a plain decimal
    QTest::newRow("no file, band 1") << NoFile << RateBand::UpToSixMonths << "4.86";
    QTest::newRow("no file, band 2") << NoFile << RateBand::SixMonthsToOneYear << "5.31";
    QTest::newRow("no file, band 3") << NoFile << RateBand::OneToThreeYears << "5.4";
    QTest::newRow("no file, band 4") << NoFile << RateBand::ThreeToFiveYears << "5.76";
    QTest::newRow("no file, band 5") << NoFile << RateBand::OverFiveYears << "5.94";
    QTest::newRow("every key set, band 3 reads c")
        << QByteArray("[money]\na=1\nb=2\nc=3.25\nd=4\ne=5\n") << RateBand::OneToThreeYears << "3.25";
    QTest::newRow("key of another band only") << QByteArray("[money]\nb=7\n") << RateBand::UpToSixMonths << "4.86";
    QTest::newRow("empty value") << QByteArray("[money]\na=\n") << RateBand::UpToSixMonths << "4.86";
    QTest::newRow("letters") << QByteArray("[money]\na=abc\n") << RateBand::UpToSixMonths << "4.86";
    QTest::newRow("blanks around the value") << QByteArray("[money]\r\na =  6.1  \r\n") << RateBand::UpToSixMonths
                                             << "6.1";
    QTest::newRow("upper-case section and key") << QByteArray("[MONEY]\nA=6\n") << RateBand::UpToSixMonths << "6";
    QTest::newRow("same key in another section") << QByteArray("[other]\nb=9\n[money]\nc=1\n")
                                                 << RateBand::SixMonthsToOneYear << "5.31";
    QTest::newRow("exponent form") << QByteArray("[money]\nd=5e0\n") << RateBand::ThreeToFiveYears << "5";
    QTest::newRow("zero rate") << QByteArray("[money]\ne=0\n") << RateBand::OverFiveYears << "0";
    QTest::newRow("every digit read exactly") << QByteArray("[money]\na=0.30000000000000004\n")
                                              << RateBand::UpToSixMonths << "0.30000000000000004";
    QTest::newRow("decimal comma") << QByteArray("[money]\na=5,31\n") << RateBand::UpToSixMonths << "4.86";
    QTest::newRow("beyond a double") << QByteArray("[money]\nb=1e999\n") << RateBand::SixMonthsToOneYear << "5.31";
    QTest::newRow("nan") << QByteArray("[money]\nb=nan\n") << RateBand::SixMonthsToOneYear << "5.31";
    QTest::newRow("inf") << QByteArray("[money]\nb=inf\n") << RateBand::SixMonthsToOneYear << "5.31";
    QTest::newRow("negative infinity") << QByteArray("[money]\nb=-INF\n") << RateBand::SixMonthsToOneYear << "5.31";
    QTest::newRow("invalid GBK inside the value") << QByteArray("[money]\nb=5.\x81\xff" "1\n")
                                                  << RateBand::SixMonthsToOneYear << "5.31";
    QTest::newRow("invalid GBK on another line") << QByteArray("[money]\n\x81\xff\x80=\xfe\nb=4.35\n")
                                                 << RateBand::SixMonthsToOneYear << "4.35";
    QTest::newRow("binary garbage") << Garbage(64 * 1024) << RateBand::UpToSixMonths << "4.86";
    QTest::newRow("10 MB file") << HugeFile() << RateBand::UpToSixMonths << "4.86";
}

void RateTableTest::bandRate()
{
    QFETCH(QByteArray, file);
    QFETCH(RateBand, band);
    QFETCH(QString, rate);
    const RateTable table(WriteRateFile(file));
    QCOMPARE(DecimalText(table.ReadBandRate(band)), rate);
}

void RateTableTest::adjustmentDate_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("date");
    QTest::newRow("no file") << NoFile << "2008年12月23日";
    QTest::newRow("no key") << QByteArray("[money]\na=6\n") << "2008年12月23日";
    QTest::newRow("empty value stays empty") << QByteArray("[money]\nbz=\n") << "";
    QTest::newRow("Chinese date in GBK") << Gbk(QStringLiteral("[money]\r\nbz=2015年10月24日\r\n"))
                                         << "2015年10月24日";
    QTest::newRow("upper-case key, blanks trimmed") << Gbk(QStringLiteral("[Money]\nBZ =  2015年3月1日 \n"))
                                                    << "2015年3月1日";
    QTest::newRow("binary garbage") << Garbage(4096) << "2008年12月23日";
    QTest::newRow("10 MB file") << HugeFile() << "2008年12月23日";
}

void RateTableTest::adjustmentDate()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, date);
    const RateTable table(WriteRateFile(file));
    QCOMPARE(table.ReadAdjustmentDate(), date);
}

void RateTableTest::version_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("version");
    QTest::newRow("no file") << NoFile << 1;
    QTest::newRow("plain number") << QByteArray("[money]\nnum=7\n") << 7;
    QTest::newRow("letters") << QByteArray("[money]\nnum=abc\n") << 1;
    QTest::newRow("empty value") << QByteArray("[money]\nnum=\n") << 1;
    QTest::newRow("plus sign") << QByteArray("[money]\nnum=+4\n") << 4;
    QTest::newRow("minus sign") << QByteArray("[money]\nnum=-3\n") << -3;
    QTest::newRow("decimal fraction") << QByteArray("[money]\nnum=2.5\n") << 1;
    QTest::newRow("hexadecimal") << QByteArray("[money]\nnum=0x10\n") << 1;
    QTest::newRow("beyond 32 bits") << QByteArray("[money]\nnum=99999999999\n") << 1;
    QTest::newRow("largest 32-bit") << QByteArray("[money]\nnum=2147483647\n") << 2147483647;
    QTest::newRow("binary garbage") << Garbage(4096) << 1;
}

void RateTableTest::version()
{
    QFETCH(QByteArray, file);
    QFETCH(int, version);
    const RateTable table(WriteRateFile(file));
    QCOMPARE(table.ReadVersion(), version);
}

void RateTableTest::readsTheFileAsItIsNow()
{
    const QString path = WriteRateFile(NoFile);
    const RateTable table(path);
    QCOMPARE(DecimalText(table.ReadBandRate(RateBand::OneToThreeYears)), QStringLiteral("5.4"));
    QVERIFY2(!QFileInfo::exists(path), "creating or reading the table must not create the file");

    WriteRateFile("[money]\nc=6.15\nnum=3\n");
    QCOMPARE(DecimalText(table.ReadBandRate(RateBand::OneToThreeYears)), QStringLiteral("6.15"));
    QCOMPARE(table.ReadVersion(), 3);
    WriteRateFile("[money]\nc=4.75\nnum=4\n");
    QCOMPARE(DecimalText(table.ReadBandRate(RateBand::OneToThreeYears)), QStringLiteral("4.75"));
    QCOMPARE(table.ReadVersion(), 4);
    WriteRateFile(NoFile);
    QCOMPARE(DecimalText(table.ReadBandRate(RateBand::OneToThreeYears)), QStringLiteral("5.4"));
}

QTEST_GUILESS_MAIN(RateTableTest)
#include "tst_rate_table.moc"
