#include "app/printing/sheet_document.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace pellumo {
namespace {

// TrueType outlines, which the PDF writer embeds as text (a font with
// PostScript outlines would be drawn as paths): a 宋体-like face for the
// text and a 黑体-like face for the headings.
const QStringList BodyFamilies = {QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Micro Hei")};
const QStringList HeadingFamilies = {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("AR PL UMing CN")};

constexpr qreal BodyPoints = 10.5;    // 五号
constexpr qreal TitlePoints = 18;     // 小二
constexpr qreal HeadingPoints = 12;   // 小四
constexpr qreal FooterPoints = 9;     // 小五

// Lengths of frames and tables are in the layout's pixels of 1/96 inch.
constexpr qreal CellPadding = 4;
constexpr qreal SectionGap = 10;

QFont SheetFont(const QStringList &families, qreal points, bool bold = false)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setKerning(false);
    return font;
}

QTextCharFormat CharFormat(const QStringList &families, qreal points, bool bold = false)
{
    QTextCharFormat format;
    format.setFont(SheetFont(families, points, bold), QTextCharFormat::FontPropertiesAll);
    return format;
}

// Amounts, rates and counts stand at the right of their cells.
bool IsFigure(const QString &text)
{
    static const QRegularExpression figure(
        QStringLiteral(R"(^[-+]?[0-9][0-9,]*(\.[0-9]+)?\s*(元|%|‰|天|日|个月|年)?$)"));
    return figure.match(text.trimmed()).hasMatch();
}

class SheetWriter
{
public:
    explicit SheetWriter(QTextDocument *document) : m_cursor(document) {}

    void title(const QString &text)
    {
        QTextBlockFormat block;
        block.setAlignment(Qt::AlignHCenter);
        block.setBottomMargin(SectionGap);
        m_cursor.setBlockFormat(block);
        m_cursor.setBlockCharFormat(CharFormat(HeadingFamilies, TitlePoints, true));
        m_cursor.insertText(text);
    }

    void heading(const QString &text)
    {
        QTextBlockFormat block;
        block.setTopMargin(SectionGap);
        block.setBottomMargin(3);
        m_cursor.insertBlock(block, CharFormat(HeadingFamilies, HeadingPoints, true));
        m_cursor.insertText(text);
    }

    void paragraph(const QString &text, bool bold = false, Qt::Alignment alignment = Qt::AlignLeft)
    {
        QTextBlockFormat block;
        block.setAlignment(alignment);
        block.setLineHeight(125, QTextBlockFormat::ProportionalHeight);
        m_cursor.insertBlock(block, CharFormat(BodyFamilies, BodyPoints, bold));
        m_cursor.insertText(text);
    }

    // Numbered lines: "1. …", indented under their heading.
    void numbered(const QStringList &lines)
    {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QTextBlockFormat block;
            block.setLineHeight(125, QTextBlockFormat::ProportionalHeight);
            block.setLeftMargin(24);
            block.setTextIndent(-16);
            m_cursor.insertBlock(block, CharFormat(BodyFamilies, BodyPoints));
            m_cursor.insertText(lines.size() == 1 ? lines[i] : QStringLiteral("%1. %2").arg(i + 1).arg(lines[i]));
        }
    }

    // Label and value in two columns, without a header.
    void pairs(const QList<SheetLine> &lines)
    {
        if (lines.isEmpty())
            return;
        QList<QStringList> rows;
        for (const SheetLine &line : lines)
            rows.append({line.label, line.value});
        table({}, rows, {30, 70}, false);
    }

    // A table with borders; the header row repeats on every page.
    void table(const QStringList &header, const QList<QStringList> &rows, const QList<qreal> &widths = {},
               bool figuresRight = true)
    {
        qsizetype columns = header.size();
        for (const QStringList &row : rows)
            columns = std::max(columns, row.size());
        if (columns == 0)
            return;
        const int headerRows = header.isEmpty() ? 0 : 1;

        QTextTableFormat format;
        format.setBorderCollapse(true);
        format.setBorder(1.5);  // collapsed: a grid of one pixel and an outer border
        format.setBorderBrush(Qt::black);
        format.setCellPadding(CellPadding);
        format.setCellSpacing(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(headerRows);
        format.setTopMargin(4);
        if (!widths.isEmpty()) {
            QList<QTextLength> constraints;
            for (qreal width : widths)
                constraints.append(QTextLength(QTextLength::PercentageLength, width));
            format.setColumnWidthConstraints(constraints);
        }
        QTextTable *table = m_cursor.insertTable(int(rows.size()) + headerRows, int(columns), format);

        const QTextCharFormat plain = CharFormat(BodyFamilies, BodyPoints);
        const QTextCharFormat bold = CharFormat(HeadingFamilies, BodyPoints, true);
        auto fill = [&](int row, const QStringList &cells, bool isHeader) {
            for (int column = 0; column < columns; ++column) {
                const QString text = column < cells.size() ? cells[column] : QString();
                QTextTableCell cell = table->cellAt(row, column);
                if (isHeader) {
                    QTextCharFormat shade = cell.format();
                    shade.setBackground(QColor(0xe8, 0xe8, 0xe8));
                    cell.setFormat(shade);
                }
                QTextCursor at = cell.firstCursorPosition();
                QTextBlockFormat block;
                block.setAlignment(isHeader                            ? Qt::AlignHCenter
                                   : figuresRight && IsFigure(text) ? Qt::AlignRight
                                                                    : Qt::AlignLeft);
                at.setBlockFormat(block);
                // The cell's own format is its first block's char format:
                // only the text gets a char format here.
                at.insertText(text, isHeader ? bold : plain);
            }
        };
        if (headerRows != 0)
            fill(0, header, true);
        for (int row = 0; row < rows.size(); ++row)
            fill(row + headerRows, rows[row], false);
        m_cursor.movePosition(QTextCursor::End);
    }

private:
    QTextCursor m_cursor;
};

QString LongDay(const QDate &day)
{
    return QStringLiteral("%1年%2月%3日").arg(day.year()).arg(day.month()).arg(day.day());
}

} // namespace

std::unique_ptr<QTextDocument> LayOutSheet(const CalculationSheet &sheet, QPaintDevice *device)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(SheetFont(BodyFamilies, BodyPoints));
    document->setDocumentMargin(0);
    document->setUndoRedoEnabled(false);

    SheetWriter out(document.get());
    out.title(sheet.title);

    QList<SheetLine> head;
    if (!sheet.caseNumber.trimmed().isEmpty())
        head.append({QStringLiteral("案号"), sheet.caseNumber.trimmed()});
    if (!sheet.parties.trimmed().isEmpty())
        head.append({QStringLiteral("当事人"), sheet.parties.trimmed()});
    if (sheet.calculationDay.isValid())
        head.append({QStringLiteral("计算日期"), LongDay(sheet.calculationDay)});
    for (const SheetLine &line : head)
        out.paragraph(line.label + QStringLiteral("：") + line.value);

    if (!sheet.inputs.isEmpty()) {
        out.heading(QStringLiteral("计算条件"));
        out.pairs(sheet.inputs);
    }
    for (const SheetTable &table : sheet.tables) {
        out.heading(table.caption.isEmpty() ? QStringLiteral("计算过程") : table.caption);
        out.table(table.header, table.rows);
    }

    out.heading(QStringLiteral("计算结果"));
    QList<SheetLine> results = sheet.results;
    const QString totalLabel = sheet.totalLabel.isEmpty() ? QStringLiteral("合计") : sheet.totalLabel;
    results.append({totalLabel + QStringLiteral("（小写）"), MoneyToFigures(sheet.total) + QStringLiteral("元")});
    results.append({totalLabel + QStringLiteral("（大写）"), QStringLiteral("人民币") + MoneyToRmbCapitals(sheet.total)});
    out.pairs(results);

    if (!sheet.notes.isEmpty()) {
        out.heading(QStringLiteral("说明"));
        out.numbered(sheet.notes);
    }
    if (!sheet.legalBasis.isEmpty()) {
        out.heading(QStringLiteral("法律依据"));
        out.numbered(sheet.legalBasis);
    }
    if (!sheet.choices.isEmpty()) {
        out.heading(QStringLiteral("计算选项"));
        out.numbered(sheet.choices);
    }
    if (!sheet.dataVersions.isEmpty()) {
        out.heading(QStringLiteral("数据版本"));
        out.paragraph(sheet.dataVersions);
    }
    out.heading(QString());
    out.paragraph(QString::fromUtf16(SheetDisclaimer), true);
    // Laid out once, now that it is whole: a layout present while the
    // document is written would lay the tables out again at every cell.
    if (device)
        document->documentLayout()->setPaintDevice(device);
    return document;
}

int PaintSheet(const CalculationSheet &sheet, QPagedPaintDevice *device)
{
    const int dpi = device->logicalDpiY();
    const QRect paintRect = device->pageLayout().paintRectPixels(dpi);
    const QFont footerFont = SheetFont(BodyFamilies, FooterPoints);
    // The foot: a line of text and a gap of half a line above it.
    const qreal footerHeight = QFontMetricsF(footerFont, device).height() * 2;
    const QSizeF body(paintRect.width(), paintRect.height() - footerHeight);
    if (body.width() <= 0 || body.height() <= 0)
        return 0;

    std::unique_ptr<QTextDocument> document = LayOutSheet(sheet, device);
    document->setPageSize(body);
    const int pages = document->pageCount();

    QPainter painter;
    if (!painter.begin(device))
        return 0;
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device->newPage())
            return 0;
        painter.save();
        const QRectF view(0, page * body.height(), body.width(), body.height());
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        document->documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, body.height(), body.width(), footerHeight), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("第 %1 页 共 %2 页").arg(page + 1).arg(pages));
    }
    return painter.end() ? pages : 0;
}

QString SheetFileName(const CalculationSheet &sheet)
{
    static const QRegularExpression unfit(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])"));
    QString title = sheet.title.trimmed();
    title.replace(unfit, QStringLiteral("_"));
    if (title.isEmpty())
        title = QStringLiteral("计算结果");
    const QDate day = sheet.calculationDay.isValid() ? sheet.calculationDay : QDate::currentDate();
    return title + QLatin1Char('-') + day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".pdf");
}

QString WriteSheetPdf(const CalculationSheet &sheet, const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir())
        return QStringLiteral("无法保存“%1”：文件夹“%2”不存在。").arg(shown, QDir::toNativeSeparators(folder.filePath()));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("无法保存“%1”：%2").arg(shown, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(25, 20, 20, 15), QPageLayout::Millimeter));
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Pellumo"));
        if (PaintSheet(sheet, &writer) == 0) {
            file.cancelWriting();
            return QStringLiteral("无法保存“%1”：生成PDF失败。").arg(shown);
        }
    }
    if (!file.commit())
        return QStringLiteral("无法保存“%1”：%2").arg(shown, file.errorString());
    return {};
}

} // namespace pellumo
