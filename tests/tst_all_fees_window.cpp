// The window 全部收费项目 alone on a temporary program folder, the fee-page
// buttons that open it, and its dialog 本地收费标准: one row per wiring.

#include "app/all_fees/all_fees_window.h"
#include "app/dialogs/base_amount_dialog.h"
#include "app/dialogs/local_standards_dialog.h"
#include "app/pages/acceptance_fee_page.h"
#include "app/pages/application_fee_page.h"
#include "fees/base_amounts.h"
#include "fees/local_standards.h"
#include "app/widgets/rejected_input_hint.h"
#include "tests/page_harness.h"
#include "tests/refused_keys.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

const QStringList ReductionChecks = {QStringLiteral("mediatedCheck"), QStringLiteral("simplifiedCheck"),
                                     QStringLiteral("counterclaimCheck")};

class Window : public PageFixture<AllFeesWindow>
{
public:
    QString fee() const { return control<QLabel>(QStringLiteral("feeFiguresLabel"))->text(); }
    QString capitals() const { return control<QLabel>(QStringLiteral("feeCapitalsLabel"))->text(); }
    QString steps() const { return control<QPlainTextEdit>(QStringLiteral("stepsView"))->toPlainText(); }
    QLineEdit *amount() const { return control<QLineEdit>(QStringLiteral("amountEdit")); }

    // Clicks the kind in the list, as a user chooses it.
    void choose(FeeKind kind) const
    {
        auto *list = control<QTreeWidget>(QStringLiteral("kindList"));
        const QList<QTreeWidgetItem *> found = list->findItems(FeeKindName(kind), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        list->scrollToItem(found[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
        QCOMPARE(page->currentKind(), kind);
    }

    void type(const QString &text) const
    {
        amount()->clear();
        amount()->setFocus();
        QTest::keyClicks(amount(), text);
    }

    // Opened on the kind, the amount typed when one is given.
    void start(FeeKind kind, const QString &typed = {})
    {
        open();
        choose(kind);
        if (!typed.isEmpty())
            type(typed);
    }

    void click(const QString &name) const { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }

    // 本地收费标准… clicked: its dialog.
    LocalStandardsDialog *localStandards() const
    {
        click(QStringLiteral("localStandardsButton"));
        return page->localStandardsDialog();
    }
};

void Save(LocalStandardsDialog *dialog)
{
    QTest::mouseClick(FindControl<QPushButton>(dialog, QStringLiteral("saveButton")), Qt::LeftButton);
}

}  // namespace

class AllFeesWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choosingAKindEnablesItsFields();
    void typingRecomputesTheFee();
    void aReductionHalves_data();
    void aReductionHalves();
    void badInputShowsAMessageInPlaceOfTheFee();
    void copyPutsTheWholeCalculationOnTheClipboard();
    void sheetOfTheFee();
    void exportPdfWritesTheSheet();
    void feePageButtonOpensTheWindow_data();
    void feePageButtonOpensTheWindow();
    void baseAmountsAreOneSettingWithTheAcceptancePage();
    void dialogSaves_data();
    void dialogSaves();
    void dialogFieldRefusesWithHint();
};

// A kind with neither amount nor reductions disables both; a heading chooses nothing.
void AllFeesWindowTest::choosingAKindEnablesItsFields()
{
    Window window;
    window.start(FeeKind::Property);
    window.choose(FeeKind::NoAcceptanceFee);
    QVERIFY(!window.amount()->isEnabled());
    for (const QString &name : ReductionChecks)
        QVERIFY(!window.control<QCheckBox>(name)->isEnabled());
    auto *list = window.control<QTreeWidget>(QStringLiteral("kindList"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
    QCOMPARE(window.page->currentKind(), FeeKind::NoAcceptanceFee);
}

// 100000 on the property scale: 50 + 90000 × 2.5 % = 2300. Enter, as on the
// fee pages, empties the field and keeps the focus for the next amount.
void AllFeesWindowTest::typingRecomputesTheFee()
{
    Window window;
    window.start(FeeKind::Property, QStringLiteral("1000"));
    QTest::keyClicks(window.amount(), QStringLiteral("00"));
    QCOMPARE(window.fee(), QStringLiteral("2300.00元"));
    QCOMPARE(window.capitals(), QStringLiteral("人民币贰仟叁佰元整"));
    QVERIFY(window.steps().contains(QStringLiteral("90000元×2.5%＝2250元")));
    QCOMPARE(window.control<QLabel>(QStringLiteral("amountWordsLabel"))->text(), QStringLiteral("一十万元"));
    QTest::keyClick(window.amount(), Qt::Key_Return);
    QVERIFY(window.amount()->text().isEmpty() && window.amount()->hasFocus());
}

void AllFeesWindowTest::aReductionHalves_data()
{
    QTest::addColumn<QString>("check");
    for (const QString &check : ReductionChecks)
        QTest::addRow("%s", qPrintable(check)) << check;
}

void AllFeesWindowTest::aReductionHalves()
{
    QFETCH(QString, check);
    Window window;
    window.start(FeeKind::Property, QStringLiteral("100000"));
    window.click(check);
    QCOMPARE(window.fee(), QStringLiteral("1150.00元"));
}

// Unfinished input is left alone, letters are emptied as on the fee pages.
void AllFeesWindowTest::badInputShowsAMessageInPlaceOfTheFee()
{
    Window window;
    window.start(FeeKind::Property, QStringLiteral("100000"));
    for (const auto &[typed, left] : {std::pair{QStringLiteral("0."), QStringLiteral("0.")},
                                      std::pair{QStringLiteral("12a"), QString()}}) {
        window.type(typed);
        QCOMPARE(window.amount()->text(), left);
        QVERIFY2(window.fee().contains(QStringLiteral("请")), qPrintable(window.fee()));
        QVERIFY(window.capitals().isEmpty() && window.steps().isEmpty());
        QVERIFY(!window.control<QPushButton>(QStringLiteral("copyButton"))->isEnabled());
    }
}

void AllFeesWindowTest::copyPutsTheWholeCalculationOnTheClipboard()
{
    Window window;
    window.start(FeeKind::Property);
    // Typed as an input method delivers it: text, no key QTest can name.
    for (const auto &[field, text] :
         {std::pair{QStringLiteral("caseNumberEdit"), QStringLiteral("（2026）京0105民初1234号")},
          std::pair{QStringLiteral("partiesEdit"), QStringLiteral("张三诉李四")}})
        QTest::sendKeyEvent(QTest::Click, window.control<QLineEdit>(field), Qt::Key_unknown, text, {});
    window.type(QStringLiteral("100000"));
    window.click(QStringLiteral("mediatedCheck"));
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    window.click(QStringLiteral("copyButton"));

    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    for (const QString &expected : {QStringLiteral("案号：（2026）京0105民初1234号"), QStringLiteral("当事人：张三诉李四"),
                                    QStringLiteral("减半情形：以调解方式结案或者当事人申请撤诉（第十五条）"),
                                    QStringLiteral("应交费用：1150.00元")})
        QVERIFY2(lines.contains(expected), qPrintable(expected));
}

// 100000, mediated, as 打印… and 导出PDF… lay it out: 50 + 2250, halved: 1150 deducted.
void AllFeesWindowTest::sheetOfTheFee()
{
    Window window;
    window.start(FeeKind::Property, QStringLiteral("100000"));
    window.click(QStringLiteral("mediatedCheck"));
    QVERIFY(window.page->shownCalculation());
    FeeCalculation calculation = *window.page->shownCalculation();
    calculation.caseNumber = QStringLiteral(" （2026）京0105民初1234号 ");
    const CalculationSheet sheet = FeeCalculationSheet(calculation, QDate(2026, 12, 8));
    QCOMPARE(sheet.caseNumber, QStringLiteral("（2026）京0105民初1234号"));
    QCOMPARE(sheet.totalLabel, QStringLiteral("应交案件受理费"));
    QCOMPARE(sheet.tables.size(), 1);
    QStringList amounts, due;
    for (const QStringList &row : sheet.tables[0].rows) {
        amounts << row.value(1);
        due << row.value(2);
    }
    // The lines that quote an article carry no amount; the halving says it
    // deducts, and what is due after each step stands beside it.
    QCOMPARE(amounts, (QStringList{QString(), QStringLiteral("50.00元"), QStringLiteral("2250.00元"), QString(),
                                   QStringLiteral("减 1150.00元")}));
    QCOMPARE(due, (QStringList{QString(), QStringLiteral("50.00元"), QStringLiteral("2300.00元"), QString(),
                               QStringLiteral("1150.00元")}));
    QCOMPARE(sheet.legalBasis,
             QStringList{QStringLiteral("《诉讼费用交纳办法》第十三条第（一）项、第十五条")});
}

// 导出PDF…: nothing while a message stands in place of the fee, then a PDF.
void AllFeesWindowTest::exportPdfWritesTheSheet()
{
    Window window;
    window.start(FeeKind::Property);
    const QString pdf = window.filePath(QStringLiteral("fee.pdf"));
    auto *exportPdf = window.control<QPushButton>(QStringLiteral("exportPdfButton"));
    window.fileDialogs.answers << pdf;
    QTest::mouseClick(exportPdf, Qt::LeftButton);
    QCOMPARE(window.boxes.boxes.size(), 1);
    QVERIFY(!QFile::exists(pdf));

    window.type(QStringLiteral("100000"));
    QTest::mouseClick(exportPdf, Qt::LeftButton);
    QVERIFY(window.fileDialogs.asked.value(0).offered.contains(QStringLiteral("诉讼费用计算")));
    QVERIFY(ReadBytes(pdf).startsWith("%PDF"));
}

void AllFeesWindowTest::feePageButtonOpensTheWindow_data()
{
    QTest::addColumn<bool>("acceptancePage");
    QTest::addColumn<FeeKind>("kind");
    QTest::newRow("受理费: a property case") << true << FeeKind::Property;
    QTest::newRow("申请费: an execution with an amount") << false << FeeKind::Execution;
}

void AllFeesWindowTest::feePageButtonOpensTheWindow()
{
    QFETCH(bool, acceptancePage);
    QFETCH(FeeKind, kind);
    PageFixture<AcceptanceFeePage> acceptance;
    PageFixture<ApplicationFeePage> application;
    QWidget *page = acceptancePage ? static_cast<QWidget *>(&acceptance.open()) : &application.open();
    auto *button = FindControl<QPushButton>(page, QStringLiteral("allFeesButton"));

    QTest::mouseClick(button, Qt::LeftButton);
    auto *window = page->findChild<AllFeesWindow *>();
    QVERIFY(window && QTest::qWaitForWindowExposed(window) && window->isWindow());
    QCOMPARE(window->currentKind(), kind);

    // Closed and opened again: the same window, not a second one.
    window->close();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(page->findChildren<AllFeesWindow *>().size(), 1);
    QVERIFY(window->isVisible());
}

// The divorce amount saved in either dialog is the one the other side uses at once.
void AllFeesWindowTest::baseAmountsAreOneSettingWithTheAcceptancePage()
{
    PageFixture<AcceptanceFeePage> fixture;
    AcceptanceFeePage &page = fixture.open();
    QTest::mouseClick(fixture.control<QPushButton>(QStringLiteral("allFeesButton")), Qt::LeftButton);
    auto *window = page.findChild<AllFeesWindow *>();
    QVERIFY(window);
    window->selectKind(FeeKind::Divorce);
    auto *fee = FindControl<QLabel>(window, QStringLiteral("feeFiguresLabel"));

    TForm2 *baseAmounts = page.baseAmountDialog();
    baseAmounts->setBaseAmounts(50, 100);
    baseAmounts->show();
    FindControl<QLineEdit>(baseAmounts, QStringLiteral("Edit1"))->setText(QStringLiteral("120"));
    QTest::mouseClick(FindControl<QToolButton>(baseAmounts, QStringLiteral("SpeedButton1")), Qt::LeftButton);
    QCOMPARE(fee->text(), QStringLiteral("120.00元"));

    LocalStandardsDialog *dialog = window->localStandardsDialog();
    QTest::mouseClick(FindControl<QPushButton>(window, QStringLiteral("localStandardsButton")), Qt::LeftButton);
    auto *divorce = FindControl<QLineEdit>(dialog, QStringLiteral("divorceEdit"));
    QCOMPARE(divorce->text(), QStringLiteral("120"));
    divorce->setText(QStringLiteral("200"));
    Save(dialog);
    QCOMPARE(fee->text(), QStringLiteral("200.00元"));
    QCOMPARE(fixture.control<QToolButton>(QStringLiteral("SpeedButtonjishu"))->text(),
             BaseAmountCaption(QStringLiteral("200"), QStringLiteral("100")));
}

void AllFeesWindowTest::dialogSaves_data()
{
    QTest::addColumn<QByteArray>("file");   // setbz.rar beside the program
    QTest::addColumn<bool>("installed");    // the program folder not writable, no user folder
    QTest::addColumn<QString>("shown");     // 其他非财产案件 in the dialog and the window
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");   // empty: saved
    QTest::newRow("saved: the window computes with it") << QByteArray() << false << "50" << "80" << "";
    QTest::newRow("outside its range: the damaged file not half-read, kept")
        << QByteArray("[bz]\r\nqita=60\r\n") << false << "50" << "101" << "50元至100元";
    QTest::newRow("failed save: the preset read, kept")
        << QByteArray("[bz]\r\nqita=70\r\nzscq=600\r\nguanxia=60\r\nzhixing=100\r\nxianze=2000\r\nqiangzhi=1500\r\n"
                      "cuigao=1500\r\n")
        << true << "70" << "90" << "blocked”是文件而不是文件夹。";
}

void AllFeesWindowTest::dialogSaves()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, installed);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Window window;
    if (!file.isEmpty())
        window.writeFile(QStringLiteral("setbz.rar"), file);
    window.writeFile(QStringLiteral("blocked"), "a file where the user folder should be");
    const SettingsFiles installedFiles(SettingsFolders{window.folder.path() + QLatin1Char('/'), false,
                                                       window.filePath(QStringLiteral("blocked/"))});
    if (installed)
        window.services.settingsFiles = &installedFiles;
    window.start(FeeKind::OtherNonProperty);
    QCOMPARE(window.fee(), shown + QStringLiteral(".00元"));
    LocalStandardsDialog *dialog = window.localStandards();
    auto *field = FindControl<QLineEdit>(dialog, QStringLiteral("otherNonPropertyEdit"));
    QCOMPARE(field->text(), shown);
    field->setText(typed);
    Save(dialog);

    QCOMPARE(dialog->isVisible(), !message.isEmpty());
    QCOMPARE(window.boxes.boxes.size(), message.isEmpty() ? 0 : 1);
    const QString setbz = window.filePath(QStringLiteral("setbz.rar"));
    if (message.isEmpty()) {
        QCOMPARE(window.fee(), typed + QStringLiteral(".00元"));
        QCOMPARE(ReadLocalStandardsFile(setbz).value().otherNonProperty, Money(typed.toInt()));
    } else {
        QVERIFY2(window.boxes.boxes[0].text.contains(message), qPrintable(window.boxes.boxes[0].text));
        QCOMPARE(ReadBytes(setbz), file);
        QVERIFY(!QFile::exists(window.filePath(QStringLiteral("setjs.rar"))));
    }
}

// Whole yuan only: the letter is refused with the tooltip, and the saved
// amount is the one the field holds.
void AllFeesWindowTest::dialogFieldRefusesWithHint()
{
    Window window;
    window.start(FeeKind::OtherNonProperty);
    LocalStandardsDialog *dialog = window.localStandards();
    auto *field = FindControl<QLineEdit>(dialog, QStringLiteral("otherNonPropertyEdit"));
    field->setFocus();
    const QString failure = TypeWatchingHint(field, QStringLiteral("8.0"), 1, FieldTakes::WholeYuan);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(field->text(), QStringLiteral("80"));
    Save(dialog);
    QCOMPARE(window.fee(), QStringLiteral("80.00元"));
}

QTEST_MAIN(AllFeesWindowTest)
#include "tst_all_fees_window.moc"
