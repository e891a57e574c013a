#include "app/printing/sheet_actions.h"

#include "app/printing/case_details_dialog.h"
#include "app/printing/sheet_document.h"
#include "app/services/file_dialogs.h"
#include "app/services/message_boxes.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

namespace pellumo {
namespace {

// The folder the last PDF went to, for every window of this run; empty
// before the first (the dialog then starts in DialogStartFolder()).
QString &LastPdfFolder()
{
    static QString folder;
    return folder;
}

struct SheetSource {
    PageServices services;
    std::function<std::optional<CalculationSheet>()> makeSheet;
    SheetButtonOptions options;
    QString caseNumber;  // the last answers of the case details dialog
    QString parties;

    // The sheet to print, or nothing when there is none (said) or the user
    // cancelled.
    std::optional<CalculationSheet> take(QWidget *owner, const QString &caption)
    {
        std::optional<CalculationSheet> sheet = makeSheet();
        if (!sheet) {
            services.messageBoxes->show(owner, QStringLiteral("当前没有可打印的计算结果，请先完成计算。"), caption,
                                        MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
            return std::nullopt;
        }
        if (options.askCaseDetails) {
            CaseDetailsDialog dialog(owner);
            dialog.setCaseNumber(caseNumber);
            dialog.setParties(parties);
            if (dialog.exec() != QDialog::Accepted)
                return std::nullopt;
            caseNumber = dialog.caseNumber();
            parties = dialog.parties();
            sheet->caseNumber = caseNumber;
            sheet->parties = parties;
        }
        return sheet;
    }
};

void Preview(SheetSource &source, QWidget *owner)
{
    const std::optional<CalculationSheet> sheet = source.take(owner, QStringLiteral("打印"));
    if (!sheet)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(25, 20, 20, 15),
                                      QPageLayout::Millimeter));
    printer.setDocName(sheet->title);
    printer.setCreator(QStringLiteral("Pellumo"));
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("打印预览 - %1").arg(sheet->title));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&sheet](QPrinter *target) { PaintSheet(*sheet, target); });
    dialog.exec();
}

void ExportPdf(SheetSource &source, QWidget *owner)
{
    const QString caption = QStringLiteral("导出PDF");
    const std::optional<CalculationSheet> sheet = source.take(owner, caption);
    if (!sheet)
        return;
    const QString suggested = QDir(DialogStartFolder(LastPdfFolder())).filePath(SheetFileName(*sheet));
    QString path = source.services.fileDialogs->saveFileName(owner, caption, suggested,
                                                            QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    const QString error = WriteSheetPdf(*sheet, path);
    if (!error.isEmpty()) {
        source.services.messageBoxes->show(owner, error + QStringLiteral("\n请选择其他位置后重试。"), caption,
                                           MessageBoxes::Icon::Error, MessageBoxes::Buttons::Ok);
        return;
    }
    LastPdfFolder() = QFileInfo(path).absolutePath();
}

} // namespace

void BindSheetButtons(QAbstractButton *print, QAbstractButton *exportPdf, const PageServices &services,
                      std::function<std::optional<CalculationSheet>()> makeSheet, SheetButtonOptions options)
{
    auto source = std::make_shared<SheetSource>();
    source->services = services;
    source->makeSheet = std::move(makeSheet);
    source->options = options;
    if (print) {
        QObject::connect(print, &QAbstractButton::clicked, print,
                         [source, print] { Preview(*source, print->window()); });
    }
    if (exportPdf) {
        QObject::connect(exportPdf, &QAbstractButton::clicked, exportPdf,
                         [source, exportPdf] { ExportPdf(*source, exportPdf->window()); });
    }
}

} // namespace pellumo
