#pragma once

// Text in GBK (code page 936), the encoding of the program's settings files.
// The converter is the platform's: Qt's GBK codec where Qt has one (Linux,
// through ICU), the system's code page 936 on Windows, whose Qt is built
// without ICU and has no GBK codec. Both give the same bytes and the same
// text for every file the program reads or writes.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace pellumo {

// The GBK bytes of text; none when text does not come back unchanged from
// them (a character GBK lacks, a lone surrogate).
std::optional<QByteArray> EncodeGbk(QStringView text);

// The text of GBK bytes. Bytes that form no GBK character read as U+FFFD
// each (a lead byte with a trail byte out of range: the lead byte alone); an
// unfinished character at the very end is dropped.
QString DecodeGbk(QByteArrayView bytes);

} // namespace pellumo
