#include "dates/data_file.h"

#include <QFile>
#include <QStringDecoder>

// Q_INIT_RESOURCE declares a function of the global namespace, so it must be
// used outside ours.
static void InitDatesResourcesOnce()
{
    Q_INIT_RESOURCE(dates);
}

namespace pellumo {

void InitDatesResources()
{
    static const bool done = (InitDatesResourcesOnce(), true);
    Q_UNUSED(done);
}

std::optional<QByteArray> ReadWholeFile(const QString &filePath, qint64 maxSize)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(maxSize + 1);
    if (bytes.size() > maxSize || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::optional<QStringList> SplitDataLines(const QByteArray &bytes)
{
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeLast();   // what follows the final LF
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

std::optional<QDate> ParseDataDate(const QString &text)
{
    static const QString digitPositions = QStringLiteral("dddd-dd-dd");
    if (text.size() != digitPositions.size())
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool wantDigit = digitPositions[i] == QLatin1Char('d');
        const bool isDigit = text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
        if (wantDigit ? !isDigit : text[i] != QLatin1Char('-'))
            return std::nullopt;
    }
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace pellumo
