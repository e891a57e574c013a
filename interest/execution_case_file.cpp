#include "interest/execution_case_file.h"

#include "money/number_text.h"
#include "platform/atomic_file.h"
#include "platform/case_file_envelope.h"
#include "platform/file_error_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>

namespace pellumo {
namespace {

const CaseFileKind LedgerCases{QString(), QStringLiteral("执行款计算"), CaseFileFormatVersion};

const QString CaseFileWhat = QStringLiteral("案件文件");
const QString DayFormat = QStringLiteral("yyyy-MM-dd");
// The term band by the whole period (RateBasis::ByTerm) has no place here:
// with payments in parts no one period fixes the band, and the calculation
// refuses it.

// The days a date field of the window offers.
const QDate FirstDay(1900, 1, 1);
const QDate LastDay(9999, 12, 31);

struct Named {
    const char16_t *key;
    int value;
};

constexpr Named Kinds[] = {
    {u"principal", int(DebtKind::Principal)},           {u"damages", int(DebtKind::Damages)},
    {u"lawyer-fee", int(DebtKind::LawyerFee)},          {u"litigation-cost", int(DebtKind::LitigationCost)},
    {u"appraisal-cost", int(DebtKind::AppraisalCost)},  {u"other", int(DebtKind::Other)},
};
constexpr Named Bases[] = {
    {u"one-year", int(RateBasis::OneYear)},
    {u"over-five-years", int(RateBasis::OverFiveYears)},
};
constexpr Named Repricings[] = {
    {u"each-fixing", int(Repricing::EachFixing)},
    {u"yearly", int(Repricing::Yearly)},
    {u"fixed", int(Repricing::Fixed)},
};
constexpr Named Orders[] = {
    {u"costs-interest-principal", int(SetOffOrder::CostsInterestPrincipal)},
    {u"costs-principal-interest", int(SetOffOrder::CostsPrincipalInterest)},
};

template <std::size_t N>
QString NameOf(const Named (&table)[N], int value)
{
    for (const Named &entry : table)
        if (entry.value == value)
            return QString::fromUtf16(entry.key);
    return QString::fromUtf16(table[0].key);
}

template <std::size_t N>
std::optional<int> ValueOf(const Named (&table)[N], const QString &name)
{
    for (const Named &entry : table)
        if (name == QString::fromUtf16(entry.key))
            return entry.value;
    return std::nullopt;
}

QString DayText(const QDate &day)
{
    return day.isValid() ? day.toString(DayFormat) : QString();
}

// Reads the values of the file and keeps the first thing wrong with them,
// named as a clerk would find it on screen ("第2笔还款的金额").
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

    QString text(const QJsonObject &object, const QString &key, const QString &what, bool required = false)
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined() && !required)
            return {};
        if (!value.isString()) {
            fail(what + QStringLiteral("缺失或不是文字"));
            return {};
        }
        const QString result = value.toString();
        if (result.size() > MaxCaseTextLength)
            fail(what + QStringLiteral("超过") + QString::number(MaxCaseTextLength) + QStringLiteral("个字"));
        return result;
    }

    QDate day(const QJsonObject &object, const QString &key, const QString &what)
    {
        const QDate result = QDate::fromString(text(object, key, what, true), DayFormat);
        if (failed())
            return {};
        if (!result.isValid() || result < FirstDay || result > LastDay)
            fail(what + QStringLiteral("不是1900-01-01至9999-12-31之间的日期"));
        return result;
    }

    // An exact decimal text between the bounds, with at most `places` decimals.
    Money decimal(const QJsonObject &object, const QString &key, const QString &what, const Money &least,
                  const Money &most, int places)
    {
        const QString written = text(object, key, what, true);
        if (failed())
            return {};
        const std::optional<Money> value = Money::fromPlainDecimal(written);
        const qsizetype point = written.indexOf(QLatin1Char('.'));
        const bool tooFine = point >= 0 && written.size() - point - 1 > places;
        if (!value || tooFine || *value < least || *value > most) {
            fail(what + QStringLiteral("“") + written.left(40) + QStringLiteral("”不在允许的范围内"));
            return {};
        }
        return *value;
    }

    Money amount(const QJsonObject &object, const QString &key, const QString &what)
    {
        return decimal(object, key, what, 0, Money::fromPlainDecimal(u"999999999999.99").value(), 2);
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
        const std::optional<int> value = ValueOf(table, text(object, key, what, true));
        if (!value && !failed())
            fail(what + QStringLiteral("不是本程序认识的选项"));
        return value.value_or(table[0].value);
    }

    QJsonArray rows(const QJsonObject &object, const QString &key, const QString &what)
    {
        const QJsonValue value = object.value(key);
        if (!value.isArray()) {
            fail(what + QStringLiteral("缺失"));
            return {};
        }
        const QJsonArray result = value.toArray();
        if (result.size() > MaxCaseRows)
            fail(what + QStringLiteral("超过") + QString::number(MaxCaseRows) + QStringLiteral("行"));
        return result;
    }

    QJsonObject row(const QJsonValue &value, const QString &what)
    {
        if (!value.isObject())
            fail(what + QStringLiteral("格式不对"));
        return value.toObject();
    }

private:
    QString m_error;
};

QString Nth(int index, const QString &what)
{
    return QStringLiteral("第") + QString::number(index + 1) + what;
}

GeneralInterest ReadGeneralInterest(Reader &reader, const QJsonObject &object)
{
    GeneralInterest interest;
    interest.awarded = reader.flag(object, QStringLiteral("awarded"), QStringLiteral("是否判有一般债务利息"));
    // A case without general interest may leave its start day unset.
    if (interest.awarded || !object.value(QStringLiteral("from")).toString().isEmpty())
        interest.from = reader.day(object, QStringLiteral("from"), QStringLiteral("一般债务利息的起算日"));
    if (object.contains(QStringLiteral("fixedAnnualRatePercent")))
        interest.fixedAnnualRatePercent = reader.decimal(object, QStringLiteral("fixedAnnualRatePercent"),
                                                         QStringLiteral("一般债务利息的固定年利率"), 0, 100, 4);
    interest.basis = RateBasis(reader.choice(object, QStringLiteral("basis"), Bases, QStringLiteral("一般债务利息的利率种类")));
    interest.multiplier = reader.decimal(object, QStringLiteral("multiplier"), QStringLiteral("一般债务利息的倍数"),
                                         Money::fraction(1, 10000), 999, 4);
    if (interest.multiplier == 0)
        reader.fail(QStringLiteral("一般债务利息的倍数不能为零"));
    const QJsonValue days = object.value(QStringLiteral("daysPerYear"));
    if (days != QJsonValue(360) && days != QJsonValue(365))
        reader.fail(QStringLiteral("一般债务利息的每年天数只能是360或365"));
    interest.daysPerYear = days.toInt(360);
    return interest;
}

// Format version 2 adds the contract's terms; a version-1 file has none and
// keeps the defaults, which compute as version 1 did.
void ReadContractTerms(Reader &reader, const QJsonObject &object, GeneralInterest &interest)
{
    const QJsonValue basisPoints = object.value(QStringLiteral("basisPoints"));
    if (!basisPoints.isDouble() || basisPoints.toDouble() != double(basisPoints.toInt()) ||
        std::abs(basisPoints.toInt()) > MaxBasisPoints)
        reader.fail(QStringLiteral("一般债务利息的加点不是-10000至10000的整数基点"));
    interest.basisPoints = basisPoints.toInt();
    interest.repricing = Repricing(
        reader.choice(object, QStringLiteral("repricing"), Repricings, QStringLiteral("一般债务利息的重定价方式")));
    // "MM-dd", read in a leap year so that 29 February is a day.
    const QString repricingDay = reader.text(object, QStringLiteral("repricingDay"), QStringLiteral("重定价日"), true);
    const QDate day = QDate::fromString(QStringLiteral("2000-") + repricingDay, DayFormat);
    if (!reader.failed() && !day.isValid())
        reader.fail(QStringLiteral("重定价日不是一年中的某一天"));
    interest.repricingMonth = day.isValid() ? day.month() : 1;
    interest.repricingDay = day.isValid() ? day.day() : 1;
    interest.countLastDay = reader.flag(object, QStringLiteral("countLastDay"), QStringLiteral("一般债务利息是否算尾"));
}

CaseRecord ReadRecord(Reader &reader, const QJsonObject &root, int version)
{
    CaseRecord record;
    record.caseNumber = reader.text(root, QStringLiteral("caseNumber"), QStringLiteral("案号"));
    record.parties = reader.text(root, QStringLiteral("parties"), QStringLiteral("当事人"));
    ExecutionCase &c = record.executionCase;
    c.calculationDay = reader.day(root, QStringLiteral("calculationDay"), QStringLiteral("计算日"));
    c.order = SetOffOrder(reader.choice(root, QStringLiteral("setOffOrder"), Orders, QStringLiteral("冲抵顺序")));

    const QJsonArray items = reader.rows(root, QStringLiteral("items"), QStringLiteral("债务项目"));
    for (qsizetype i = 0; i < items.size() && !reader.failed(); ++i) {
        const QString what = Nth(int(i), QStringLiteral("项债务"));
        const QJsonObject row = reader.row(items[i], what);
        DebtItem item;
        item.name = reader.text(row, QStringLiteral("name"), what + QStringLiteral("的名称"));
        item.amount = reader.amount(row, QStringLiteral("amount"), what + QStringLiteral("的金额"));
        item.kind = DebtKind(reader.choice(row, QStringLiteral("kind"), Kinds, what + QStringLiteral("的种类")));
        item.lastPerformanceDay = reader.day(row, QStringLiteral("lastPerformanceDay"), what + QStringLiteral("的履行期限届满日"));
        item.inDoubledBase = reader.flag(row, QStringLiteral("inDoubledBase"), what + QStringLiteral("是否计入加倍部分基数"));
        c.items.append(item);
    }
    if (const QJsonValue interest = root.value(QStringLiteral("generalInterest")); interest.isObject()) {
        c.generalInterest = ReadGeneralInterest(reader, interest.toObject());
        if (version >= 2)
            ReadContractTerms(reader, interest.toObject(), c.generalInterest);
    } else
        reader.fail(QStringLiteral("一般债务利息的设置缺失"));

    const QJsonArray credits = reader.rows(root, QStringLiteral("credits"), QStringLiteral("还款"));
    for (qsizetype i = 0; i < credits.size() && !reader.failed(); ++i) {
        const QString what = Nth(int(i), QStringLiteral("笔还款"));
        const QJsonObject row = reader.row(credits[i], what);
        Credit credit;
        credit.day = reader.day(row, QStringLiteral("day"), what + QStringLiteral("的日期"));
        credit.amount = reader.amount(row, QStringLiteral("amount"), what + QStringLiteral("的金额"));
        c.credits.append(credit);
    }
    const QJsonArray excluded = reader.rows(root, QStringLiteral("excluded"), QStringLiteral("不计期间"));
    for (qsizetype i = 0; i < excluded.size() && !reader.failed(); ++i) {
        const QString what = Nth(int(i), QStringLiteral("个不计期间"));
        const QJsonObject row = reader.row(excluded[i], what);
        ExcludedPeriod period;
        period.first = reader.day(row, QStringLiteral("first"), what + QStringLiteral("的起日"));
        period.last = reader.day(row, QStringLiteral("last"), what + QStringLiteral("的止日"));
        c.excluded.append(period);
    }
    return record;
}

CaseFileReading Refused(const QString &why)
{
    return {std::nullopt, why};
}

} // namespace

bool IsCaseAmount(const Money &amount)
{
    static const Money most = Money::fromPlainDecimal(u"999999999999.99").value();
    return amount >= 0 && amount <= most && amount == amount.roundedToFen();
}

CaseFileReading ReadCaseBytes(const QByteArray &bytes)
{
    const CaseFileOpening opening = OpenCaseFileEnvelope(bytes, LedgerCases);
    if (!opening.envelope)
        return Refused(opening.error);
    const QJsonObject &root = opening.envelope->root;
    Reader reader;
    CaseRecord record = ReadRecord(reader, root, opening.envelope->version);
    if (reader.failed())
        return Refused(QStringLiteral("案件文件中的数据有误，未打开：") + reader.error() + QStringLiteral("。"));
    return {std::move(record), {}};
}

CaseFileReading ReadCaseFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Refused(QStringLiteral("找不到案件文件“") + QDir::toNativeSeparators(path) + QStringLiteral("”。"));
    if (!info.isFile())
        return Refused(ReadFailureText(CaseFileWhat, path, {QFileDevice::OpenError, {}}));
    if (info.size() > MaxCaseFileSize)
        return ReadCaseBytes(QByteArray(MaxCaseFileSize + 1, ' '));  // the size message, without reading the file
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refused(ReadFailureText(CaseFileWhat, path, {file.error(), file.errorString()}));
    const QByteArray bytes = file.read(MaxCaseFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return Refused(ReadFailureText(CaseFileWhat, path, {file.error(), file.errorString()}));
    return ReadCaseBytes(bytes);
}

QByteArray CaseFileBytes(const CaseRecord &record)
{
    const ExecutionCase &c = record.executionCase;
    QJsonObject root = NewCaseFileRoot(LedgerCases);
    root.insert(QStringLiteral("caseNumber"), record.caseNumber);
    root.insert(QStringLiteral("parties"), record.parties);
    root.insert(QStringLiteral("calculationDay"), DayText(c.calculationDay));
    root.insert(QStringLiteral("setOffOrder"), NameOf(Orders, int(c.order)));
    QJsonArray items;
    for (const DebtItem &item : c.items)
        items.append(QJsonObject{{QStringLiteral("name"), item.name},
                                 {QStringLiteral("amount"), DecimalText(item.amount)},
                                 {QStringLiteral("kind"), NameOf(Kinds, int(item.kind))},
                                 {QStringLiteral("lastPerformanceDay"), DayText(item.lastPerformanceDay)},
                                 {QStringLiteral("inDoubledBase"), item.inDoubledBase}});
    root.insert(QStringLiteral("items"), items);
    const GeneralInterest &g = c.generalInterest;
    QJsonObject interest{{QStringLiteral("awarded"), g.awarded},
                         {QStringLiteral("from"), DayText(g.from)},
                         {QStringLiteral("basis"), NameOf(Bases, int(g.basis))},
                         {QStringLiteral("multiplier"), DecimalText(g.multiplier)},
                         {QStringLiteral("daysPerYear"), g.daysPerYear == 365 ? 365 : 360},
                         {QStringLiteral("basisPoints"), g.basisPoints},
                         {QStringLiteral("repricing"), NameOf(Repricings, int(g.repricing))},
                         {QStringLiteral("repricingDay"), QDate(2000, g.repricingMonth, g.repricingDay).toString(QStringLiteral("MM-dd"))},
                         {QStringLiteral("countLastDay"), g.countLastDay}};
    if (g.fixedAnnualRatePercent)
        interest.insert(QStringLiteral("fixedAnnualRatePercent"), DecimalText(*g.fixedAnnualRatePercent));
    root.insert(QStringLiteral("generalInterest"), interest);
    QJsonArray credits;
    for (const Credit &credit : c.credits)
        credits.append(QJsonObject{{QStringLiteral("day"), DayText(credit.day)},
                                   {QStringLiteral("amount"), DecimalText(credit.amount)}});
    root.insert(QStringLiteral("credits"), credits);
    QJsonArray excluded;
    for (const ExcludedPeriod &period : c.excluded)
        excluded.append(QJsonObject{{QStringLiteral("first"), DayText(period.first)},
                                    {QStringLiteral("last"), DayText(period.last)}});
    root.insert(QStringLiteral("excluded"), excluded);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString WriteCaseFile(const QString &path, const CaseRecord &record)
{
    const bool existed = QFileInfo(path).isFile();
    FileFault fault;
    if (WriteFileAtomically(path, CaseFileBytes(record), &fault))
        return {};
    return WriteFailureText(CaseFileWhat, path, fault, existed);
}

} // namespace pellumo
