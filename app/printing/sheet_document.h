#pragma once
// A calculation sheet on paper: the document, its pages on a printer or a
// PDF writer, and the PDF file.
#include "app/printing/calculation_sheet.h"

#include <QString>
#include <memory>

class QPagedPaintDevice;
class QPaintDevice;
class QTextDocument;

namespace pellumo {

// The line every sheet ends with.
inline constexpr char16_t SheetDisclaimer[] = u"本计算结果仅供参考，以人民法院的生效法律文书为准。";

// The sheet as a document laid out for `device` (its resolution decides the
// size of the fonts in pixels): title, 案号 and 当事人 when given, the
// calculation day, the inputs, each table with its header row repeated on
// every page it spans, the results, the total in figures and as "人民币…"
// capitals, the notes, the legal basis, the choices, the data versions and
// the closing line. Unpaginated until a page size is set.
std::unique_ptr<QTextDocument> LayOutSheet(const CalculationSheet &sheet, QPaintDevice *device);

// Paints the sheet onto the pages of `device` (a printer or a PDF writer),
// in its page layout, with "第 N 页 共 M 页" at the foot of every page and,
// in the top margin of the pages after the first, the title with "（续）"
// and the 案号.
// The number of pages, or 0 when the device could not be painted on.
int PaintSheet(const CalculationSheet &sheet, QPagedPaintDevice *device);

// The name a PDF of the sheet is offered under: the title and the
// calculation day, "执行款计算-2026-12-08.pdf"; characters a file name
// cannot hold become "_".
QString SheetFileName(const CalculationSheet &sheet);

// Writes the sheet as an A4 PDF at 300 dpi to `path`, through a temporary
// file in the same folder that takes the name only when complete: the file
// is either whole or not there. Empty when written, otherwise what went
// wrong, for the user.
QString WriteSheetPdf(const CalculationSheet &sheet, const QString &path);

} // namespace pellumo
