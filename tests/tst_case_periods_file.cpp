// The case file of the window 审限与刑期: a case comes back as saved; a bad
// file is refused whole, saying why; each window refuses the other's cases.

#include "dates/case_periods_file.h"
#include "interest/execution_case_file.h"
#include "tests/test_files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

QDate Day(const char *iso)
{
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

// Every field set, none at its default: a case a field lost in saving or
// reading cannot pass.
CasePeriodsRecord FullRecord()
{
    CasePeriodsRecord record;
    record.caseNumber = QStringLiteral("（2024）京0105民初1234号");
    record.parties = QStringLiteral("原告甲公司，被告乙（“丙”）");
    TrialPeriodCase &t = record.trialPeriod;
    t.procedure = Procedure::CriminalSimplified;
    t.filed = Day("2024-01-31");
    t.longerCriminalPeriod = true;
    t.simplifiedToOrdinary = Day("2024-02-20");
    t.restartedOn = Day("2024-03-05");
    t.moveOffHolidays = true;
    t.notCounted = {{Day("2024-02-01"), Day("2024-04-01"), QStringLiteral("公告期间")},
                    {Day("1900-01-01"), Day("9999-12-31"), QString()}};
    t.extensions = {{6, 0}, {0, 999}, {99, 15}};
    SentenceCase &s = record.sentence;
    s.penalty = Penalty::Surveillance;
    s.years = 3;
    s.months = 6;
    s.days = 15;
    s.start = Day("2025-03-04");
    s.offset = {{Day("2024-10-01"), Day("2024-10-10"), CustodyKind::AdministrativeDetention},
                {Day("2024-11-01"), Day("2024-11-07"), CustodyKind::DesignatedResidence}};
    return record;
}

QString Describe(const CasePeriodsRecord &record)
{
    const auto d = [](const std::optional<QDate> &v) { return v ? v->toString(Qt::ISODate) : QStringLiteral("-"); };
    const auto n = [](auto v) { return QString::number(int(v)); };
    const TrialPeriodCase &t = record.trialPeriod;
    const SentenceCase &s = record.sentence;
    QStringList fields{record.caseNumber, record.parties, n(t.procedure), d(t.filed), n(t.longerCriminalPeriod),
                       d(t.simplifiedToOrdinary), d(t.restartedOn), n(t.moveOffHolidays),
                       n(s.penalty), n(s.years), n(s.months), n(s.days), d(s.start)};
    for (const NotCounted &interval : t.notCounted)
        fields << d(interval.first) << d(interval.last) << interval.reason;
    for (const Extension &extension : t.extensions)
        fields << n(extension.months) << n(extension.days);
    for (const CustodySpell &spell : s.offset)
        fields << d(spell.first) << d(spell.last) << n(spell.kind);
    return fields.join(QLatin1Char('|'));
}

// The bytes of the full record with one value at a path of keys replaced
// ("trialPeriod/filed"); rows are reached by their index.
QByteArray WithValue(const char *path, const QJsonValue &value)
{
    const std::function<QJsonValue(const QJsonValue &, QStringList)> replaced = [&](const QJsonValue &at, QStringList keys) {
        if (keys.isEmpty())
            return value;
        const QString key = keys.takeFirst();
        if (at.isArray()) {
            QJsonArray rows = at.toArray();
            rows[key.toInt()] = replaced(rows[key.toInt()], keys);
            return QJsonValue(rows);
        }
        QJsonObject object = at.toObject();
        object[key] = replaced(object[key], keys);
        return QJsonValue(object);
    };
    const QJsonObject root = QJsonDocument::fromJson(CasePeriodsFileBytes(FullRecord())).object();
    return QJsonDocument(replaced(root, QString::fromLatin1(path).split(QLatin1Char('/'))).toObject()).toJson();
}

} // namespace

class CasePeriodsFileTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundTrip();
    void refused_data();
    void refused();
    void ledgerRefusesThisKind();
};

// The full record, and a plain one (no optional day, no rows); the day the
// days left count to is not kept.
void CasePeriodsFileTest::roundTrip()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("案件.pellumo-case"));
    CasePeriodsRecord plain;
    plain.trialPeriod.filed = Day("2025-10-01");
    plain.sentence.start = Day("2025-10-01");
    CasePeriodsRecord full = FullRecord();
    full.trialPeriod.asOf = Day("2026-01-01");
    for (const CasePeriodsRecord &record : {full, plain}) {
        QVERIFY(WriteCasePeriodsFile(path, record).isEmpty());
        const CasePeriodsFileReading reading = ReadCasePeriodsFile(path);
        QVERIFY2(reading.record, qPrintable(reading.error));
        QCOMPARE(Describe(*reading.record), Describe(record));
        QVERIFY(!reading.record->trialPeriod.asOf.isValid());
    }
}

void CasePeriodsFileTest::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    auto row = [](const char *name, const QByteArray &bytes, const char *message) {
        QTest::newRow(name) << bytes << QString::fromUtf8(message);
    };
    auto text = [](const char *path, const char *value) { return WithValue(path, QString::fromUtf8(value)); };

    const QByteArray good = CasePeriodsFileBytes(FullRecord());
    QByteArray damaged = good;
    damaged[good.indexOf("\"trialPeriod\"") + 13] = '!';  // the colon after the key
    row("damaged", damaged, "已损坏");
    row("cut off", good.left(good.size() / 2), "不完整");
    row("over 1 MiB", good + QByteArray(MaxCasePeriodsFileSize + 1 - good.size(), ' '), "超过1 MiB");
    row("newer format", WithValue("version", 2), "较新版本");
    row("another program's JSON", QByteArray("{\"version\": 1}"), "不是本程序保存的案件文件");
    row("a case of the execution ledger", CaseFileBytes(CaseRecord()), "请在“执行款计算”窗口中打开");
    row("unknown kind", text("kind", "fees"), "不是“审限与刑期”的案件");
    row("impossible day", text("trialPeriod/notCounted/0/last", "2024-02-30"), "第1个不计入审限的期间的止日不是");
    row("optional day missing", WithValue("trialPeriod/restartedOn", QJsonValue()), "重新计算审限之日缺失");
    row("fractional years", WithValue("sentence/years", 1.5), "刑期的年数不是0至99的整数");
    row("unknown custody", text("sentence/custody/1/kind", "house-arrest"), "第2段先行羁押等期间的种类不是本程序认识的选项");
    row("reason of 501 characters", WithValue("trialPeriod/notCounted/0/reason", QString(501, QChar(0x544a))), "超过500个字");
    row("rows missing", WithValue("sentence/custody", QJsonValue()), "先行羁押等期间缺失");
}

void CasePeriodsFileTest::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const CasePeriodsFileReading reading = ReadCasePeriodsFile(PlaceFile(folder.filePath(QStringLiteral("a.pellumo-case")), bytes));
    QVERIFY(!reading.record);
    QVERIFY2(reading.error.contains(message), qPrintable(reading.error));
}

void CasePeriodsFileTest::ledgerRefusesThisKind()
{
    const CaseFileReading reading = ReadCaseBytes(CasePeriodsFileBytes(FullRecord()));
    QVERIFY(!reading.record);
    QVERIFY2(reading.error.contains(QStringLiteral("请在“审限与刑期”窗口中打开")), qPrintable(reading.error));
}

QTEST_GUILESS_MAIN(CasePeriodsFileTest)
#include "tst_case_periods_file.moc"
