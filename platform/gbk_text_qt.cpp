#include "platform/gbk_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace pellumo {
namespace {

constexpr char Encoding[] = "GBK";

} // namespace

std::optional<QByteArray> EncodeGbk(QStringView text)
{
    QStringEncoder encoder(Encoding);
    QByteArray bytes = encoder.encode(text);
    // A character GBK lacks may come out as "?" without an error, and a lone
    // surrogate as nothing at all: only the way back tells.
    if (encoder.hasError() || DecodeGbk(bytes) != text)
        return std::nullopt;
    return bytes;
}

QString DecodeGbk(QByteArrayView bytes)
{
    // Stateless: a lead byte at the end is not kept for a next call.
    QStringDecoder decoder(Encoding, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace pellumo
