#include "platform/gbk_text.h"

#include <climits>
#include <windows.h>

namespace pellumo {
namespace {

constexpr UINT Gbk = 936;
constexpr QChar Replacement = QChar::ReplacementCharacter;

bool IsLeadByte(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x81 && value <= 0xFE;
}

bool IsTrailByte(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x40 && value <= 0xFE && value != 0x7F;
}

// The text of bytes that are whole characters of code page 936 only; none
// when any byte is not.
std::optional<QString> DecodeStrictly(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    if (bytes.size() > INT_MAX)
        return std::nullopt;
    const int size = int(bytes.size());
    const int length = MultiByteToWideChar(Gbk, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    MultiByteToWideChar(Gbk, MB_ERR_INVALID_CHARS, bytes.data(), size, reinterpret_cast<wchar_t *>(text.data()),
                        length);
    return text;
}

// Character by character, for bytes that are not all GBK: each invalid
// character becomes U+FFFD the way Qt's GBK codec makes it, so that a
// damaged file reads the same on every platform.
QString DecodeLeniently(QByteArrayView bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        qsizetype length = 1;
        if (IsLeadByte(bytes[i])) {
            if (i + 1 == bytes.size())
                break;  // an unfinished character at the end
            if (!IsTrailByte(bytes[i + 1])) {
                text += Replacement;  // the next byte starts afresh
                ++i;
                continue;
            }
            length = 2;
        }
        text += DecodeStrictly(bytes.sliced(i, length)).value_or(QString(Replacement));
        i += length;
    }
    return text;
}

} // namespace

std::optional<QByteArray> EncodeGbk(QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    if (text.size() > INT_MAX / 2)
        return std::nullopt;
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int size = int(text.size());
    // Without best-fit mapping a character the code page lacks is reported,
    // not replaced by a look-alike ("ä" by "a").
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(Gbk, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return std::nullopt;
    QByteArray bytes(length, Qt::Uninitialized);
    WideCharToMultiByte(Gbk, WC_NO_BEST_FIT_CHARS, wide, size, bytes.data(), length, nullptr, &usedDefault);
    if (usedDefault || DecodeGbk(bytes) != text)
        return std::nullopt;
    return bytes;
}

QString DecodeGbk(QByteArrayView bytes)
{
    if (auto text = DecodeStrictly(bytes))
        return *text;
    return DecodeLeniently(bytes);
}

} // namespace pellumo
