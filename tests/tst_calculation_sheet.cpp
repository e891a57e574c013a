// The printed sheet: its PDF read back with the poppler tools, a table longer
// than a page, results kept on one page, a folder or disk that cannot take
// the file, and the two buttons as a window binds them.

#include "app/printing/case_details_dialog.h"
#include "app/printing/sheet_actions.h"
#include "app/printing/sheet_document.h"
#include "tests/gui_harness.h"
#include "tests/modal_dialog.h"
#include "tests/file_size_limit.h"
#include "tests/pdf_text.h"

#include <QDir>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QVBoxLayout>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

const QStringList LedgerHeader = {QStringLiteral("序号"), QStringLiteral("还款日期"), QStringLiteral("还款金额(元)"),
                                  QStringLiteral("抵充利息(元)"), QStringLiteral("抵充本金(元)"),
                                  QStringLiteral("尚欠本金(元)")};

// A ledger of `credits` repayments, each row with its own text ("第37笔").
CalculationSheet Ledger(int credits)
{
    CalculationSheet sheet;
    sheet.title = QStringLiteral("执行款计算");
    sheet.caseNumber = QStringLiteral("（2026）京0105执1234号");
    sheet.parties = QStringLiteral("申请执行人甲公司，被执行人乙公司");
    sheet.calculationDay = QDate(2026, 12, 8);
    sheet.inputs = {{QStringLiteral("申请执行标的"), QStringLiteral("200000.00元")}};
    SheetTable table{QStringLiteral("还款及抵充明细"), LedgerHeader, {}};
    for (int i = 1; i <= credits; ++i) {
        table.rows.append({QStringLiteral("第%1笔").arg(i), QDate(2025, 1, 1).addDays(i).toString(Qt::ISODate),
                           QStringLiteral("1000.00"), QStringLiteral("120.50"), QStringLiteral("879.50"),
                           QStringLiteral("%1.00").arg(200000 - i * 880)});
    }
    sheet.tables = {table};
    sheet.results = {{QStringLiteral("尚欠本金"), QStringLiteral("12000.00元")}};
    sheet.totalLabel = QStringLiteral("合计尚欠");
    sheet.total = Money::fraction(2142583, 100);  // 21425.83
    sheet.notes = {QStringLiteral("各期利息四舍五入至分。")};
    sheet.legalBasis = {QStringLiteral("《最高人民法院关于执行程序中计算迟延履行期间的债务利息适用法律若干问题的解释》")};
    sheet.choices = {QStringLiteral("还款先抵充利息，后抵充本金")};
    sheet.dataVersions = QStringLiteral("利率数据第3版，截至2026-11-20；节假日数据2026年版");
    return sheet;
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// A window with the two buttons, bound as the ledger and fee windows bind
// them, on a folder with no boxes or file dialogs recorded yet.
struct SheetWindow {
    SheetWindow(TestFolder &folder, std::function<std::optional<CalculationSheet>()> makeSheet,
                SheetButtonOptions options = {})
        : folder(folder)
    {
        folder.boxes.boxes.clear();
        folder.fileDialogs.asked.clear();
        services.messageBoxes = &folder.boxes;
        services.fileDialogs = &folder.fileDialogs;
        auto *layout = new QVBoxLayout(&window);
        print = new QPushButton(QStringLiteral("打印…"), &window);
        exportPdf = new QPushButton(QStringLiteral("导出PDF…"), &window);
        layout->addWidget(print);
        layout->addWidget(exportPdf);
        BindSheetButtons(print, exportPdf, services, std::move(makeSheet), options);
        window.show();
    }

    // 导出PDF… answered with `path`.
    void exportTo(const QString &path)
    {
        folder.fileDialogs.answers = {path};
        QTest::mouseClick(exportPdf, Qt::LeftButton);
    }

    TestFolder &folder;
    PageServices services;
    QWidget window;
    QPushButton *print;
    QPushButton *exportPdf;
};

} // namespace

class CalculationSheetTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void sheetReadsBackWithItsFontEmbedded();
    void longTableRepeatsItsHeaderOnEveryPage();
    void resultsNeverSplitAcrossPages();
    void unwritableFolderLeavesNoFile_data();
    void unwritableFolderLeavesNoFile();
    void exportOffersTitleAndDayInLastFolder();
    void buttonsWithAndWithoutResult();
    void caseDetailsAreAskedAndPrinted();

private:
    TestFolder m_folder;
};

void CalculationSheetTest::init()
{
    if (!HavePopplerTools())
        QSKIP("pdftotext (poppler-utils) is not installed");
}

void CalculationSheetTest::sheetReadsBackWithItsFontEmbedded()
{
    const QString path = m_folder.filePath(QStringLiteral("short.pdf"));
    QCOMPARE(WriteSheetPdf(Ledger(3), path), QString());
    const QString text = PdfText(path);
    for (const QString &expected :
         {QStringLiteral("执行款计算"), QStringLiteral("案号：（2026）京0105执1234号"),
          QStringLiteral("当事人：申请执行人甲公司，被执行人乙公司"), QStringLiteral("计算日期：2026年12月8日"),
          QStringLiteral("申请执行标的200000.00元"), QStringLiteral("第1笔"), QStringLiteral("第3笔"),
          QStringLiteral("尚欠本金12000.00元"), QStringLiteral("合计尚欠（小写）21425.83元"),
          QStringLiteral("合计尚欠（大写）人民币贰万壹仟肆佰贰拾伍元捌角叁分"), QStringLiteral("各期利息四舍五入至分。"),
          QStringLiteral("还款先抵充利息，后抵充本金"), QStringLiteral("利率数据第3版，截至2026-11-20"),
          QStringLiteral("本计算结果仅供参考，以人民法院的生效法律文书为准。"), QStringLiteral("第1页共1页")})
        QVERIFY2(text.contains(Squeezed(expected)), qPrintable(expected));
    // Every font embedded, none a Type 3 bitmap, a Chinese one among them.
    bool chinese = false;
    for (const PdfFont &font : PdfFonts(path)) {
        QVERIFY2(font.embedded && font.type != QLatin1String("Type 3"), qPrintable(font.name));
        chinese = chinese || font.name.contains(QStringLiteral("UMing")) || font.name.contains(QStringLiteral("MicroHei"));
    }
    QVERIFY(chinese);
    // Empty 案号 and 当事人 leave no line behind.
    CalculationSheet anonymous = Ledger(3);
    anonymous.caseNumber.clear();
    anonymous.parties = QStringLiteral("  ");
    QCOMPARE(WriteSheetPdf(anonymous, path), QString());
    QVERIFY(!PdfText(path).contains(QStringLiteral("案号")) && !PdfText(path).contains(QStringLiteral("当事人")));
}

void CalculationSheetTest::longTableRepeatsItsHeaderOnEveryPage()
{
    const QString path = m_folder.filePath(QStringLiteral("long.pdf"));
    QCOMPARE(WriteSheetPdf(Ledger(100), path), QString());
    // The footer of page 1 names the number of pages.
    const int pages = QRegularExpression(QStringLiteral("第1页共(\\d+)页")).match(PdfText(path, 1)).captured(1).toInt();
    QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));  // ~30 rows to an A4 page

    QString all;
    int pagesWithRows = 0;
    for (int page = 1; page <= pages; ++page) {
        const QString text = PdfText(path, page);
        QVERIFY2(text.contains(QStringLiteral("第%1页共%2页").arg(page).arg(pages)), qPrintable(text.right(40)));
        QCOMPARE(text.contains(QStringLiteral("执行款计算（续）")), page > 1);
        static const QRegularExpression row(QStringLiteral("第\\d+笔"));
        if (text.contains(row)) {
            ++pagesWithRows;
            for (const QString &cell : LedgerHeader)
                QVERIFY2(text.count(cell) == 1, qPrintable(QStringLiteral("%1 on page %2").arg(cell).arg(page)));
        }
        all += text;
    }
    QVERIFY(pagesWithRows >= 3);
    QVERIFY(PdfText(path, pages + 1).isEmpty());
    // Every row once, none lost at a page break.
    for (int i = 1; i <= 100; ++i)
        QCOMPARE(all.count(QStringLiteral("第%1笔").arg(i)), 1);
}

// The totals in figures and in capitals, with their heading, on one page
// however long the table above them: a property over table lengths that
// move the results across the foot of the first and second pages.
void CalculationSheetTest::resultsNeverSplitAcrossPages()
{
    const QString path = m_folder.filePath(QStringLiteral("results.pdf"));
    QSet<int> resultPages;
    for (int credits = 20; credits <= 80; credits += 3) {
        QCOMPARE(WriteSheetPdf(Ledger(credits), path), QString());
        const QStringList pages =
            RunPoppler(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                                                     QStringLiteral("-")}).split(QLatin1Char('\f'));
        int holding = 0;
        for (int page = 0; page < pages.size(); ++page) {
            const QString text = Squeezed(pages[page]);
            const int parts = int(text.contains(QStringLiteral("尚欠本金12000.00元"))) +
                              int(text.contains(QStringLiteral("合计尚欠（小写）"))) +
                              int(text.contains(QStringLiteral("合计尚欠（大写）")));
            QVERIFY2(parts == 0 || parts == 3,
                     qPrintable(QStringLiteral("%1 credits: page %2 holds part of the results").arg(credits).arg(page + 1)));
            holding = parts == 3 ? page + 1 : holding;
        }
        QVERIFY(holding > 0);
        resultPages.insert(holding);
    }
    QVERIFY(resultPages.size() >= 2);  // the lengths did carry the results over a page break
}

void CalculationSheetTest::unwritableFolderLeavesNoFile_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("earlier");     // a PDF of that name is there
    QTest::addColumn<qint64>("sizeLimit"); // RLIMIT_FSIZE; 0: none
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << QStringLiteral("missing") << false << qint64(0) << QStringLiteral("不存在");
    QTest::newRow("a regular file in the folder's place")
        << QStringLiteral("notes.txt") << false << qint64(0) << QStringLiteral("不是文件夹");
    QTest::newRow("full disk, the earlier PDF kept")
        << QStringLiteral(".") << true << qint64(2048) << QStringLiteral("磁盘已满");
}

void CalculationSheetTest::unwritableFolderLeavesNoFile()
{
    QFETCH(QString, folder);
    QFETCH(bool, earlier);
    QFETCH(qint64, sizeLimit);
    QTemporaryDir root;
    WriteBytes(QDir(root.path()).filePath(QStringLiteral("notes.txt")), "not a folder");
    const QString target = QDir(root.path()).filePath(folder + QStringLiteral("/执行款计算.pdf"));
    if (earlier)
        WriteBytes(target, "the earlier sheet");
    const QStringList before = Entries(root.path());
    SheetWindow window(m_folder, [] { return Ledger(3); });
    if (sizeLimit > 0 && !testing::FileSizeLimitAvailable)
        QSKIP(testing::NoFileSizeLimitHere);
    {
        const testing::FileSizeLimit limit(sizeLimit);
        window.exportTo(target);
    }

    QCOMPARE(m_folder.boxes.boxes.size(), 1);
    const RecordedBox &box = m_folder.boxes.boxes.first();
    QCOMPARE(box.icon, MessageBoxes::Icon::Error);
    QFETCH(QString, reason);
    for (const QString &expected : {QDir::toNativeSeparators(target), QStringLiteral("无法保存PDF文件"), reason})
        QVERIFY2(box.text.contains(expected), qPrintable(box.text));
    QCOMPARE(box.text.contains(QStringLiteral("原有文件未作改动")), earlier);
    // Chinese throughout: no English words of the system's beside the paths.
    static const QRegularExpression paths(QStringLiteral("“[^”]*”"));
    static const QRegularExpression english(QStringLiteral("[A-Za-z]{4,}"));  // "PDF" aside
    QVERIFY2(!QString(box.text).remove(paths).contains(english), qPrintable(box.text));
    QCOMPARE(Entries(root.path()), before);
    if (earlier)
        QCOMPARE(ReadBytes(target), QByteArray("the earlier sheet"));
}

void CalculationSheetTest::exportOffersTitleAndDayInLastFolder()
{
    SheetWindow window(m_folder, [] { return Ledger(3); });
    QTemporaryDir target;
    window.exportTo(QDir(target.path()).filePath(QStringLiteral("给当事人")));  // ".pdf" added
    QCOMPARE(m_folder.fileDialogs.asked.size(), 1);
    QCOMPARE(QFileInfo(m_folder.fileDialogs.asked[0].offered).fileName(), QStringLiteral("执行款计算-2026-12-08.pdf"));
    QVERIFY(m_folder.boxes.boxes.isEmpty());
    QCOMPARE(Entries(target.path()), QStringList{QStringLiteral("给当事人.pdf")});
    QVERIFY(PdfText(QDir(target.path()).filePath(QStringLiteral("给当事人.pdf"))).contains(QStringLiteral("第3笔")));

    // The next export starts in the folder just used; cancelling writes nothing.
    QTest::mouseClick(window.exportPdf, Qt::LeftButton);
    QCOMPARE(m_folder.fileDialogs.asked.size(), 2);
    QCOMPARE(m_folder.fileDialogs.asked[1].offered,
             QDir(target.path()).filePath(QStringLiteral("执行款计算-2026-12-08.pdf")));
    QCOMPARE(Entries(target.path()).size(), 1);
}

// Without a result either button says so; with one, 打印… opens the preview.
void CalculationSheetTest::buttonsWithAndWithoutResult()
{
    SheetWindow empty(m_folder, [] { return std::optional<CalculationSheet>(); });
    for (QPushButton *button : {empty.print, empty.exportPdf}) {
        m_folder.boxes.boxes.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_folder.boxes.boxes.size(), 1);
        QCOMPARE(m_folder.boxes.boxes[0].icon, MessageBoxes::Icon::Information);
    }
    QVERIFY(m_folder.fileDialogs.asked.isEmpty());
    SheetWindow window(m_folder, [] { return Ledger(40); });
    QString title;
    WhenModal<QPrintPreviewDialog>([&title](QPrintPreviewDialog *dialog) {
        title = dialog->windowTitle();
        dialog->reject();
    });
    QTest::mouseClick(window.print, Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("打印预览 - 执行款计算"));
}

void CalculationSheetTest::caseDetailsAreAskedAndPrinted()
{
    SheetWindow window(m_folder, [] {
        CalculationSheet sheet = Ledger(2);
        sheet.caseNumber.clear();
        sheet.parties.clear();
        return sheet;
    }, SheetButtonOptions{true});
    QTemporaryDir target;
    const QString path = QDir(target.path()).filePath(QStringLiteral("a.pdf"));

    // Cancelled: no file dialog.
    WhenModal<CaseDetailsDialog>([](CaseDetailsDialog *dialog) { dialog->reject(); });
    QTest::mouseClick(window.exportPdf, Qt::LeftButton);
    QVERIFY(m_folder.fileDialogs.asked.isEmpty());

    WhenModal<CaseDetailsDialog>([](CaseDetailsDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("caseNumber"))->setText(QStringLiteral("（2026）沪01民初8号"));
        dialog->findChild<QLineEdit *>(QStringLiteral("parties"))->setText(QStringLiteral("原告丙，被告丁"));
        dialog->accept();
    });
    window.exportTo(path);
    const QString text = PdfText(path);
    QVERIFY(text.contains(Squeezed(QStringLiteral("案号：（2026）沪01民初8号"))) &&
            text.contains(Squeezed(QStringLiteral("当事人：原告丙，被告丁"))));

    // Offered again the next time.
    QString offered;
    WhenModal<CaseDetailsDialog>([&offered](CaseDetailsDialog *dialog) {
        offered = dialog->caseNumber();
        dialog->reject();
    });
    QTest::mouseClick(window.print, Qt::LeftButton);
    QCOMPARE(offered, QStringLiteral("（2026）沪01民初8号"));
}

QTEST_MAIN(CalculationSheetTest)
#include "tst_calculation_sheet.moc"
