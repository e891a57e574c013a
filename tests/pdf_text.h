#pragma once

// Reads a PDF back with the poppler tools (poppler-utils): its text, page by
// page, and its fonts. Tests that need them skip when pdftotext is absent.

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace pellumo::testing {

inline bool HavePopplerTools()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The standard output of a poppler tool; empty when it fails.
inline QString RunPoppler(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text without blanks and line breaks: pdftotext puts blanks and breaks
// where the glyphs' positions suggest them, which says nothing about the text.
inline QString Squeezed(QString text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.remove(blanks);
}

// The squeezed text of page `page` (from 1), or of all pages for 0.
inline QString PdfText(const QString &path, int page = 0)
{
    QStringList arguments;
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    arguments << QStringLiteral("-enc") << QStringLiteral("UTF-8") << path << QStringLiteral("-");
    return Squeezed(RunPoppler(QStringLiteral("pdftotext"), arguments));
}

struct PdfFont {
    QString name;
    QString type;
    bool embedded = false;
};

// The rows of pdffonts: name, type and the "emb" column.
inline QList<PdfFont> PdfFonts(const QString &path)
{
    const QStringList lines = RunPoppler(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n'));
    QList<PdfFont> fonts;
    // Columns are fixed in width; the header's dashes give them.
    if (lines.size() < 2)
        return fonts;
    const QStringList dashes = lines[1].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<int> starts;
    int at = 0;
    for (const QString &dash : dashes) {
        at = int(lines[1].indexOf(dash, at));
        starts.append(at);
        at += int(dash.size());
    }
    auto column = [&](const QString &line, int index) {
        const int from = starts.value(index);
        const int to = index + 1 < starts.size() ? starts[index + 1] : int(line.size());
        return line.mid(from, to - from).trimmed();
    };
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        // name, type, encoding, emb, sub, uni, object ID
        fonts.append({column(lines[i], 0), column(lines[i], 1), column(lines[i], 3) == QLatin1String("yes")});
    }
    return fonts;
}

} // namespace pellumo::testing
