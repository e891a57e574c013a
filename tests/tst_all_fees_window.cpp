// The window 全部收费项目 alone on a temporary program folder, the fee-page
// buttons that open it, and its dialog 本地收费标准: one row per wiring.

#include "app/all_fees/all_fees_window.h"
#include "app/dialogs/base_amount_dialog.h"
#include "app/dialogs/local_standards_dialog.h"
#include "app/pages/acceptance_fee_page.h"
#include "app/pages/application_fee_page.h"
#include "fees/base_amounts.h"
#include "fees/local_standards.h"
#include "tests/page_harness.h"

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
    void choosingAKindEnablesItsFields_data();
    void choosingAKindEnablesItsFields();
    void aHeadingIsNoChoice();
    void typingRecomputesTheFeeAndItsSteps();
    void aReductionHalves_data();
    void aReductionHalves();
    void badInputShowsAMessageInPlaceOfTheFee_data();
    void badInputShowsAMessageInPlaceOfTheFee();
    void enterEmptiesTheAmountForANewOne();
    void copyPutsTheWholeCalculationOnTheClipboard();
    void sheetOfTheFee();
    void exportPdfWritesTheSheet();
    void feePageButtonOpensTheWindow_data();
    void feePageButtonOpensTheWindow();
    void baseAmountsAreOneSettingWithTheAcceptancePage();
    void dialogSaves_data();
    void dialogSaves();
};

void AllFeesWindowTest::choosingAKindEnablesItsFields_data()
{
    QTest::addColumn<FeeKind>("kind");
    QTest::addColumn<bool>("amount");
    QTest::addColumn<bool>("reductions");
    QTest::newRow("property case: amount and reductions") << FeeKind::Property << true << true;
    QTest::newRow("labour dispute: a fee per case, reductions") << FeeKind::LabourDispute << false << true;
    QTest::newRow("no acceptance fee: nothing to enter or halve") << FeeKind::NoAcceptanceFee << false << false;
    QTest::newRow("execution: amount, an application fee not halved") << FeeKind::Execution << true << false;
}

void AllFeesWindowTest::choosingAKindEnablesItsFields()
{
    QFETCH(FeeKind, kind);
    QFETCH(bool, amount);
    QFETCH(bool, reductions);
    Window window;
    // Start from the opposite of the expected state, then choose the kind.
    window.start(amount ? FeeKind::PublicSummons : FeeKind::Property);
    window.choose(kind);
    QCOMPARE(window.amount()->isEnabled(), amount);
    for (const QString &name : ReductionChecks)
        QCOMPARE(window.control<QCheckBox>(name)->isEnabled(), reductions);
}

void AllFeesWindowTest::aHeadingIsNoChoice()
{
    Window window;
    window.start(FeeKind::Execution);
    auto *list = window.control<QTreeWidget>(QStringLiteral("kindList"));
    QTreeWidgetItem *heading = list->topLevelItem(0);
    QCOMPARE(heading->text(0), QStringLiteral("案件受理费"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(heading).center());
    QCOMPARE(window.page->currentKind(), FeeKind::Execution);
    QVERIFY(!window.control<QCheckBox>(QStringLiteral("mediatedCheck"))->isEnabled());
}

// 100000 on the property scale: 50 + 90000 × 2.5 % = 50 + 2250 = 2300.
void AllFeesWindowTest::typingRecomputesTheFeeAndItsSteps()
{
    Window window;
    window.start(FeeKind::Property, QStringLiteral("1000"));
    QCOMPARE(window.fee(), QStringLiteral("50.00元"));
    QTest::keyClicks(window.amount(), QStringLiteral("00"));
    QCOMPARE(window.fee(), QStringLiteral("2300.00元"));
    QCOMPARE(window.capitals(), QStringLiteral("人民币贰仟叁佰元整"));
    QVERIFY(window.steps().contains(QStringLiteral("超过1万元至10万元的部分：90000元×2.5%＝2250元")));
    QCOMPARE(window.control<QLabel>(QStringLiteral("amountWordsLabel"))->text(), QStringLiteral("一十万元"));

    // The same amount for a payment order: 2300 / 3 = 766.666… shown 766.67.
    window.choose(FeeKind::PaymentOrder);
    QCOMPARE(window.fee(), QStringLiteral("766.67元"));
}

void AllFeesWindowTest::aReductionHalves_data()
{
    QTest::addColumn<QStringList>("checks");
    // 2300 for 100000 on the property scale, halved once: 1150.
    for (const QString &check : ReductionChecks)
        QTest::addRow("%s", qPrintable(check)) << QStringList{check};
    QTest::newRow("all three: halved once") << ReductionChecks;
}

void AllFeesWindowTest::aReductionHalves()
{
    QFETCH(QStringList, checks);
    Window window;
    window.start(FeeKind::Property, QStringLiteral("100000"));
    for (const QString &check : checks)
        window.click(check);
    QCOMPARE(window.fee(), QStringLiteral("1150.00元"));
    QCOMPARE(window.capitals(), QStringLiteral("人民币壹仟壹佰伍拾元整"));
    QVERIFY(window.steps().contains(QStringLiteral("减半")));
}

void AllFeesWindowTest::badInputShowsAMessageInPlaceOfTheFee_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");     // what the field holds afterwards
    QTest::addColumn<QString>("message");  // a part of the message shown
    QTest::newRow("nothing typed") << "" << "" << "请输入";
    QTest::newRow("unfinished: left alone") << "0." << "0." << "请继续输入";
    QTest::newRow("letters: emptied as on the fee pages") << "12a" << "" << "请输入";
    QTest::newRow("beyond the words form") << "1e15" << "1e15" << "过大";
}

void AllFeesWindowTest::badInputShowsAMessageInPlaceOfTheFee()
{
    QFETCH(QString, typed);
    QFETCH(QString, left);
    QFETCH(QString, message);
    Window window;
    window.start(FeeKind::Property, QStringLiteral("100000"));
    window.type(typed);
    QCOMPARE(window.amount()->text(), left);
    QVERIFY2(window.fee().contains(message), qPrintable(window.fee()));
    QVERIFY(window.capitals().isEmpty() && window.steps().isEmpty());
    QVERIFY(!window.control<QPushButton>(QStringLiteral("copyButton"))->isEnabled());
}

// Enter as on the fee pages: the field emptied, the focus kept for the next amount.
void AllFeesWindowTest::enterEmptiesTheAmountForANewOne()
{
    Window window;
    window.start(FeeKind::Execution, QStringLiteral("100000"));
    QCOMPARE(window.fee(), QStringLiteral("1400.00元"));  // 50 + 90000 × 1.5 %
    QTest::keyClick(window.amount(), Qt::Key_Return);
    QVERIFY(window.amount()->text().isEmpty() && window.amount()->hasFocus());
    QVERIFY(window.fee().startsWith(QStringLiteral("请输入")));
}

// 100000, mediated: 2300 halved, 1150.
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
    for (const QString &expected :
         {QStringLiteral("案号：（2026）京0105民初1234号"), QStringLiteral("当事人：张三诉李四"),
          QStringLiteral("收费项目：财产案件（案件受理费，第十三条第（一）项）"),
          QStringLiteral("诉讼请求的金额或者价额：100000.00元"),
          QStringLiteral("减半情形：以调解方式结案或者当事人申请撤诉（第十五条）"),
          QStringLiteral("　　超过1万元至10万元的部分：90000元×2.5%＝2250元"), QStringLiteral("应交费用：1150.00元"),
          QStringLiteral("大写：人民币壹仟壹佰伍拾元整")})
        QVERIFY2(lines.contains(expected), qPrintable(expected));
    QVERIFY(lines.last().startsWith(QStringLiteral("法律依据：《诉讼费用交纳办法》第十三条第（一）项")));
    QVERIFY(lines.last().contains(QStringLiteral("第十五条")));
}

// 100000, mediated, as 打印… and 导出PDF… lay it out: 50 + 2250 = 2300,
// halved: −1150, the fee 1150.
void AllFeesWindowTest::sheetOfTheFee()
{
    Window window;
    window.start(FeeKind::Property, QStringLiteral("100000"));
    window.click(QStringLiteral("mediatedCheck"));
    QVERIFY(window.page->shownCalculation());
    FeeCalculation calculation = *window.page->shownCalculation();
    calculation.caseNumber = QStringLiteral(" （2026）京0105民初1234号 ");
    const CalculationSheet sheet = FeeCalculationSheet(calculation, QDate(2026, 12, 8));

    QStringList fields{sheet.title, sheet.caseNumber, sheet.parties, sheet.totalLabel};
    for (const auto &input : sheet.inputs)
        fields << input.value;
    QCOMPARE(fields, (QStringList{QStringLiteral("诉讼费用计算"), QStringLiteral("（2026）京0105民初1234号"), QString(),
                                  QStringLiteral("应交案件受理费"), QStringLiteral("财产案件（案件受理费，第十三条第（一）项）"),
                                  QStringLiteral("100000.00元")}));
    QCOMPARE(sheet.tables.size(), 1);
    QStringList amounts;
    for (const QStringList &row : sheet.tables[0].rows)
        amounts << row.value(1);
    // The lines that quote an article carry no amount.
    QCOMPARE(amounts, (QStringList{QString(), QStringLiteral("50.00元"), QStringLiteral("2250.00元"), QString(),
                                   QStringLiteral("-1150.00元")}));
    QCOMPARE(sheet.total, Money(1150));
    QCOMPARE(sheet.legalBasis,
             QStringList{QStringLiteral("《诉讼费用交纳办法》第十三条第（一）项、第十五条")});
    QCOMPARE(sheet.choices, QStringList{QStringLiteral("以调解方式结案或者当事人申请撤诉（第十五条）")});
}

// 导出PDF…: nothing to print while a message stands in place of the fee,
// then a PDF of the fee on screen.
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
    QCOMPARE(window.fileDialogs.asked.size(), 1);
    QVERIFY(window.fileDialogs.asked[0].offered.contains(QStringLiteral("诉讼费用计算")));
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
    QCOMPARE(window->windowTitle(), QStringLiteral("全部收费项目"));
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
    QCOMPARE(fee->text(), QStringLiteral("50.00元"));

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
        << true << "70" << "90" << "保存失败：无法写入设置文件 setbz.rar 和 setjs.rar。";
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

QTEST_MAIN(AllFeesWindowTest)
#include "tst_all_fees_window.moc"
