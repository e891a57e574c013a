#include "platform/ini_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace pellumo {
namespace {

constexpr char Encoding[] = "GBK";

// One line of the file as a range of bytes. GBK trail bytes never take the
// value of '\n', so splitting the bytes at '\n' cannot cut a character.
struct ByteLine {
    qsizetype begin = 0;  // first byte of the text
    qsizetype end = 0;    // one past the text, before any "\r\n" or "\n"
    qsizetype next = 0;   // first byte of the following line
};

enum class LineKind { Other, Section, Key };

struct IniLine {
    LineKind kind = LineKind::Other;
    QString name;   // section or key name, trimmed
    QString value;  // key value, trimmed
};

QList<ByteLine> SplitLines(const QByteArray &bytes)
{
    QList<ByteLine> lines;
    qsizetype begin = 0;
    while (begin < bytes.size()) {
        qsizetype newline = bytes.indexOf('\n', begin);
        ByteLine line;
        line.begin = begin;
        line.next = newline < 0 ? bytes.size() : newline + 1;
        line.end = newline < 0 ? bytes.size() : newline;
        if (line.end > begin && bytes.at(line.end - 1) == '\r')
            --line.end;
        lines.append(line);
        begin = line.next;
    }
    return lines;
}

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r');
}

QString TrimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.mid(first, last - first).toString();
}

IniLine ParseLine(const QByteArray &bytes, const ByteLine &line)
{
    QStringDecoder decoder(Encoding);
    const QString decoded = decoder.decode(QByteArrayView(bytes).sliced(line.begin, line.end - line.begin));
    const QString text = TrimBlanks(decoded);
    IniLine parsed;
    if (text.startsWith(QLatin1Char('['))) {
        qsizetype close = text.indexOf(QLatin1Char(']'));
        parsed.kind = LineKind::Section;
        parsed.name = TrimBlanks(QStringView(text).mid(1, close < 0 ? -1 : close - 1));
        return parsed;
    }
    if (text.startsWith(QLatin1Char(';')))
        return parsed;
    qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = TrimBlanks(QStringView(text).left(equals));
    parsed.value = TrimBlanks(QStringView(text).mid(equals + 1));
    return parsed;
}

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a section stands in the file: the index of its header line and one
// past its last line; header < 0 when the file has no such section.
struct SectionRange {
    qsizetype header = -1;
    qsizetype end = 0;
};

SectionRange FindSection(const QByteArray &bytes, const QList<ByteLine> &lines, const QString &section)
{
    SectionRange range;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const IniLine parsed = ParseLine(bytes, lines[i]);
        if (parsed.kind != LineKind::Section)
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (SameName(parsed.name, section))
            range.header = i;
    }
    range.end = lines.size();
    return range;
}

// Reads the file whole, unless it is missing, no regular file or too large.
std::optional<QByteArray> ReadSmallFile(const QString &filePath)
{
    const QFileInfo info(filePath);
    if (!info.isFile() || info.size() > MaxIniFileSize)
        return std::nullopt;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(MaxIniFileSize + 1);
    if (bytes.size() > MaxIniFileSize || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QByteArray LineBreakOf(const QByteArray &bytes)
{
    if (bytes.contains("\r\n") || !bytes.contains('\n'))
        return QByteArrayLiteral("\r\n");
    return QByteArrayLiteral("\n");
}

std::optional<QByteArray> Encode(const QString &text)
{
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        return std::nullopt;
    QStringEncoder encoder(Encoding);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

// Sets one key in the bytes of a file, touching no other line.
std::optional<QByteArray> SetKey(QByteArray bytes, const QString &section, const QString &key, const QString &value)
{
    const auto keyLine = Encode(key + QLatin1Char('=') + value);
    const auto header = Encode(QLatin1Char('[') + section + QLatin1Char(']'));
    if (!keyLine || !header)
        return std::nullopt;
    const QByteArray lineBreak = LineBreakOf(bytes);
    const QList<ByteLine> lines = SplitLines(bytes);
    const SectionRange range = FindSection(bytes, lines, section);

    if (range.header < 0) {
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += lineBreak;
        bytes += *header + lineBreak + *keyLine + lineBreak;
        return bytes;
    }
    qsizetype insertAfter = range.header;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const IniLine parsed = ParseLine(bytes, lines[i]);
        if (parsed.kind != LineKind::Key)
            continue;
        if (SameName(parsed.name, key)) {
            bytes.replace(lines[i].begin, lines[i].end - lines[i].begin, *keyLine);
            return bytes;
        }
        insertAfter = i;
    }
    const ByteLine &after = lines[insertAfter];
    QByteArray insertion = *keyLine + lineBreak;
    if (after.next == after.end)  // the last line of the file, without a line break
        insertion.prepend(lineBreak);
    bytes.insert(after.next, insertion);
    return bytes;
}

} // namespace

QString ReadIniString(const QString &filePath, const QString &section, const QString &key,
                      const QString &defaultValue)
{
    const auto bytes = ReadSmallFile(filePath);
    if (!bytes)
        return defaultValue;
    const QList<ByteLine> lines = SplitLines(*bytes);
    const SectionRange range = FindSection(*bytes, lines, section);
    if (range.header < 0)
        return defaultValue;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const IniLine parsed = ParseLine(*bytes, lines[i]);
        if (parsed.kind == LineKind::Key && SameName(parsed.name, key))
            return parsed.value.left(MaxValueLength);
    }
    return defaultValue;
}

bool WriteIniStrings(const QString &filePath, const QString &section, const IniValues &values)
{
    QByteArray bytes;
    if (QFileInfo::exists(filePath)) {
        const auto existing = ReadSmallFile(filePath);
        if (!existing)
            return false;
        bytes = *existing;
    }
    for (const auto &[key, value] : values) {
        const auto changed = SetKey(bytes, section, key, value);
        if (!changed)
            return false;
        bytes = *changed;
    }
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile::commit() can report success after its final flush failed and
    // then put a truncated file in place, so flush and check first.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace pellumo
