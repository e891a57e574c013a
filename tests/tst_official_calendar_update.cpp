// Installing a newer official calendar beside set.rar: whole, checked and
// atomic, or not at all; and the choice between the installed file and the
// built-in one.

#include "dates/official_calendar_update.h"
#include "tests/test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

QByteArray CalendarFile(int version, const QByteArray &knownThrough = "2027-12-31")
{
    return "# a newer calendar\n#version\t" + QByteArray::number(version) + "\n#known-through\t" + knownThrough
        + "\n2026-10-01\t国庆节\toff\n2027-01-01\t元旦\toff\n2027-02-06\t春节\toff\n2027-02-20\t春节\twork\n";
}

const QByteArray OldInstalled = CalendarFile(2);
const QByteArray NoFile;   // the null byte array: no file at all

} // namespace

class OfficialCalendarUpdateTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void install_data();
    void install();
    void calendarInUse_data();
    void calendarInUse();

private:
    QString path(const char *name) const { return m_folder->filePath(QLatin1String(name)); }

    std::unique_ptr<QTemporaryDir> m_folder;
};

void OfficialCalendarUpdateTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void OfficialCalendarUpdateTest::install_data()
{
    QTest::addColumn<QByteArray>("installed");
    QTest::addColumn<QByteArray>("downloaded");
    QTest::addColumn<int>("publishedVersion");
    QTest::addColumn<bool>("installs");

    const QByteArray newer = CalendarFile(3);
    QTest::newRow("a newer calendar replaces the installed one") << OldInstalled << newer << 3 << true;
    QTest::newRow("the first calendar installed") << NoFile << newer << 3 << true;
    QTest::newRow("a version above the published one") << OldInstalled << CalendarFile(4) << 3 << true;
    QTest::newRow("a version below the published one") << OldInstalled << newer << 4 << false;
    QTest::newRow("damaged: a row cut off") << OldInstalled << newer.chopped(4) << 3 << false;
    QTest::newRow("damaged: known-through beyond the rows")
        << OldInstalled << CalendarFile(3, "2028-12-31") << 3 << false;
    QTest::newRow("damaged, nothing installed yet") << NoFile << newer.chopped(4) << 3 << false;
    QTest::newRow("an error page") << OldInstalled << QByteArray("<html>502 Bad Gateway</html>\n") << 1 << false;
    QTest::newRow("no download") << OldInstalled << NoFile << 3 << false;
    QTest::newRow("larger than 64 KiB")
        << OldInstalled << QByteArray(newer).prepend(QByteArray(65536, '#') + '\n') << 3 << false;
}

void OfficialCalendarUpdateTest::install()
{
    QFETCH(QByteArray, installed);
    QFETCH(QByteArray, downloaded);
    QFETCH(int, publishedVersion);
    QFETCH(bool, installs);
    const QString target = PlaceFile(path("calendar.tsv"), installed);
    const QString download = PlaceFile(path("download.tsv"), downloaded);

    QCOMPARE(InstallOfficialCalendar(download, target, publishedVersion), installs);

    const QByteArray expected = installs ? downloaded : installed;
    QCOMPARE(QFile::exists(target), !expected.isNull());
    QCOMPARE(ReadBytes(target), expected);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden).size(),
             int(!expected.isNull()) + int(!downloaded.isNull()));   // no temporary file left behind
}

void OfficialCalendarUpdateTest::calendarInUse_data()
{
    QTest::addColumn<QByteArray>("installed");
    QTest::addColumn<int>("version");
    QTest::addColumn<QDate>("coveredUntil");

    QTest::newRow("nothing installed: the built-in calendar") << NoFile << 1 << QDate(2026, 12, 31);
    QTest::newRow("a valid installed calendar") << CalendarFile(5) << 5 << QDate(2027, 12, 31);
    QTest::newRow("a damaged installed calendar is not used") << CalendarFile(5).chopped(1) << 1 << QDate(2026, 12, 31);
}

void OfficialCalendarUpdateTest::calendarInUse()
{
    QFETCH(QByteArray, installed);
    QFETCH(int, version);
    QFETCH(QDate, coveredUntil);
    PlaceFile(path(InstalledOfficialCalendarName), installed);
    const OfficialCalendar calendar = OfficialCalendarInUse(m_folder->path());
    QCOMPARE(calendar.version(), version);
    QCOMPARE(calendar.coveredUntil(), coveredUntil);
    // 2027-02-20, a Saturday, is a make-up working day only in the installed file.
    const DayKind expected = version == 5 ? DayKind::MakeUpWorkingDay : DayKind::Weekend;
    QCOMPARE(calendar.kind(QDate(2027, 2, 20)), expected);
}

QTEST_GUILESS_MAIN(OfficialCalendarUpdateTest)
#include "tst_official_calendar_update.moc"
