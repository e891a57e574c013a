#pragma once

// Files as the tests place and read them: bytes written and read whole, and
// text in GBK, the encoding of the program's settings files, through the
// platform's converter. Qt Core and pellumo_platform only, so that the
// library tests can use it as well as the window tests.

#include "platform/gbk_text.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

namespace pellumo::testing {

// Stops the test program for text GBK lacks: such a file is no settings file.
inline QByteArray Gbk(const QString &text)
{
    const auto bytes = EncodeGbk(text);
    if (!bytes)
        qFatal("no GBK for %s", qPrintable(text));
    return *bytes;
}

// Creates or overwrites the file; false when it could not be written whole.
inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Makes `path` hold exactly `bytes`, or no file at all for the null byte
// array, and returns it; stops the test program when the file cannot be written.
inline QString PlaceFile(const QString &path, const QByteArray &bytes)
{
    QFile::remove(path);
    if (!bytes.isNull() && !WriteBytes(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// The whole file; the null byte array when it cannot be opened.
inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace pellumo::testing
