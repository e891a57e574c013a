#pragma once
// The two buttons of a window that prints a calculation.
#include "app/printing/calculation_sheet.h"
#include "app/services/page_services.h"

#include <functional>
#include <optional>

class QAbstractButton;

namespace pellumo {

struct SheetButtonOptions {
    // Ask for 案号 and 当事人 before printing (a window without fields of its
    // own for them); the answers fill the sheet's caseNumber and parties and
    // are offered again the next time.
    bool askCaseDetails = false;
};

// "打印…" opens the print preview of the sheet (print or save as PDF from
// there); "导出PDF…" asks for a file name (the title and the day,
// "执行款计算-2026-12-08.pdf", in the folder last written to) and writes an A4
// PDF at 300 dpi, with a clear message and no partial file when it cannot.
// `makeSheet` gives nothing while the window shows no valid result; the
// buttons then say so.
void BindSheetButtons(QAbstractButton *print, QAbstractButton *exportPdf, const PageServices &services,
                      std::function<std::optional<CalculationSheet>()> makeSheet,
                      SheetButtonOptions options = {});

} // namespace pellumo
