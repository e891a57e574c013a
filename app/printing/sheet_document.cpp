#include "app/printing/sheet_document.h"

#include "platform/atomic_file.h"
#include "platform/file_error_text.h"

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
#include <limits>

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
constexpr qreal TablePoints = 9;      // 小五

// On the first block of a group of the sheet that must not be split across
// pages: the document position where the group ends.
constexpr int KeptUntilProperty = QTextFormat::UserProperty + 1;

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

// Chinese text wraps well between any two characters; figures, dates and
// formulas would break inside a number.
bool WrapsWell(const QString &text)
{
    int chinese = 0;
    for (QChar c : text)
        chinese += c.unicode() >= 0x2E80 ? 1 : 0;
    return chinese > 2;
}

// The share of the width (in percent) each column gets: the columns whose
// texts would break inside a number get the width of their longest text;
// the others share what is left in proportion to their longest texts. When
// the first do not fit, or there are no others, all columns share in
// proportion.
QList<qreal> ColumnShares(const QStringList &header, const QList<QStringList> &rows, int columns,
                          const QFont &font, const QFont &headerFont, QPaintDevice *device, qreal width)
{
    const QFontMetricsF metrics(font, device);
    const QFontMetricsF headerMetrics(headerFont, device);
    const qreal padding = 2 * CellPadding * device->logicalDpiX() / 96.0 + metrics.averageCharWidth();
    QList<qreal> natural(columns, 0);
    QList<bool> wraps(columns, false);
    for (int column = 0; column < columns; ++column)
        natural[column] = headerMetrics.horizontalAdvance(header.value(column)) + padding;
    for (const QStringList &row : rows) {
        for (int column = 0; column < std::min<int>(columns, int(row.size())); ++column) {
            natural[column] = std::max(natural[column], metrics.horizontalAdvance(row[column]) + padding);
            wraps[column] = wraps[column] || WrapsWell(row[column]);
        }
    }
    qreal fixed = 0;
    qreal flexible = 0;
    for (int column = 0; column < columns; ++column)
        (wraps[column] ? flexible : fixed) += natural[column];
    QList<qreal> shares;
    const qreal left = width - fixed;
    const bool fits = flexible > 0 ? left > 0.25 * flexible : left >= 0;
    const qreal total = fixed + flexible;
    for (int column = 0; column < columns; ++column) {
        qreal share = natural[column];
        if (!fits)
            share = natural[column] * width / total;
        else if (total <= width && flexible == 0)
            share = natural[column] * width / total;  // room to spare: spread over all
        else if (wraps[column])  // room to spare or not: the Chinese columns take what is left
            share = natural[column] * left / flexible;
        shares.append(100.0 * share / width);
    }
    return shares;
}

class SheetWriter
{
public:
    // `device` and `width` measure the texts of the tables; without a
    // device the table columns take the widths Qt gives them.
    SheetWriter(QTextDocument *document, QPaintDevice *device, qreal width)
        : m_cursor(document), m_device(device), m_width(width)
    {
    }

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

    // Label and value in two columns, without a header; the last
    // `emphasised` rows in bold.
    void pairs(const QList<SheetLine> &lines, int emphasised = 0)
    {
        if (lines.isEmpty())
            return;
        QList<QStringList> rows;
        for (const SheetLine &line : lines)
            rows.append({line.label, line.value});
        TableStyle style;
        style.widths = {30, 70};
        style.figuresRight = false;
        style.boldFrom = int(rows.size()) - emphasised;
        table({}, rows, style);
    }

    // What is written between keepTogether() and the next call stays on one
    // page when it fits on one (PaintSheet moves it to the next).
    void keepTogether()
    {
        m_keptFrom = m_cursor.position() + 1;  // the block the next heading or line opens
    }

    void endKeepTogether()
    {
        QTextCursor first(m_cursor.document());
        first.setPosition(m_keptFrom);
        QTextBlockFormat format = first.blockFormat();
        format.setProperty(KeptUntilProperty, m_cursor.position());
        first.setBlockFormat(format);
    }

    struct TableStyle {
        QList<qreal> widths;        // percentages; empty: from the texts
        bool figuresRight = true;   // amounts and counts at the right
        int boldFrom = -1;          // the first row (after the header) in bold; -1 for none
        qreal points = BodyPoints;
    };

    // A table with borders; the header row repeats on every page.
    void table(const QStringList &header, const QList<QStringList> &rows, TableStyle style)
    {
        qsizetype columns = header.size();
        for (const QStringList &row : rows)
            columns = std::max(columns, row.size());
        if (columns == 0)
            return;
        const int headerRows = header.isEmpty() ? 0 : 1;
        const QFont font = SheetFont(BodyFamilies, style.points);
        const QFont headerFont = SheetFont(HeadingFamilies, style.points, true);
        if (style.widths.isEmpty() && m_device && m_width > 0)
            style.widths = ColumnShares(header, rows, int(columns), font, headerFont, m_device, m_width);

        QTextTableFormat format;
        format.setBorderCollapse(true);
        format.setBorder(1.5);  // collapsed: a grid of one pixel and an outer border
        format.setBorderBrush(Qt::black);
        format.setCellPadding(CellPadding);
        format.setCellSpacing(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(headerRows);
        format.setTopMargin(4);
        QList<QTextLength> constraints;
        for (qreal width : style.widths)
            constraints.append(QTextLength(QTextLength::PercentageLength, width));
        format.setColumnWidthConstraints(constraints);
        QTextTable *table = m_cursor.insertTable(int(rows.size()) + headerRows, int(columns), format);

        const QTextCharFormat plain = CharFormat(BodyFamilies, style.points);
        const QTextCharFormat bold = CharFormat(HeadingFamilies, style.points, true);
        auto fill = [&](int row, const QStringList &cells, bool isHeader, bool isBold) {
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
                block.setAlignment(isHeader                                ? Qt::AlignHCenter
                                   : style.figuresRight && IsFigure(text) ? Qt::AlignRight
                                                                          : Qt::AlignLeft);
                at.setBlockFormat(block);
                // The cell's own format is its first block's char format:
                // only the text gets a char format here.
                at.insertText(text, isHeader || isBold ? bold : plain);
            }
        };
        if (headerRows != 0)
            fill(0, header, true, false);
        for (int row = 0; row < rows.size(); ++row)
            fill(row + headerRows, rows[row], false, style.boldFrom >= 0 && row >= style.boldFrom);
        m_cursor.movePosition(QTextCursor::End);
    }

private:
    QTextCursor m_cursor;
    QPaintDevice *m_device;
    qreal m_width;
    int m_keptFrom = 0;
};

QString LongDay(const QDate &day)
{
    return QStringLiteral("%1年%2月%3日").arg(day.year()).arg(day.month()).arg(day.day());
}

// Where the rows of a table end, in document coordinates: what is needed to
// close a table at a page break. At a break, Qt stretches the last row of
// the page down to the foot, which would read as an empty row.
struct TableRows {
    qreal left = 0;
    qreal right = 0;
    QList<QPair<qreal, qreal>> rows;  // top and bottom of each row's text, with its padding
};

QList<TableRows> MeasureTables(QTextDocument *document, qreal padding)
{
    QList<TableRows> tables;
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    const QList<QTextFrame *> frames = document->rootFrame()->childFrames();
    for (QTextFrame *frame : frames) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        TableRows measured{std::numeric_limits<qreal>::max(), std::numeric_limits<qreal>::lowest(), {}};
        for (int row = 0; row < table->rows(); ++row) {
            qreal top = std::numeric_limits<qreal>::max();
            qreal bottom = std::numeric_limits<qreal>::lowest();
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                for (QTextBlock block = cell.firstCursorPosition().block();
                     block.isValid() && block.position() <= cell.lastCursorPosition().position();
                     block = block.next()) {
                    const QRectF rect = layout->blockBoundingRect(block);
                    top = std::min(top, rect.top());
                    bottom = std::max(bottom, rect.bottom());
                    measured.left = std::min(measured.left, rect.left() - padding);
                    measured.right = std::max(measured.right, rect.right() + padding);
                }
            }
            measured.rows.append({top - padding, bottom + padding});
        }
        tables.append(measured);
    }
    return tables;
}

// Closes each table that the page `view` breaks: a rule under its last row
// on the page, and nothing of the stretched row below it.
void CloseBrokenTables(QPainter &painter, const QList<TableRows> &tables, const QRectF &view, qreal ruleWidth)
{
    for (const TableRows &table : tables) {
        qsizetype last = -1;
        for (qsizetype row = 0; row < table.rows.size(); ++row) {
            if (table.rows[row].first >= view.top() && table.rows[row].first < view.bottom())
                last = row;
        }
        if (last < 0 || last + 1 >= table.rows.size() || table.rows[last + 1].first < view.bottom())
            continue;  // not on this page, or ends on it
        // Nothing of the document follows a table on the page that breaks
        // it: all below the rule goes.
        const qreal y = table.rows[last].second;
        painter.fillRect(QRectF(view.left() - view.width(), y + ruleWidth / 2, 3 * view.width(), view.bottom() - y),
                         Qt::white);
        painter.setPen(QPen(Qt::black, ruleWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QLineF(table.left - ruleWidth, y, table.right + ruleWidth, y));
    }
}

// The top and bottom of the laid-out text from `from` up to `until`,
// table cells included.
QPair<qreal, qreal> Extent(QTextDocument *document, int from, int until)
{
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    qreal top = std::numeric_limits<qreal>::max();
    qreal bottom = std::numeric_limits<qreal>::lowest();
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() <= until;
         block = block.next()) {
        const QRectF rect = layout->blockBoundingRect(block);
        top = std::min(top, rect.top());
        bottom = std::max(bottom, rect.bottom());
    }
    return {top, bottom};
}

// Starts each group marked by SheetWriter::keepTogether() on a new page when
// the page it begins on cannot hold it and a page can. In document order:
// moving one group moves all that follows.
void KeepGroupsTogether(QTextDocument *document)
{
    const qreal pageHeight = document->pageSize().height();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (!format.hasProperty(KeptUntilProperty))
            continue;
        const auto [top, bottom] = Extent(document, block.position(), format.intProperty(KeptUntilProperty));
        const bool fitsOnAPage = bottom - top <= pageHeight;
        if (fitsOnAPage && int(top / pageHeight) != int((bottom - 1) / pageHeight)) {
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(block).setBlockFormat(format);
        }
    }
}

} // namespace

std::unique_ptr<QTextDocument> LayOutSheet(const CalculationSheet &sheet, QPaintDevice *device)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(SheetFont(BodyFamilies, BodyPoints));
    document->setDocumentMargin(0);
    document->setUndoRedoEnabled(false);

    SheetWriter out(document.get(), device, device ? device->width() : 0);
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
        // Wide tables in 小五 so that dates and amounts keep to one line.
        SheetWriter::TableStyle style;
        style.points = table.header.size() > 4 ? TablePoints : BodyPoints;
        out.table(table.header, table.rows, style);
    }

    // The results, the notes and the like are read as one: each with its
    // heading on one page.
    out.keepTogether();
    out.heading(QStringLiteral("计算结果"));
    QList<SheetLine> results = sheet.results;
    const QString totalLabel = sheet.totalLabel.isEmpty() ? QStringLiteral("合计") : sheet.totalLabel;
    if (sheet.showsTotal) {
        results.append({totalLabel + QStringLiteral("（小写）"), MoneyToFigures(sheet.total) + QStringLiteral("元")});
        results.append({totalLabel + QStringLiteral("（大写）"), QStringLiteral("人民币") + MoneyToRmbCapitals(sheet.total)});
    }
    out.pairs(results, 2);
    out.endKeepTogether();

    const QList<QPair<QString, QStringList>> sections = {{QStringLiteral("说明"), sheet.notes},
                                                         {QStringLiteral("法律依据"), sheet.legalBasis},
                                                         {QStringLiteral("计算选项"), sheet.choices}};
    for (const auto &[heading, lines] : sections) {
        if (lines.isEmpty())
            continue;
        out.keepTogether();
        out.heading(heading);
        out.numbered(lines);
        out.endKeepTogether();
    }
    if (!sheet.dataVersions.isEmpty()) {
        out.keepTogether();
        out.heading(QStringLiteral("数据版本"));
        out.paragraph(sheet.dataVersions);
        out.endKeepTogether();
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
    KeepGroupsTogether(document.get());
    const int pages = document->pageCount();
    // The table borders and paddings are in pixels of 1/96 inch.
    const qreal pixel = dpi / 96.0;
    const QList<TableRows> tables = MeasureTables(document.get(), CellPadding * pixel);

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
        CloseBrokenTables(painter, tables, view, 1.5 * pixel);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, body.height(), body.width(), footerHeight), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("第 %1 页 共 %2 页").arg(page + 1).arg(pages));
        // Above the text of the pages after the first, in the top margin
        // when it has room: whose sheet the page continues.
        if (page > 0 && paintRect.top() >= footerHeight) {
            const QRectF head(0, -footerHeight, body.width(), footerHeight * 0.75);
            painter.drawText(head, Qt::AlignLeft | Qt::AlignBottom, sheet.title + QStringLiteral("（续）"));
            if (!sheet.caseNumber.trimmed().isEmpty())
                painter.drawText(head, Qt::AlignRight | Qt::AlignBottom, sheet.caseNumber.trimmed());
            painter.setPen(QPen(Qt::black, dpi / 150.0));
            painter.drawLine(QLineF(0, head.bottom() + dpi / 60.0, body.width(), head.bottom() + dpi / 60.0));
        }
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
    const QString what = QStringLiteral("PDF文件");
    const bool existed = QFileInfo(path).isFile();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteFailureText(what, path, {file.error(), file.errorString()}, existed);
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(25, 20, 20, 15), QPageLayout::Millimeter));
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Pellumo"));
        if (PaintSheet(sheet, &writer) == 0) {
            // The writer reports a failed write only as a page it could not
            // finish; the file's own error says why.
            const FileFault fault{file.error(), file.errorString()};
            file.cancelWriting();
            if (fault.error != QFileDevice::NoError)
                return WriteFailureText(what, path, fault, existed);
            return WriteFailureText(what, path, QStringLiteral("生成PDF时出错"), existed);
        }
    }
    FileFault fault;
    if (!CommitSaveFile(file, &fault))
        return WriteFailureText(what, path, fault, existed);
    return {};
}

} // namespace pellumo
