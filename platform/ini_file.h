#pragma once

// INI files in code page 936 (GBK), the encoding of the program's two settings
// files. Qt's own settings class reads INI files as UTF-8 in Qt 6 and would
// garble them, so this small reader and writer works on the bytes itself.
//
// Reading follows the usual profile-file rules: section and key names compare
// without regard to case, blanks around a value are ignored, at most
// MaxValueLength characters of a value are returned, and a missing file,
// section or key gives the caller's default. The first section and the first
// key of a name win.
//
// A line ends at "\r\n", "\n" or a bare "\r", in reading and in writing alike.
//
// Writing changes only the lines of the keys written (or adds them, or adds
// the section, or creates the file); every other byte stays as it was, and
// every key reads back as written. New lines take the file's own line break.
// The file is replaced atomically, so a crash or a full disk never leaves it
// half written. A write that cannot be done returns false and changes
// nothing: the file cannot be read or written, or a name or value would not
// read back as it is (a line break, a character GBK lacks, blanks around it,
// "]" in a section name, "=" in a key, a key starting with "[" or ";", a
// value longer than MaxValueLength).

#include <QList>
#include <QPair>
#include <QString>

namespace pellumo {

inline constexpr int MaxValueLength = 2047;

// Files larger than this are not read (they are no settings file of ours);
// reads then give their defaults and writes fail.
inline constexpr qint64 MaxIniFileSize = 1024 * 1024;

QString ReadIniString(const QString &filePath, const QString &section, const QString &key,
                      const QString &defaultValue);

using IniValues = QList<QPair<QString, QString>>;  // key, value, in writing order

bool WriteIniStrings(const QString &filePath, const QString &section, const IniValues &values);

// The same read and write on the bytes of a file held in memory (a download
// being checked). SetIniStrings leaves content unchanged when it fails.
QString ReadIniStringFrom(const QByteArray &content, const QString &section, const QString &key,
                          const QString &defaultValue);
bool SetIniStrings(QByteArray &content, const QString &section, const IniValues &values);

} // namespace pellumo
