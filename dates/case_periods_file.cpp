#include "dates/case_periods_file.h"

#include "platform/atomic_file.h"
#include "platform/case_file_envelope.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace pellumo {
namespace {

const CaseFileKind CasePeriodsCases{QStringLiteral("case-periods"), QStringLiteral("审限与刑期"),
                                    CasePeriodsFileFormatVersion};

const QString DayFormat = QStringLiteral("yyyy-MM-dd");
const QDate FirstDay(1900, 1, 1);
const QDate LastDay(9999, 12, 31);

struct Named {
    const char16_t *key;
    int value;
};

constexpr Named Procedures[] = {
    {u"civil-ordinary", int(Procedure::CivilOrdinary)},
    {u"civil-simplified", int(Procedure::CivilSimplified)},
    {u"civil-small-claims", int(Procedure::CivilSmallClaims)},
    {u"civil-appeal-judgment", int(Procedure::CivilAppealJudgment)},
    {u"civil-appeal-ruling", int(Procedure::CivilAppealRuling)},
    {u"civil-special", int(Procedure::CivilSpecial)},
    {u"execution", int(Procedure::Execution)},
    {u"non-litigation-execution", int(Procedure::NonLitigationExecution)},
    {u"criminal-first-instance", int(Procedure::CriminalFirstInstance)},
    {u"criminal-simplified", int(Procedure::CriminalSimplified)},
    {u"criminal-expedited", int(Procedure::CriminalExpedited)},
    {u"criminal-second-instance", int(Procedure::CriminalSecondInstance)},
    {u"administrative-first-instance", int(Procedure::AdministrativeFirstInstance)},
    {u"administrative-simplified", int(Procedure::AdministrativeSimplified)},
    {u"administrative-second-instance", int(Procedure::AdministrativeSecondInstance)},
};
constexpr Named Penalties[] = {
    {u"surveillance", int(Penalty::Surveillance)},
    {u"criminal-detention", int(Penalty::CriminalDetention)},
    {u"fixed-term", int(Penalty::FixedTerm)},
};
constexpr Named CustodyKinds[] = {
    {u"detained", int(CustodyKind::Detained)},
    {u"designated-residence", int(CustodyKind::DesignatedResidence)},
    {u"administrative-detention", int(CustodyKind::AdministrativeDetention)},
};

template <std::size_t N>
QString NameOf(const Named (&table)[N], int value)
{
    for (const Named &entry : table)
        if (entry.value == value)
            return QString::fromUtf16(entry.key);
    return QString::fromUtf16(table[0].key);
}

QString DayText(const QDate &day)
{
    return day.isValid() ? day.toString(DayFormat) : QString();
}

QString OptionalDayText(const std::optional<QDate> &day)
{
    return day ? DayText(*day) : QString();
}

QString Nth(qsizetype index, const QString &what)
{
    return QStringLiteral("第") + QString::number(index + 1) + what;
}

// Reads the values of the file and keeps the first thing wrong with them,
// named as a clerk would find it on screen ("第2个不计入审限期间的止日").
class Reader
{
public:
    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }

    void fail(const QString &what)
    {
        if (m_error.isEmpty())
            m_error = what;
    }

    QString text(const QJsonObject &object, const QString &key, const QString &what)
    {
        const QJsonValue value = object.value(key);
        if (!value.isString()) {
            fail(what + QStringLiteral("缺失或不是文字"));
            return {};
        }
        const QString result = value.toString();
        if (result.size() > MaxCasePeriodsTextLength)
            fail(what + QStringLiteral("超过") + QString::number(MaxCasePeriodsTextLength) + QStringLiteral("个字"));
        return result;
    }

    QDate day(const QJsonObject &object, const QString &key, const QString &what)
    {
        const QString written = text(object, key, what);
        const QDate result = QDate::fromString(written, DayFormat);
        if (!failed() && (!result.isValid() || result < FirstDay || result > LastDay))
            fail(what + QStringLiteral("不是1900-01-01至9999-12-31之间的日期"));
        return result;
    }

    // An empty text for a day the case does not have.
    std::optional<QDate> optionalDay(const QJsonObject &object, const QString &key, const QString &what)
    {
        if (object.value(key) == QJsonValue(QString()))
            return std::nullopt;
        return day(object, key, what);
    }

    int whole(const QJsonObject &object, const QString &key, const QString &what, int most)
    {
        const QJsonValue value = object.value(key);
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number < 0 || number > most || number != double(int(number))) {
            fail(what + QStringLiteral("不是0至") + QString::number(most) + QStringLiteral("的整数"));
            return 0;
        }
        return int(number);
    }

    bool flag(const QJsonObject &object, const QString &key, const QString &what)
    {
        const QJsonValue value = object.value(key);
        if (!value.isBool())
            fail(what + QStringLiteral("缺失或不是是/否"));
        return value.toBool();
    }

    template <std::size_t N>
    int choice(const QJsonObject &object, const QString &key, const Named (&table)[N], const QString &what)
    {
        const QString name = text(object, key, what);
        for (const Named &entry : table)
            if (name == QString::fromUtf16(entry.key))
                return entry.value;
        fail(what + QStringLiteral("不是本程序认识的选项"));
        return table[0].value;
    }

    QJsonObject part(const QJsonObject &object, const QString &key, const QString &what)
    {
        const QJsonValue value = object.value(key);
        if (!value.isObject())
            fail(what + QStringLiteral("缺失"));
        return value.toObject();
    }

    // The rows of a table, each an object; reading stops at the first fault.
    QList<QJsonObject> rows(const QJsonObject &object, const QString &key, const QString &what)
    {
        const QJsonValue value = object.value(key);
        if (!value.isArray()) {
            fail(what + QStringLiteral("缺失"));
            return {};
        }
        const QJsonArray array = value.toArray();
        if (array.size() > MaxCasePeriodsRows)
            fail(what + QStringLiteral("超过") + QString::number(MaxCasePeriodsRows) + QStringLiteral("行"));
        QList<QJsonObject> result;
        for (qsizetype i = 0; i < array.size() && !failed(); ++i) {
            if (!array[i].isObject())
                fail(what + Nth(i, QStringLiteral("行格式不对")));
            result.append(array[i].toObject());
        }
        return result;
    }

private:
    QString m_error;
};

TrialPeriodCase ReadTrialPeriod(Reader &reader, const QJsonObject &object)
{
    TrialPeriodCase c;
    c.procedure = Procedure(reader.choice(object, QStringLiteral("procedure"), Procedures, QStringLiteral("审限的程序")));
    c.filed = reader.day(object, QStringLiteral("filed"), QStringLiteral("立案日"));
    c.longerCriminalPeriod =
        reader.flag(object, QStringLiteral("longerCriminalPeriod"), QStringLiteral("是否适用较长的刑事审限"));
    c.simplifiedToOrdinary = reader.optionalDay(object, QStringLiteral("simplifiedToOrdinary"),
                                                QStringLiteral("简易程序转为普通程序的裁定日"));
    c.restartedOn = reader.optionalDay(object, QStringLiteral("restartedOn"), QStringLiteral("重新计算审限之日"));
    c.moveOffHolidays = reader.flag(object, QStringLiteral("moveOffHolidays"), QStringLiteral("是否顺延节假日"));
    const QList<QJsonObject> intervals = reader.rows(object, QStringLiteral("notCounted"), QStringLiteral("不计入审限的期间"));
    for (qsizetype i = 0; i < intervals.size() && !reader.failed(); ++i) {
        const QString what = Nth(i, QStringLiteral("个不计入审限的期间"));
        NotCounted interval;
        interval.first = reader.day(intervals[i], QStringLiteral("first"), what + QStringLiteral("的起日"));
        interval.last = reader.day(intervals[i], QStringLiteral("last"), what + QStringLiteral("的止日"));
        interval.reason = reader.text(intervals[i], QStringLiteral("reason"), what + QStringLiteral("的事由"));
        c.notCounted.append(interval);
    }
    const QList<QJsonObject> extensions = reader.rows(object, QStringLiteral("extensions"), QStringLiteral("延长审限"));
    for (qsizetype i = 0; i < extensions.size() && !reader.failed(); ++i) {
        const QString what = Nth(i, QStringLiteral("次延长审限"));
        Extension extension;
        extension.months = reader.whole(extensions[i], QStringLiteral("months"), what + QStringLiteral("的月数"), MaxTermMonths);
        extension.days = reader.whole(extensions[i], QStringLiteral("days"), what + QStringLiteral("的天数"), MaxTermDays);
        c.extensions.append(extension);
    }
    return c;
}

SentenceCase ReadSentence(Reader &reader, const QJsonObject &object)
{
    SentenceCase c;
    c.penalty = Penalty(reader.choice(object, QStringLiteral("penalty"), Penalties, QStringLiteral("刑种")));
    c.years = reader.whole(object, QStringLiteral("years"), QStringLiteral("刑期的年数"), MaxTermYears);
    c.months = reader.whole(object, QStringLiteral("months"), QStringLiteral("刑期的月数"), MaxTermMonths);
    c.days = reader.whole(object, QStringLiteral("days"), QStringLiteral("刑期的天数"), MaxTermDays);
    c.start = reader.day(object, QStringLiteral("start"), QStringLiteral("刑期起算日"));
    const QList<QJsonObject> spells = reader.rows(object, QStringLiteral("custody"), QStringLiteral("先行羁押等期间"));
    for (qsizetype i = 0; i < spells.size() && !reader.failed(); ++i) {
        const QString what = Nth(i, QStringLiteral("段先行羁押等期间"));
        CustodySpell spell;
        spell.first = reader.day(spells[i], QStringLiteral("first"), what + QStringLiteral("的起日"));
        spell.last = reader.day(spells[i], QStringLiteral("last"), what + QStringLiteral("的止日"));
        spell.kind = CustodyKind(reader.choice(spells[i], QStringLiteral("kind"), CustodyKinds, what + QStringLiteral("的种类")));
        c.offset.append(spell);
    }
    return c;
}

CasePeriodsRecord ReadRecord(Reader &reader, const QJsonObject &root)
{
    CasePeriodsRecord record;
    record.caseNumber = reader.text(root, QStringLiteral("caseNumber"), QStringLiteral("案号"));
    record.parties = reader.text(root, QStringLiteral("parties"), QStringLiteral("当事人"));
    record.trialPeriod = ReadTrialPeriod(reader, reader.part(root, QStringLiteral("trialPeriod"), QStringLiteral("审限")));
    record.sentence = ReadSentence(reader, reader.part(root, QStringLiteral("sentence"), QStringLiteral("刑期")));
    return record;
}

CasePeriodsFileReading Refused(const QString &why)
{
    return {std::nullopt, why};
}

QJsonObject TrialPeriodObject(const TrialPeriodCase &c)
{
    QJsonArray intervals;
    for (const NotCounted &interval : c.notCounted)
        intervals.append(QJsonObject{{QStringLiteral("first"), DayText(interval.first)},
                                     {QStringLiteral("last"), DayText(interval.last)},
                                     {QStringLiteral("reason"), interval.reason}});
    QJsonArray extensions;
    for (const Extension &extension : c.extensions)
        extensions.append(QJsonObject{{QStringLiteral("months"), extension.months}, {QStringLiteral("days"), extension.days}});
    return QJsonObject{{QStringLiteral("procedure"), NameOf(Procedures, int(c.procedure))},
                       {QStringLiteral("filed"), DayText(c.filed)},
                       {QStringLiteral("longerCriminalPeriod"), c.longerCriminalPeriod},
                       {QStringLiteral("simplifiedToOrdinary"), OptionalDayText(c.simplifiedToOrdinary)},
                       {QStringLiteral("restartedOn"), OptionalDayText(c.restartedOn)},
                       {QStringLiteral("moveOffHolidays"), c.moveOffHolidays},
                       {QStringLiteral("notCounted"), intervals},
                       {QStringLiteral("extensions"), extensions}};
}

QJsonObject SentenceObject(const SentenceCase &c)
{
    QJsonArray spells;
    for (const CustodySpell &spell : c.offset)
        spells.append(QJsonObject{{QStringLiteral("first"), DayText(spell.first)},
                                  {QStringLiteral("last"), DayText(spell.last)},
                                  {QStringLiteral("kind"), NameOf(CustodyKinds, int(spell.kind))}});
    return QJsonObject{{QStringLiteral("penalty"), NameOf(Penalties, int(c.penalty))},
                       {QStringLiteral("years"), c.years},
                       {QStringLiteral("months"), c.months},
                       {QStringLiteral("days"), c.days},
                       {QStringLiteral("start"), DayText(c.start)},
                       {QStringLiteral("custody"), spells}};
}

} // namespace

CasePeriodsFileReading ReadCasePeriodsBytes(const QByteArray &bytes)
{
    const CaseFileOpening opening = OpenCaseFileEnvelope(bytes, CasePeriodsCases);
    if (!opening.envelope)
        return Refused(opening.error);
    const QJsonObject &root = opening.envelope->root;
    Reader reader;
    CasePeriodsRecord record = ReadRecord(reader, root);
    if (reader.failed())
        return Refused(QStringLiteral("案件文件中的数据有误，未打开：") + reader.error() + QStringLiteral("。"));
    return {std::move(record), {}};
}

CasePeriodsFileReading ReadCasePeriodsFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return Refused(QStringLiteral("找不到案件文件 ") + path + QStringLiteral("。"));
    if (info.size() > MaxCasePeriodsFileSize)
        return ReadCasePeriodsBytes(QByteArray(MaxCasePeriodsFileSize + 1, ' '));  // the size message, unread
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refused(QStringLiteral("无法读取案件文件 ") + path + QStringLiteral("。"));
    const QByteArray bytes = file.read(MaxCasePeriodsFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return Refused(QStringLiteral("无法读取案件文件 ") + path + QStringLiteral("。"));
    return ReadCasePeriodsBytes(bytes);
}

QByteArray CasePeriodsFileBytes(const CasePeriodsRecord &record)
{
    QJsonObject root = NewCaseFileRoot(CasePeriodsCases);
    root.insert(QStringLiteral("caseNumber"), record.caseNumber);
    root.insert(QStringLiteral("parties"), record.parties);
    root.insert(QStringLiteral("trialPeriod"), TrialPeriodObject(record.trialPeriod));
    root.insert(QStringLiteral("sentence"), SentenceObject(record.sentence));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString WriteCasePeriodsFile(const QString &path, const CasePeriodsRecord &record)
{
    if (WriteFileAtomically(path, CasePeriodsFileBytes(record)))
        return {};
    return QStringLiteral("无法保存案件文件 ") + path + QStringLiteral("，原有文件未作改动。");
}

} // namespace pellumo
