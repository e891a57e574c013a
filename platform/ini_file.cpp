#include "platform/ini_file.h"

#include "platform/atomic_file.h"
#include "platform/gbk_text.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace pellumo {
namespace {

// The file is parsed as GBK bytes; only the value asked for is decoded. In GBK
// a byte from 0x81 to 0xFE starts a two-byte character whose second byte may
// look like ASCII ('A', ']'), but never like '\n', '\r', '=' or a blank, so
// lines and key/value splits can be found on the bytes directly.
bool IsLeadByte(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x81 && value <= 0xFE;
}

bool IsBlank(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\r';
}

QByteArrayView TrimBlanks(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && IsBlank(bytes.front()))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && IsBlank(bytes.back()))
        bytes.chop(1);
    return bytes;
}

char LowerAscii(char byte)
{
    return byte >= 'A' && byte <= 'Z' ? char(byte - 'A' + 'a') : byte;
}

// Names compare without regard to the case of ASCII letters; the two bytes of
// a GBK character compare exactly.
bool SameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (IsLeadByte(a[i]) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool IsLineBreak(char byte)
{
    return byte == '\n' || byte == '\r';
}

// One line of the file as a range of bytes. A line ends at "\r\n", "\n" or a
// bare "\r" (old Mac files, or a file cut off between "\r" and "\n"): an
// editor shows a bare "\r" as a line break, so the reader and the writer take
// it as one too, and a key written after it stays a key of its own.
struct ByteLine {
    qsizetype begin = 0;  // first byte of the text
    qsizetype end = 0;    // one past the text, before its line break
    qsizetype next = 0;   // first byte of the following line
};

ByteLine LineAt(const QByteArray &bytes, qsizetype begin)
{
    ByteLine line;
    line.begin = begin;
    line.end = begin;
    while (line.end < bytes.size() && !IsLineBreak(bytes.at(line.end)))
        ++line.end;
    line.next = line.end;
    if (line.next < bytes.size() && bytes.at(line.next++) == '\r' && line.next < bytes.size()
        && bytes.at(line.next) == '\n')
        ++line.next;
    return line;
}

enum class LineKind { Other, Section, Key };

struct IniLine {
    LineKind kind = LineKind::Other;
    QByteArrayView name;   // section or key name, trimmed
    QByteArrayView value;  // key value, trimmed
};

IniLine ParseLine(const QByteArray &bytes, const ByteLine &line)
{
    const QByteArrayView text = TrimBlanks(QByteArrayView(bytes).sliced(line.begin, line.end - line.begin));
    IniLine parsed;
    if (text.startsWith('[')) {
        qsizetype close = 1;
        while (close < text.size() && text[close] != ']')
            close += IsLeadByte(text[close]) ? 2 : 1;
        parsed.kind = LineKind::Section;
        parsed.name = TrimBlanks(text.sliced(1, std::min(close, text.size()) - 1));
        return parsed;
    }
    const qsizetype equals = text.indexOf('=');
    if (text.startsWith(';') || equals <= 0)
        return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = TrimBlanks(text.first(equals));
    parsed.value = TrimBlanks(text.sliced(equals + 1));
    return parsed;
}

// Where a section stands: its header line and the line after its last line
// (the next header, or the end of the file); no header when it is missing.
struct SectionRange {
    std::optional<ByteLine> header;
    qsizetype end = 0;
};

SectionRange FindSection(const QByteArray &bytes, QByteArrayView section)
{
    SectionRange range;
    for (qsizetype begin = 0; begin < bytes.size();) {
        const ByteLine line = LineAt(bytes, begin);
        const IniLine parsed = ParseLine(bytes, line);
        if (parsed.kind == LineKind::Section) {
            if (range.header) {
                range.end = line.begin;
                return range;
            }
            if (SameName(parsed.name, section))
                range.header = line;
        }
        begin = line.next;
    }
    range.end = bytes.size();
    return range;
}

// A name or value as it stands in the file; none when it holds a line break
// or does not come back unchanged through GBK (a character GBK lacks).
std::optional<QByteArray> Encode(const QString &text)
{
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        return std::nullopt;
    // ASCII stands for itself in GBK; only other text needs the converters,
    // which are slow to open.
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return text.toLatin1();
    return EncodeGbk(text);
}

bool HasOuterBlanks(const QString &text)
{
    const auto isBlank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    return !text.isEmpty() && (isBlank(text.front()) || isBlank(text.back()));
}

// Whether a read finds exactly this section, key and value once written:
// blanks around them would be trimmed, a "]" would end the section name, an
// "=" would end the key, a key starting with "[" or ";" would be a header or
// a comment, and a value is read up to MaxValueLength characters.
bool ReadsBackAsWritten(const QString &section, const QString &key, const QString &value)
{
    if (section.isEmpty() || HasOuterBlanks(section) || section.contains(QLatin1Char(']')))
        return false;
    if (key.isEmpty() || HasOuterBlanks(key) || key.contains(QLatin1Char('='))
        || key.startsWith(QLatin1Char('[')) || key.startsWith(QLatin1Char(';')))
        return false;
    return !HasOuterBlanks(value) && value.size() <= MaxValueLength;
}

// Reads the file whole, unless it is missing, no regular file, too large, or
// changes size while being read.
std::optional<QByteArray> ReadSmallFile(const QString &filePath)
{
    if (!QFileInfo(filePath).isFile())
        return std::nullopt;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    if (size > MaxIniFileSize)
        return std::nullopt;
    // One byte more than the file holds shows whether it grew meanwhile.
    QByteArray bytes = file.read(size + 1);
    if (bytes.size() != size || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

// New lines follow the file's own line breaks; a file without any gets "\r\n".
QByteArray LineBreakOf(const QByteArray &bytes)
{
    if (bytes.contains("\r\n"))
        return QByteArrayLiteral("\r\n");
    if (bytes.contains('\n'))
        return QByteArrayLiteral("\n");
    if (bytes.contains('\r'))
        return QByteArrayLiteral("\r");
    return QByteArrayLiteral("\r\n");
}

bool EndsWithLineBreak(const QByteArray &bytes)
{
    return !bytes.isEmpty() && IsLineBreak(bytes.back());
}

// Sets one key in the bytes of a file, touching no other line: the key's line
// is replaced, or a line is added after the section's last key, or the
// section is added at the end.
bool SetKey(QByteArray &bytes, const QString &section, const QString &key, const QString &value)
{
    const auto sectionName = Encode(section);
    const auto keyName = Encode(key);
    const auto keyLine = Encode(key + QLatin1Char('=') + value);
    if (!sectionName || !keyName || !keyLine || !ReadsBackAsWritten(section, key, value))
        return false;
    const QByteArray lineBreak = LineBreakOf(bytes);
    const SectionRange range = FindSection(bytes, *sectionName);
    if (!range.header) {
        if (!bytes.isEmpty() && !EndsWithLineBreak(bytes))
            bytes += lineBreak;
        bytes += '[' + *sectionName + ']' + lineBreak + *keyLine + lineBreak;
        return true;
    }
    ByteLine insertAfter = *range.header;
    for (qsizetype begin = range.header->next; begin < range.end;) {
        const ByteLine line = LineAt(bytes, begin);
        const IniLine parsed = ParseLine(bytes, line);
        if (parsed.kind == LineKind::Key && SameName(parsed.name, *keyName)) {
            bytes.replace(line.begin, line.end - line.begin, *keyLine);
            return true;
        }
        if (parsed.kind == LineKind::Key)
            insertAfter = line;
        begin = line.next;
    }
    QByteArray insertion = *keyLine + lineBreak;
    if (insertAfter.next == insertAfter.end)  // the last line of the file, without a line break
        insertion.prepend(lineBreak);
    bytes.insert(insertAfter.next, insertion);
    return true;
}

} // namespace

QString ReadIniStringFrom(const QByteArray &content, const QString &section, const QString &key,
                          const QString &defaultValue)
{
    const auto sectionName = Encode(section);
    const auto keyName = Encode(key);
    if (!sectionName || !keyName)
        return defaultValue;
    const SectionRange range = FindSection(content, *sectionName);
    if (!range.header)
        return defaultValue;
    for (qsizetype begin = range.header->next; begin < range.end;) {
        const ByteLine line = LineAt(content, begin);
        const IniLine parsed = ParseLine(content, line);
        if (parsed.kind == LineKind::Key && SameName(parsed.name, *keyName)) {
            return DecodeGbk(parsed.value).left(MaxValueLength);
        }
        begin = line.next;
    }
    return defaultValue;
}

QString ReadIniString(const QString &filePath, const QString &section, const QString &key,
                      const QString &defaultValue)
{
    const auto bytes = ReadSmallFile(filePath);
    return bytes ? ReadIniStringFrom(*bytes, section, key, defaultValue) : defaultValue;
}

bool SetIniStrings(QByteArray &content, const QString &section, const IniValues &values)
{
    QByteArray changed = content;
    for (const auto &[key, value] : values) {
        if (!SetKey(changed, section, key, value))
            return false;
    }
    content = changed;
    return true;
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
    if (!SetIniStrings(bytes, section, values))
        return false;
    return WriteFileAtomically(filePath, bytes);
}

} // namespace pellumo
