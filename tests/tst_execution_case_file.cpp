// The case file of the execution ledger: a case comes back as saved, amounts
// as decimal text; a bad file is refused whole, saying why; a failed save
// leaves the previous file.

#include "interest/execution_case_file.h"
#include "tests/ledger_fixtures.h"
#include "tests/test_files.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

using namespace pellumo;
using namespace pellumo::testing;

namespace {

// Every field set, none at its default: a case a field lost in saving or
// reading cannot pass.
CaseRecord FullRecord()
{
    CaseRecord record;
    record.caseNumber = QStringLiteral("（2024）京0105执1234号");
    record.parties = QStringLiteral("申请执行人：甲公司；被执行人：乙（“丙”）");
    ExecutionCase &c = record.executionCase;
    c.items = {{QStringLiteral("第一期货款"), Exact("100000.1"), DebtKind::Principal, Day("2020-01-31"), true},
               {QStringLiteral("违约金"), Exact("0.01"), DebtKind::Damages, Day("2020-03-31"), false},
               {QStringLiteral("案件受理费"), Exact("999999999999.99"), DebtKind::LitigationCost, Day("2021-12-31"), true},
               {QString(), Exact("0"), DebtKind::AppraisalCost, Day("1999-06-10"), false}};
    c.generalInterest.awarded = true;
    c.generalInterest.from = Day("2019-08-20");
    c.generalInterest.fixedAnnualRatePercent = Exact("4.35");
    c.generalInterest.basis = RateBasis::OverFiveYears;
    c.generalInterest.multiplier = Exact("1.3");
    c.generalInterest.daysPerYear = 365;
    c.generalInterest.basisPoints = -20;
    c.generalInterest.repricing = Repricing::Yearly;
    c.generalInterest.repricingMonth = 2;
    c.generalInterest.repricingDay = 29;
    c.generalInterest.countLastDay = false;
    c.credits = {{Day("2021-05-10"), Exact("30000")}, {Day("2022-02-28"), Exact("0.1")}};
    c.excluded = {{Day("2021-06-01"), Day("2021-08-31")}};
    c.order = SetOffOrder::CostsPrincipalInterest;
    c.calculationDay = Day("2026-12-08");
    return record;
}

QString Describe(const CaseRecord &record)
{
    const auto m = [](const Money &v) { return QString::fromStdString(v.exact().get_str()); };
    const auto d = [](const QDate &v) { return v.toString(Qt::ISODate); };
    const ExecutionCase &c = record.executionCase;
    const GeneralInterest &g = c.generalInterest;
    const auto n = [](auto v) { return QString::number(int(v)); };
    QStringList fields{record.caseNumber, record.parties, d(c.calculationDay), n(c.order), n(g.awarded),
                       d(g.from), g.fixedAnnualRatePercent ? m(*g.fixedAnnualRatePercent) : QStringLiteral("-"),
                       n(g.basis), m(g.multiplier), n(g.daysPerYear), n(g.basisPoints), n(g.repricing),
                       n(g.repricingMonth), n(g.repricingDay), n(g.countLastDay)};
    for (const DebtItem &item : c.items)
        fields << item.name << m(item.amount) << n(item.kind) << d(item.lastPerformanceDay)
               << n(item.inDoubledBase);
    for (const Credit &credit : c.credits)
        fields << d(credit.day) << m(credit.amount);
    for (const ExcludedPeriod &period : c.excluded)
        fields << d(period.first) << d(period.last);
    return fields.join(QLatin1Char('|'));
}

// The value at a path of keys and indexes ("credits/0/amount") replaced.
QJsonValue Replaced(const QJsonValue &at, QStringList keys, const QJsonValue &value)
{
    if (keys.isEmpty())
        return value;
    const QString key = keys.takeFirst();
    if (at.isArray()) {
        QJsonArray rows = at.toArray();
        rows[key.toInt()] = Replaced(rows[key.toInt()], keys, value);
        return rows;
    }
    QJsonObject object = at.toObject();
    object[key] = Replaced(object[key], keys, value);
    return object;
}

// The bytes of the full record with one value replaced.
QByteArray WithValue(const char *path, const QJsonValue &value)
{
    const QJsonValue root = QJsonDocument::fromJson(CaseFileBytes(FullRecord())).object();
    return QJsonDocument(Replaced(root, QString::fromLatin1(path).split(QLatin1Char('/')), value).toObject())
        .toJson();
}

}  // namespace

class ExecutionCaseFileTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundTrip();
    void versionOneOpensWithDefaults();
    void refused_data();
    void refused();
    void failedSaveKeepsPreviousFile();
};

// The full record, and one without general interest (its unset day and rate
// come back unset); amounts are kept as typed (0.1 has no double); a file of
// exactly 1 MiB is still read.
void ExecutionCaseFileTest::roundTrip()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("案件.pellumo-case"));
    CaseRecord plain = FullRecord();
    plain.executionCase.generalInterest = GeneralInterest();
    for (const CaseRecord &record : {FullRecord(), plain}) {
        QVERIFY(WriteCaseFile(path, record).isEmpty());
        const CaseFileReading reading = ReadCaseFile(path);
        QVERIFY2(reading.record, qPrintable(reading.error));
        QCOMPARE(Describe(*reading.record), Describe(record));
    }
    const QByteArray bytes = ReadBytes(path);
    QVERIFY(bytes.contains("\"0.1\""));
    QVERIFY(ReadCaseFile(PlaceFile(path, bytes + QByteArray(MaxCaseFileSize - bytes.size(), ' '))).record);
}

// A file of format version 1 has no contract terms: it opens with the
// defaults, which compute as version 1 did, and everything else as saved.
void ExecutionCaseFileTest::versionOneOpensWithDefaults()
{
    QJsonObject root = QJsonDocument::fromJson(CaseFileBytes(FullRecord())).object();
    QJsonObject interest = root.value(QStringLiteral("generalInterest")).toObject();
    for (const char *key : {"basisPoints", "repricing", "repricingDay", "countLastDay"})
        interest.remove(QLatin1String(key));
    root.insert(QStringLiteral("generalInterest"), interest);
    root.insert(QStringLiteral("version"), 1);
    const CaseFileReading reading = ReadCaseBytes(QJsonDocument(root).toJson());
    QVERIFY2(reading.record, qPrintable(reading.error));

    CaseRecord expected = FullRecord();
    GeneralInterest &g = expected.executionCase.generalInterest;
    const GeneralInterest defaults;
    g.basisPoints = defaults.basisPoints;
    g.repricing = defaults.repricing;
    g.repricingMonth = defaults.repricingMonth;
    g.repricingDay = defaults.repricingDay;
    g.countLastDay = defaults.countLastDay;
    QCOMPARE(Describe(*reading.record), Describe(expected));
}

void ExecutionCaseFileTest::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    auto row = [](const char *name, const QByteArray &bytes, const char *message) {
        QTest::newRow(name) << bytes << QString::fromUtf8(message);
    };
    auto text = [](const char *path, const char *value) { return WithValue(path, QString::fromUtf8(value)); };

    const QByteArray good = CaseFileBytes(FullRecord());
    QByteArray damaged = good;
    damaged[good.size() / 2] = '#';
    row("damaged", damaged, "已损坏");
    row("cut off", good.left(good.size() / 2), "不完整");
    row("over 1 MiB", good + QByteArray(MaxCaseFileSize + 1 - good.size(), ' '), "超过1 MiB");
    row("newer format", WithValue("version", CaseFileFormatVersion + 1), "较新版本");
    row("basis points beyond 10000", WithValue("generalInterest/basisPoints", 10001), "加点");
    row("basis points not whole", WithValue("generalInterest/basisPoints", 2.5), "加点");
    row("no such repricing day", text("generalInterest/repricingDay", "02-30"), "重定价日不是一年中的某一天");
    row("another program's JSON", QByteArray("{\"version\": 1}"), "不是本程序保存的案件文件");
    row("amount as a JSON number", WithValue("credits/0/amount", 30000.5), "第1笔还款的金额缺失或不是文字");
    row("amount out of range", text("credits/1/amount", "-5"), "第2笔还款的金额“-5”不在允许的范围内");
    row("impossible day", text("excluded/0/last", "2021-02-30"), "第1个不计期间的止日不是");
    row("unknown kind", text("items/2/kind", "fine"), "第3项债务的种类不是本程序认识的选项");
    row("year of 366 days", WithValue("generalInterest/daysPerYear", 366), "每年天数只能是360或365");
    row("zero multiplier", text("generalInterest/multiplier", "0"), "倍数");
    row("case number of 501 characters", WithValue("caseNumber", QString(501, QChar(0x6267))), "案号超过500个字");
    row("rows missing", WithValue("credits", QJsonValue()), "还款缺失");
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

// A save that fails on a full disk (a lowered file size limit, binding root
// as well) says so and leaves the previous file, with no temporary file; so
// does one into a "folder" that is a file.
void ExecutionCaseFileTest::failedSaveKeepsPreviousFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("案件.pellumo-case"));
    CaseRecord small;
    small.executionCase.calculationDay = Day("2026-12-08");
    QVERIFY(WriteCaseFile(path, small).isEmpty());
    const QByteArray previous = ReadBytes(path);
#ifdef Q_OS_WIN
    QSKIP("Windows has no per-process file-size limit to stand in for a full disk");
#else
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{}, lowered{};
    getrlimit(RLIMIT_FSIZE, &saved);
    lowered = {rlim_t(previous.size() + 16), saved.rlim_max};  // room for the small case only
    setrlimit(RLIMIT_FSIZE, &lowered);
    const QString error = WriteCaseFile(path, FullRecord());
    setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY2(error.contains(QStringLiteral("磁盘已满")) && error.contains(QStringLiteral("原有文件未作改动")),
             qPrintable(error));
    QCOMPARE(ReadBytes(path), previous);
    // A first save has no earlier file to keep.
    const QString first = WriteCaseFile(folder.filePath(QStringLiteral("gone/案件.pellumo-case")), small);
    QVERIFY2(first.contains(QStringLiteral("路径不存在")) && !first.contains(QStringLiteral("原有文件")), qPrintable(first));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    QVERIFY(!WriteCaseFile(path + QStringLiteral("/case.pellumo-case"), FullRecord()).isEmpty());
    QCOMPARE(ReadBytes(path), previous);
#endif
}

QTEST_GUILESS_MAIN(ExecutionCaseFileTest)
#include "tst_execution_case_file.moc"
