#include "platform/case_file_envelope.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace pellumo {
namespace {

const QString FormatName = QStringLiteral("pellumo-case");

// The kinds this program writes, so that a file of another kind can name
// the window that opens it.
const CaseFileKind KnownKinds[] = {
    {QString(), QStringLiteral("执行款计算"), 0},
    {QStringLiteral("case-periods"), QStringLiteral("审限与刑期"), 0},
};

CaseFileOpening Refused(const QString &why)
{
    return {std::nullopt, why};
}

// Whether the parser stopped at the end of the bytes: the file was cut off
// rather than written wrong.
bool EndsEarly(const QByteArray &bytes, const QJsonParseError &error)
{
    qsizetype end = bytes.size();
    while (end > 0 && QChar::isSpace(uchar(bytes[end - 1])))
        --end;
    return error.offset >= end;
}

QString WrongKindText(const QString &kind, const CaseFileKind &expected)
{
    for (const CaseFileKind &known : KnownKinds) {
        if (known.name == kind)
            return QStringLiteral("这是“") + known.window + QStringLiteral("”的案件文件，请在“") + known.window +
                   QStringLiteral("”窗口中打开。");
    }
    return QStringLiteral("这个案件文件不是“") + expected.window + QStringLiteral("”的案件，未打开。");
}

} // namespace

CaseFileOpening OpenCaseFileEnvelope(const QByteArray &bytes, const CaseFileKind &expected)
{
    if (bytes.size() > MaxCaseFileBytes)
        return Refused(QStringLiteral("案件文件超过1 MiB，不是本程序保存的案件文件，未打开。"));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (EndsEarly(bytes, parseError))
            return Refused(QStringLiteral("案件文件不完整（可能在保存或复制时被截断），未打开。"));
        return Refused(QStringLiteral("案件文件已损坏（第") + QString::number(parseError.offset) +
                       QStringLiteral("字节处无法识别），未打开。"));
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != FormatName)
        return Refused(QStringLiteral("这不是本程序保存的案件文件，未打开。"));
    const QJsonValue kind = root.value(QStringLiteral("kind"));
    const QString kindName = kind.isUndefined() ? QString() : kind.toString(QStringLiteral("?"));
    if (kindName != expected.name)
        return Refused(WrongKindText(kindName, expected));
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != double(version.toInt()))
        return Refused(QStringLiteral("案件文件已损坏（格式版本无法识别），未打开。"));
    if (version.toInt() > expected.newestVersion)
        return Refused(QStringLiteral("此案件文件由较新版本的本程序保存（格式版本") + QString::number(version.toInt()) +
                       QStringLiteral("），本程序只能读取格式版本") + QString::number(expected.newestVersion) +
                       QStringLiteral("。请升级本程序后再打开。"));
    return {CaseFileEnvelope{root, version.toInt()}, {}};
}

QJsonObject NewCaseFileRoot(const CaseFileKind &kind)
{
    QJsonObject root{{QStringLiteral("format"), FormatName}, {QStringLiteral("version"), kind.newestVersion}};
    if (!kind.name.isEmpty())
        root.insert(QStringLiteral("kind"), kind.name);
    return root;
}

} // namespace pellumo
