#pragma once

// Reading the dates library's tables: the files shipped as resources and the
// calendar file taken from the update server share one strict text form.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace pellumo {

// Makes the tables built into the dates library readable under ":/dates/".
void InitDatesResources();

// The whole file, or nullopt when it is missing, unreadable or larger than maxSize.
std::optional<QByteArray> ReadWholeFile(const QString &filePath, qint64 maxSize);

// The lines of UTF-8 text whose every line ends in LF (a CR before it is
// dropped). nullopt for bytes that are not UTF-8 or whose last line has no
// end, which is how a download cut off in mid-line shows.
std::optional<QStringList> SplitDataLines(const QByteArray &bytes);

// A day written exactly "YYYY-MM-DD"; nullopt for any other form or no such day.
std::optional<QDate> ParseDataDate(const QString &text);

} // namespace pellumo
