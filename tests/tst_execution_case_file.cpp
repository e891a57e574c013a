// The case file of the execution ledger: a case comes back exactly as it was
// saved, every amount as exact decimal text; a file that is damaged, cut off,
// too large, of a newer format or holds a value out of range is refused as a
// whole with a message that says why; a failed save leaves the previous file.

#include "interest/execution_case_file.h"
#include "tests/test_files.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

QDate Day(const char *iso)
{
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

Money Decimal(const char *text)
{
    return Money::fromPlainDecimal(QString::fromLatin1(text)).value();
}

// Every field set, none at its default: a case a field lost in saving or
// reading cannot pass.
CaseRecord FullRecord()
{
    CaseRecord record;
    record.caseNumber = QStringLiteral("（2024）京0105执1234号");
    record.parties = QStringLiteral("申请执行人：甲公司；被执行人：乙（“丙”）");
    ExecutionCase &c = record.executionCase;
    c.items = {{QStringLiteral("第一期货款"), Decimal("100000.1"), DebtKind::Principal, Day("2020-01-31"), true},
               {QStringLiteral("违约金"), Decimal("0.01"), DebtKind::Damages, Day("2020-03-31"), false},
               {QStringLiteral("案件受理费"), Decimal("999999999999.99"), DebtKind::LitigationCost, Day("2021-12-31"), true},
               {QString(), Decimal("0"), DebtKind::AppraisalCost, Day("1999-06-10"), false}};
    c.generalInterest.awarded = true;
    c.generalInterest.from = Day("2019-08-20");
    c.generalInterest.fixedAnnualRatePercent = Decimal("4.35");
    c.generalInterest.basis = RateBasis::OverFiveYears;
    c.generalInterest.multiplier = Decimal("1.3");
    c.generalInterest.daysPerYear = 365;
    c.credits = {{Day("2021-05-10"), Decimal("30000")}, {Day("2022-02-28"), Decimal("0.1")}};
    c.excluded = {{Day("2021-06-01"), Day("2021-08-31")}};
    c.order = SetOffOrder::CostsPrincipalInterest;
    c.calculationDay = Day("2026-12-08");
    return record;
}

QString Describe(const CaseRecord &record)
{
    const ExecutionCase &c = record.executionCase;
    QStringList parts{record.caseNumber, record.parties, c.calculationDay.toString(Qt::ISODate),
                      QString::number(int(c.order))};
    for (const DebtItem &item : c.items)
        parts << item.name << QString::fromStdString(item.amount.exact().get_str()) << QString::number(int(item.kind))
              << item.lastPerformanceDay.toString(Qt::ISODate) << QString::number(item.inDoubledBase);
    const GeneralInterest &g = c.generalInterest;
    parts << QString::number(g.awarded) << g.from.toString(Qt::ISODate)
          << (g.fixedAnnualRatePercent ? QString::fromStdString(g.fixedAnnualRatePercent->exact().get_str()) : QStringLiteral("-"))
          << QString::number(int(g.basis)) << QString::fromStdString(g.multiplier.exact().get_str())
          << QString::number(g.daysPerYear);
    for (const Credit &credit : c.credits)
        parts << credit.day.toString(Qt::ISODate) << QString::fromStdString(credit.amount.exact().get_str());
    for (const ExcludedPeriod &period : c.excluded)
        parts << period.first.toString(Qt::ISODate) << period.last.toString(Qt::ISODate);
    return parts.join(QLatin1Char('|'));
}

// The bytes of the full record with one value of its JSON replaced.
QByteArray WithValue(const QString &path, const QJsonValue &value)
{
    QJsonObject root = QJsonDocument::fromJson(CaseFileBytes(FullRecord())).object();
    const QStringList keys = path.split(QLatin1Char('/'));
    // Paths of the form "key", "key/field" or "key/index/field".
    if (keys.size() == 1) {
        root.insert(keys[0], value);
    } else if (keys.size() == 2) {
        QJsonObject inner = root.value(keys[0]).toObject();
        inner.insert(keys[1], value);
        root.insert(keys[0], inner);
    } else {
        QJsonArray rows = root.value(keys[0]).toArray();
        QJsonObject row = rows.at(keys[1].toInt()).toObject();
        row.insert(keys[2], value);
        rows.replace(keys[1].toInt(), row);
        root.insert(keys[0], rows);
    }
    return QJsonDocument(root).toJson();
}

// Lowers the largest file this process may write, so that a save fails the
// way a full disk makes it fail, whoever runs the test (root included).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }

private:
    rlimit m_saved{};
};

} // namespace

class ExecutionCaseFileTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundTrip();
    void amountsAreDecimalText();
    void refused_data();
    void refused();
    void oversizedFileIsNotRead();
    void failedSaveKeepsPreviousFile();
    void saveIntoMissingFolderFails();
};

void ExecutionCaseFileTest::roundTrip()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("案件.pellumo-case"));
    QVERIFY(WriteCaseFile(path, FullRecord()).isEmpty());
    const CaseFileReading reading = ReadCaseFile(path);
    QVERIFY2(reading.record, qPrintable(reading.error));
    QCOMPARE(Describe(*reading.record), Describe(FullRecord()));

    // Without general interest, its unset start day and rate come back unset.
    CaseRecord plain = FullRecord();
    plain.executionCase.generalInterest = GeneralInterest();
    QVERIFY(WriteCaseFile(path, plain).isEmpty());
    const CaseFileReading again = ReadCaseFile(path);
    QVERIFY2(again.record, qPrintable(again.error));
    QCOMPARE(Describe(*again.record), Describe(plain));
}

// 0.1 has no double; the file keeps what the clerk typed.
void ExecutionCaseFileTest::amountsAreDecimalText()
{
    const QJsonObject root = QJsonDocument::fromJson(CaseFileBytes(FullRecord())).object();
    const QJsonObject secondCredit = root.value(QStringLiteral("credits")).toArray().at(1).toObject();
    QCOMPARE(secondCredit.value(QStringLiteral("amount")), QJsonValue(QStringLiteral("0.1")));
    const QJsonObject interest = root.value(QStringLiteral("generalInterest")).toObject();
    QCOMPARE(interest.value(QStringLiteral("multiplier")), QJsonValue(QStringLiteral("1.3")));
    QCOMPARE(root.value(QStringLiteral("version")), QJsonValue(CaseFileFormatVersion));
}

void ExecutionCaseFileTest::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QByteArray good = CaseFileBytes(FullRecord());
    QByteArray damaged = good;
    damaged[good.size() / 2] = '#';
    QByteArray notUtf8 = good;
    notUtf8.replace(QStringLiteral("违约金").toUtf8(), QByteArray("\xce\xa5\xd4\xbc\xbd\xf0"));  // the same name in GBK

    QTest::newRow("damaged") << damaged << QStringLiteral("已损坏");
    QTest::newRow("cut off in the middle") << good.left(good.size() / 2) << QStringLiteral("不完整");
    QTest::newRow("cut off after the last row") << good.left(good.lastIndexOf('}')) << QStringLiteral("不完整");
    QTest::newRow("empty") << QByteArray("") << QStringLiteral("不完整");
    QTest::newRow("not UTF-8") << notUtf8 << QStringLiteral("已损坏");
    QTest::newRow("newer format") << WithValue(QStringLiteral("version"), 2) << QStringLiteral("较新版本");
    QTest::newRow("another program's JSON") << QByteArray("{\"version\": 1}") << QStringLiteral("不是本程序保存的案件文件");
    QTest::newRow("amount as a JSON number") << WithValue(QStringLiteral("credits/0/amount"), 30000.5)
                                             << QStringLiteral("第1笔还款的金额缺失或不是文字");
    QTest::newRow("amount finer than a fen") << WithValue(QStringLiteral("items/1/amount"), QStringLiteral("0.001"))
                                             << QStringLiteral("第2项债务的金额“0.001”不在允许的范围内");
    QTest::newRow("negative amount") << WithValue(QStringLiteral("credits/1/amount"), QStringLiteral("-5"))
                                     << QStringLiteral("第2笔还款的金额“-5”不在允许的范围内");
    QTest::newRow("amount over a trillion") << WithValue(QStringLiteral("items/0/amount"), QStringLiteral("1000000000000"))
                                            << QStringLiteral("第1项债务的金额");
    QTest::newRow("impossible day") << WithValue(QStringLiteral("excluded/0/last"), QStringLiteral("2021-02-30"))
                                    << QStringLiteral("第1个不计期间的止日不是");
    QTest::newRow("unknown kind") << WithValue(QStringLiteral("items/2/kind"), QStringLiteral("fine"))
                                  << QStringLiteral("第3项债务的种类不是本程序认识的选项");
    QTest::newRow("term band of the whole period") << WithValue(QStringLiteral("generalInterest/basis"), QStringLiteral("by-term"))
                                                   << QStringLiteral("利率种类不是本程序认识的选项");
    QTest::newRow("year of 366 days") << WithValue(QStringLiteral("generalInterest/daysPerYear"), 366)
                                      << QStringLiteral("每年天数只能是360或365");
    QTest::newRow("zero multiplier") << WithValue(QStringLiteral("generalInterest/multiplier"), QStringLiteral("0"))
                                     << QStringLiteral("倍数");
    QTest::newRow("rate over 100%") << WithValue(QStringLiteral("generalInterest/fixedAnnualRatePercent"), QStringLiteral("100.5"))
                                    << QStringLiteral("固定年利率");
    QTest::newRow("case number of 501 characters") << WithValue(QStringLiteral("caseNumber"), QString(501, QChar(0x6267)))
                                                   << QStringLiteral("案号超过500个字");
    QTest::newRow("rows missing") << WithValue(QStringLiteral("credits"), QJsonValue()) << QStringLiteral("还款缺失");
}

// Nothing at all comes back from a refused file, and the message says why.
void ExecutionCaseFileTest::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString path = PlaceFile(folder.filePath(QStringLiteral("a.pellumo-case")), bytes);
    const CaseFileReading reading = ReadCaseFile(path);
    QVERIFY(!reading.record);
    QVERIFY2(reading.error.contains(message), qPrintable(reading.error));
    QCOMPARE(ReadBytes(path), bytes);  // reading never touches the file
}

// A valid case padded past 1 MiB is refused by its size alone.
void ExecutionCaseFileTest::oversizedFileIsNotRead()
{
    QTemporaryDir folder;
    QByteArray bytes = CaseFileBytes(FullRecord());
    bytes.append(QByteArray(MaxCaseFileSize + 1 - bytes.size(), ' '));
    const QString path = PlaceFile(folder.filePath(QStringLiteral("big.pellumo-case")), bytes);
    const CaseFileReading reading = ReadCaseFile(path);
    QVERIFY(!reading.record);
    QVERIFY2(reading.error.contains(QStringLiteral("超过1 MiB")), qPrintable(reading.error));
    // One byte less is read: the limit is the size, not the content.
    bytes.chop(1);
    QVERIFY(ReadCaseFile(PlaceFile(path, bytes)).record);
}

void ExecutionCaseFileTest::failedSaveKeepsPreviousFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("案件.pellumo-case"));
    CaseRecord small;
    small.executionCase.calculationDay = Day("2026-12-08");
    QVERIFY(WriteCaseFile(path, small).isEmpty());
    const QByteArray previous = ReadBytes(path);
    QString error;
    {
        // Room for the small case, not for the full one.
        const FileSizeLimit limit(rlim_t(previous.size() + 16));
        error = WriteCaseFile(path, FullRecord());
    }
    QVERIFY2(error.contains(QStringLiteral("原有文件未作改动")), qPrintable(error));
    QCOMPARE(ReadBytes(path), previous);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no temporary file left
}

// A folder that is a regular file stops the save for everyone, root included.
void ExecutionCaseFileTest::saveIntoMissingFolderFails()
{
    QTemporaryDir folder;
    PlaceFile(folder.filePath(QStringLiteral("blocker")), "not a folder");
    const QString error = WriteCaseFile(folder.filePath(QStringLiteral("blocker/case.pellumo-case")), FullRecord());
    QVERIFY(!error.isEmpty());
    QCOMPARE(ReadBytes(folder.filePath(QStringLiteral("blocker"))), QByteArray("not a folder"));
}

QTEST_GUILESS_MAIN(ExecutionCaseFileTest)
#include "tst_execution_case_file.moc"
