// The window 执行款计算 as a clerk works it from the page 分段计息: each
// control and cell recomputes; rows come and go by buttons and keys; copy,
// save, open, print; a file that fails changes nothing on screen or disk.

#include "app/ledger/execution_ledger_sheet.h"
#include "app/ledger/execution_ledger_window.h"
#include "app/pages/interest_in_force_page.h"
#include "interest/execution_case_file.h"
#include "app/widgets/rejected_input_hint.h"
#include "tests/page_harness.h"
#include "tests/refused_keys.h"
#include "tests/test_files.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>
#include <functional>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

QDate Day(const char *iso)
{
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

// 100000 principal and 2300 fees due 2024-12-31, general interest 6% from
// 2025-01-01, 50000 paid 2025-03-01, owed on 03-31. To 03-01 (60 days):
// general 1000.00, doubled 1050.00; 50000 pays 2300 + 1000 + 46700, 53300
// left. 30 days: general 266.50, doubled 279.825 → 279.83. 54896.33 owed.
CaseRecord OneCreditCase()
{
    CaseRecord record;
    record.caseNumber = QStringLiteral("（2025）京0105执100号");
    record.parties = QStringLiteral("申请执行人甲，被执行人乙");
    ExecutionCase &c = record.executionCase;
    c.items = {{QStringLiteral("本金"), 100000, DebtKind::Principal, Day("2024-12-31"), true},
               {QStringLiteral("案件受理费"), 2300, DebtKind::LitigationCost, Day("2024-12-31"), false}};
    c.generalInterest.awarded = true;
    c.generalInterest.from = Day("2025-01-01");
    c.generalInterest.fixedAnnualRatePercent = Money(6);
    c.credits = {{Day("2025-03-01"), 50000}};
    c.calculationDay = Day("2025-03-31");
    return record;
}

const QString OneCreditCaseTotal = QStringLiteral("合计尚欠：54896.33元");

// The window opened from the page, showing OneCreditCase unless told not to.
struct Window {
    explicit Window(bool oneCreditCase = true)
    {
        page = &fixture.open();
        fixture.control<QToolButton>(QStringLiteral("SpeedButtonLedger"))->click();
        window = page->findChild<ExecutionLedgerWindow *>();
        if (!window || !QTest::qWaitForWindowExposed(window))
            qFatal("the window 执行款计算 did not open");
        QApplication::setActiveWindow(window);
        if (oneCreditCase)
            window->showCase(OneCreditCase());
    }

    template <typename T>
    T *control(const char *name) const
    {
        return FindControl<T>(window, QLatin1String(name));
    }

    QString total() const { return control<QLabel>("LabelOwedTotal")->text(); }
    QString message() const { return control<QLabel>("LabelResultMessage")->text(); }
    bool showsResult() const
    {
        return control<QStackedWidget>("StackResult")->currentWidget() == control<QWidget>("PageResult");
    }
    QByteArray onScreen() const { return CaseFileBytes(window->caseOnScreen()); }
    void click(const char *button) const { control<QPushButton>(button)->click(); }
    const RecordedBox &onlyBox() const
    {
        if (fixture.boxes.boxes.size() != 1)
            qFatal("%d message boxes", int(fixture.boxes.boxes.size()));
        return fixture.boxes.boxes[0];
    }

    // A key on a cell; F2 opens its editor, as a clerk does.
    QWidget *keyOnTable(const char *table, int row, Qt::Key key, int column = 0) const
    {
        QTableView *view = control<QTableView>(table);
        view->setFocus();
        view->setCurrentIndex(view->model()->index(row, column));
        QTest::keyClick(view, key);
        return QApplication::focusWidget();
    }

    void typeInto(QWidget *edit, const QString &text) const
    {
        qobject_cast<QLineEdit *>(edit)->selectAll();
        QTest::keyClicks(edit, text);
    }

    void typeIntoCell(const char *table, int row, int column, const QString &text) const
    {
        QWidget *editor = keyOnTable(table, row, Qt::Key_F2, column);
        typeInto(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the view commits through a queued call
    }

    int rows(const char *table) const { return control<QTableView>(table)->model()->rowCount(); }

    PageFixture<InterestInForcePage> fixture;
    InterestInForcePage *page = nullptr;
    ExecutionLedgerWindow *window = nullptr;
};

using Edit = std::function<void(Window &)>;
// Opens the field or cell editor to type into.
using Field = std::function<QWidget *(Window &)>;
// What the field or cell holds.
using Held = std::function<QString(Window &)>;

QString CellText(Window &w, const char *table, int row, int column)
{
    const QAbstractItemModel *model = w.control<QTableView>(table)->model();
    return model->index(row, column).data().toString();
}

} // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Field)
Q_DECLARE_METATYPE(Held)

class ExecutionLedgerWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pageButtonOpensOneWindow();
    void eachEditRecomputes_data();
    void eachEditRecomputes();
    void contractTermsShownAsSaved();
    void rowsAddedAndRemoved_data();
    void rowsAddedAndRemoved();
    void badInputNamesTheRow();
    void refusedKeyShowsWhatTheFieldTakes_data();
    void refusedKeyShowsWhatTheFieldTakes();
    void copyPutsWholeCalculationOnClipboard();
    void saveAndOpenThroughTheDialogs();
    void fileThatFailsChangesNothing_data();
    void fileThatFailsChangesNothing();
    void sheetOfTheCase();
    void exportPdfWritesTheSheet();
    void keystrokeOnHundredCreditsOverThirtyYears();
};

void ExecutionLedgerWindowTest::pageButtonOpensOneWindow()
{
    Window w(false);
    QCOMPARE(w.window->windowTitle(), QStringLiteral("执行款计算"));
    QCOMPARE(w.control<QDateEdit>("DateEditCalculationDay")->date(), QDate::currentDate());
    w.window->close();
    w.fixture.control<QToolButton>(QStringLiteral("SpeedButtonLedger"))->click();
    QCOMPARE(w.page->findChildren<ExecutionLedgerWindow *>().size(), 1);
    QVERIFY(w.window->isVisible());
}

// One row per control; the figures are the core's, so any change will do.
void ExecutionLedgerWindowTest::eachEditRecomputes_data()
{
    QTest::addColumn<Edit>("edit");
    auto row = [](const char *name, Edit edit) { QTest::newRow(name) << edit; };
    row("amount cell", [](Window &w) { w.typeIntoCell("TableItems", 0, 1, QStringLiteral("200000")); });
    row("credit cell", [](Window &w) { w.typeIntoCell("TableCredits", 0, 1, QStringLiteral("60000")); });
    row("kind drop-down", [](Window &w) {
        auto *combo = qobject_cast<QComboBox *>(w.keyOnTable("TableItems", 1, Qt::Key_F2, 2));
        QVERIFY(combo);
        combo->setCurrentIndex(combo->findText(QStringLiteral("本金")));
        Q_EMIT combo->activated(combo->currentIndex());
    });
    row("doubled tick", [](Window &w) { w.keyOnTable("TableItems", 0, Qt::Key_Space, 4); });
    row("excluded period", [](Window &w) { w.click("ButtonAddExcluded"); });
    row("calculation day",
        [](Window &w) { w.control<QDateEdit>("DateEditCalculationDay")->setDate(Day("2025-03-01")); });
    row("set-off order", [](Window &w) { w.control<QComboBox>("ComboBoxSetOffOrder")->setCurrentIndex(1); });
    row("general interest", [](Window &w) { w.control<QGroupBox>("GroupGeneralInterest")->setChecked(false); });
    row("interest from",
        [](Window &w) { w.control<QDateEdit>("DateEditInterestFrom")->setDate(Day("2025-02-01")); });
    row("rate kind", [](Window &w) { w.control<QComboBox>("ComboBoxRateKind")->setCurrentIndex(0); });
    row("fixed rate", [](Window &w) { w.typeInto(w.control<QLineEdit>("EditFixedRate"), QStringLiteral("12")); });
    row("multiplier", [](Window &w) { w.typeInto(w.control<QLineEdit>("EditMultiplier"), QStringLiteral("1.5")); });
    row("days per year", [](Window &w) { w.control<QComboBox>("ComboBoxDaysPerYear")->setCurrentIndex(1); });
    row("basis points", [](Window &w) { w.typeInto(w.control<QLineEdit>("EditBasisPoints"), QStringLiteral("50")); });
    row("day counting", [](Window &w) { w.control<QComboBox>("ComboBoxDayCount")->setCurrentIndex(1); });
    // At the rates in force through 2025 the LPR falls on 05-20: a yearly
    // repricing, and its day moved from 1 January to 1 June, each change the total.
    row("repricing and its day", [](Window &w) {
        w.control<QComboBox>("ComboBoxRateKind")->setCurrentIndex(0);
        w.control<QDateEdit>("DateEditCalculationDay")->setDate(Day("2025-12-31"));
        const QString eachFixing = w.total();
        QVERIFY(!w.control<QDateEdit>("DateEditRepricingDay")->isEnabled());
        w.control<QComboBox>("ComboBoxRepricing")->setCurrentIndex(1);
        const QString firstOfJanuary = w.total();
        QVERIFY(firstOfJanuary != eachFixing);
        w.control<QDateEdit>("DateEditRepricingDay")->setDate(QDate(2000, 6, 1));
        QVERIFY(w.total() != firstOfJanuary);
    });
}

void ExecutionLedgerWindowTest::eachEditRecomputes()
{
    QFETCH(Edit, edit);
    Window w;
    QCOMPARE(w.total(), OneCreditCaseTotal);
    edit(w);
    QVERIFY2(w.showsResult(), qPrintable(w.message()));
    QVERIFY(w.total() != OneCreditCaseTotal);
}

// The general interest's 加点, 重定价 and day counting go to the screen and
// come back from it as the case holds them.
void ExecutionLedgerWindowTest::contractTermsShownAsSaved()
{
    Window w;
    CaseRecord record = OneCreditCase();
    GeneralInterest &g = record.executionCase.generalInterest;
    g.fixedAnnualRatePercent.reset();
    g.basisPoints = -35;
    g.repricing = Repricing::Yearly;
    g.repricingMonth = 2;
    g.repricingDay = 29;
    g.countLastDay = false;
    w.window->showCase(record);
    QCOMPARE(w.onScreen(), CaseFileBytes(record));
    QVERIFY2(w.showsResult(), qPrintable(w.message()));
}

void ExecutionLedgerWindowTest::rowsAddedAndRemoved_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QByteArray>("add");     // a button, or none for the Insert key
    QTest::addColumn<QByteArray>("remove");  // a button, or none for the Delete key
    for (const char *name : {"Item", "Credit", "Excluded"}) {
        const QByteArray table = "Table" + QByteArray(name) + (name[0] == 'E' ? "" : "s");
        QTest::addRow("%s by buttons", name)
            << table << "ButtonAdd" + QByteArray(name) << "ButtonRemove" + QByteArray(name);
        QTest::addRow("%s by keys", name) << table << QByteArray() << QByteArray();
    }
}

// The new row is the current one; removing it gives back the case.
void ExecutionLedgerWindowTest::rowsAddedAndRemoved()
{
    QFETCH(QByteArray, table);
    QFETCH(QByteArray, add);
    QFETCH(QByteArray, remove);
    Window w;
    const int before = w.rows(table);
    if (add.isEmpty())
        w.keyOnTable(table, 0, Qt::Key_Insert);
    else
        w.click(add);
    QCOMPARE(w.rows(table), before + 1);
    const int added = w.control<QTableView>(table)->currentIndex().row();
    w.control<QTableView>(table)->selectRow(added);
    if (remove.isEmpty())
        w.keyOnTable(table, added, Qt::Key_Delete);
    else
        w.click(remove);
    QCOMPARE(w.onScreen(), CaseFileBytes(OneCreditCase()));
}

// A new credit row holds no amount yet: the message names it in place of the
// result, and nothing can be copied, printed or exported.
void ExecutionLedgerWindowTest::badInputNamesTheRow()
{
    Window w;
    w.keyOnTable("TableCredits", 0, Qt::Key_Insert);
    QVERIFY(!w.showsResult());
    QVERIFY2(w.message().contains(QStringLiteral("还款第2行")), qPrintable(w.message()));
    for (const char *button : {"ButtonCopy", "ButtonExportPdf", "ButtonPrint"})
        QVERIFY(!w.control<QPushButton>(button)->isEnabled());
    w.typeIntoCell("TableCredits", 1, 1, QStringLiteral("1000"));
    QVERIFY2(w.showsResult(), qPrintable(w.message()));
}

// One row per kind of field or cell: the refused key shows the tooltip at
// once, the field holds what was accepted, and the total is that of what it
// holds. A credit of the calculation day moves the total by its amount
// alone; a new row of principal 123 due 2024-12-31 (the row above it) makes
// 100123: general 1001.23 and doubled 1051.2915 to 03-01, the credit leaves
// 53424.23, then 267.12115 and 280.4772075 to 03-31: 55023.12 owed.
void ExecutionLedgerWindowTest::refusedKeyShowsWhatTheFieldTakes_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("firstRefused");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<Held>("held");
    QTest::addColumn<QString>("heldText");
    QTest::addColumn<QString>("total");
    const auto newRowCell = [](const char *table, int column) {
        return [table, column](Window &w) {
            w.keyOnTable(table, 0, Qt::Key_Insert);
            return w.keyOnTable(table, 1, Qt::Key_F2, column);
        };
    };
    const auto cell = [](const char *table, int row, int column) {
        return [table, row, column](Window &w) { return CellText(w, table, row, column); };
    };
    const auto field = [](const char *name) { return [name](Window &w) { return w.control<QWidget>(name); }; };
    const auto lineText = [](const char *name) { return [name](Window &w) { return w.control<QLineEdit>(name)->text(); }; };
    QTest::newRow("credit amount, minus") << Field(newRowCell("TableCredits", 1)) << QStringLiteral("-500") << 0
                                          << FieldTakes::Amount << Held(cell("TableCredits", 1, 1))
                                          << QStringLiteral("500.00") << QStringLiteral("合计尚欠：54396.33元");
    QTest::newRow("debt amount, letter") << Field(newRowCell("TableItems", 1)) << QStringLiteral("12a3") << 2
                                         << FieldTakes::Amount << Held(cell("TableItems", 1, 1))
                                         << QStringLiteral("123.00") << QStringLiteral("合计尚欠：55023.12元");
    QTest::newRow("credit day, letter")
        << Field([](Window &w) { return w.keyOnTable("TableCredits", 0, Qt::Key_F2, 0); }) << QStringLiteral("x")
        << 0 << FieldTakes::Day << Held(cell("TableCredits", 0, 0)) << QStringLiteral("2025-03-01") << OneCreditCaseTotal;
    QTest::newRow("calculation day, letter") << Field(field("DateEditCalculationDay")) << QStringLiteral("x") << 0
                                             << FieldTakes::Day << Held([](Window &w) {
                                                    return w.control<QDateEdit>("DateEditCalculationDay")->text();
                                                }) << QStringLiteral("2025-03-31") << OneCreditCaseTotal;
    QTest::newRow("fixed rate, percent sign") << Field(field("EditFixedRate")) << QStringLiteral("6%") << 1
                                              << FieldTakes::AnnualRate << Held(lineText("EditFixedRate"))
                                              << QStringLiteral("6") << OneCreditCaseTotal;
    QTest::newRow("multiplier, minus") << Field(field("EditMultiplier")) << QStringLiteral("-1") << 0
                                       << FieldTakes::Multiplier << Held(lineText("EditMultiplier"))
                                       << QStringLiteral("1") << OneCreditCaseTotal;
}

void ExecutionLedgerWindowTest::refusedKeyShowsWhatTheFieldTakes()
{
    QFETCH(Field, field);
    QFETCH(QString, typed);
    QFETCH(int, firstRefused);
    QFETCH(QString, hint);
    QFETCH(Held, held);
    Window w;
    QWidget *editor = field(w);
    QVERIFY(editor);
    editor->setFocus();
    const QString failure = TypeWatchingHint(editor, typed, firstRefused, hint);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the view commits through a queued call
    QTEST(held(w), "heldText");
    QVERIFY2(w.showsResult(), qPrintable(w.message()));
    QTEST(w.total(), "total");
}

void ExecutionLedgerWindowTest::copyPutsWholeCalculationOnClipboard()
{
    Window w;
    QGuiApplication::clipboard()->clear();
    w.click("ButtonCopy");
    const QString text = QGuiApplication::clipboard()->text();
    QVERIFY2(text.startsWith(QStringLiteral("执行款计算\n案号：（2025）京0105执100号\n")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("合计尚欠：54896.33元（大写：人民币伍万肆仟捌佰玖拾陆元叁角叁分）")));
}

// Saved, changed, opened again: opening a changed case asks first ("No" keeps
// it); the dialogs start in the folder last used, in later windows too.
void ExecutionLedgerWindowTest::saveAndOpenThroughTheDialogs()
{
    Window w;
    QTemporaryDir cases;
    const QString saved = cases.filePath(QStringLiteral("甲诉乙.pellumo-case"));
    w.fixture.fileDialogs.answers = {cases.filePath(QStringLiteral("甲诉乙"))};
    w.click("ButtonSave");
    QVERIFY(QFile::exists(saved));
    QVERIFY(w.fixture.fileDialogs.asked.last().offered.endsWith(
        QStringLiteral("（2025）京0105执100号.pellumo-case")));

    w.typeIntoCell("TableItems", 0, 1, QStringLiteral("1"));
    const QByteArray changed = w.onScreen();
    w.fixture.boxes.answers = {MessageBoxes::Answer::No};
    w.fixture.fileDialogs.answers = {saved};
    w.click("ButtonOpen");
    QCOMPARE(w.onlyBox().buttons, MessageBoxes::Buttons::YesNo);
    QCOMPARE(w.onScreen(), changed);
    w.click("ButtonOpen");  // answered Yes
    QCOMPARE(w.fixture.fileDialogs.asked.last().offered, cases.path());
    QCOMPARE(w.onScreen(), CaseFileBytes(OneCreditCase()));
    QCOMPARE(w.total(), OneCreditCaseTotal);
    QCOMPARE(w.fixture.boxes.boxes.size(), 2);

    Window later(false);
    const QString remembered = QStringLiteral("ledger_folder.txt");
    QFile::copy(w.fixture.settingsFiles.pathForWriting(remembered),
                later.fixture.settingsFiles.pathForWriting(remembered));
    later.click("ButtonOpen");
    QCOMPARE(later.fixture.fileDialogs.asked.last().offered, cases.path());
}

// Opened, or saved into a "folder" that is a file (the null row): a message,
// and screen, file and remembered folder stay as they were.
void ExecutionLedgerWindowTest::fileThatFailsChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    QByteArray damaged = CaseFileBytes(OneCreditCase());
    damaged[damaged.indexOf("\"credits\"") + 9] = '!';  // the colon after the key
    QTest::newRow("damaged") << damaged << QStringLiteral("已损坏");
    QTest::newRow("failed save") << QByteArray() << QStringLiteral("无法保存案件文件");
}

void ExecutionLedgerWindowTest::fileThatFailsChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    Window w;
    CaseRecord shown = OneCreditCase();
    shown.executionCase.credits[0].amount = 40000;
    w.window->showCase(shown);
    const QByteArray before = w.onScreen();
    const QString total = w.total();
    const bool save = bytes.isNull();
    const QByteArray onDisk = save ? QByteArray("a file") : bytes;
    const QString path = PlaceFile(w.fixture.filePath(QStringLiteral("bad.pellumo-case")), onDisk);
    w.fixture.fileDialogs.answers = {save ? path + QStringLiteral("/case.pellumo-case") : path};
    w.click(save ? "ButtonSave" : "ButtonOpen");
    QVERIFY2(w.onlyBox().text.contains(message), qPrintable(w.onlyBox().text));
    if (save)
        QCOMPARE(w.onlyBox().icon, MessageBoxes::Icon::Error);
    QCOMPARE(w.onScreen(), before);
    QCOMPARE(w.total(), total);
    QCOMPARE(ReadBytes(path), onDisk);
    QVERIFY(!QFile::exists(w.fixture.settingsFiles.pathForReading(QStringLiteral("ledger_folder.txt"))));
}

// The printed sheet, figures as worked out above OneCreditCase.
void ExecutionLedgerWindowTest::sheetOfTheCase()
{
    const CaseRecord record = OneCreditCase();
    const RateHistory history = BuiltInRateHistory();
    const CalculationSheet sheet =
        ExecutionLedgerSheet(record, ComputeExecutionLedger(record.executionCase, history), history);
    QCOMPARE(sheet.caseNumber + sheet.parties, record.caseNumber + record.parties);
    QCOMPARE(sheet.calculationDay, Day("2025-03-31"));
    QCOMPARE(sheet.tables.size(), 2);
    QCOMPARE(sheet.tables[0].rows.value(0).join(u' '),
             QStringLiteral("2025-03-01 50000.00 2300.00 1000.00 46700.00 0.00 54350.00"));
    QCOMPARE(sheet.tables[1].rows[1].join(u' '),
             QStringLiteral("2025-03-02 2025-03-31 30 53300.00 53300×0.0175%×30≈279.83 279.83"));
    QCOMPARE(sheet.tables[1].header.size(), sheet.tables[1].rows[1].size());
    QVERIFY(sheet.legalBasis.join(QString()).contains(QStringLiteral("第五百六十条第二款、第五百六十一条")));
    QVERIFY(sheet.choices.join(QString()).contains(QStringLiteral("冲抵顺序")));
}

// 导出PDF… writes the sheet where the dialog says, offering a name from the
// window's title.
void ExecutionLedgerWindowTest::exportPdfWritesTheSheet()
{
    Window w;
    const QString path = w.fixture.filePath(QStringLiteral("执行款.pdf"));
    w.fixture.fileDialogs.answers = {path};
    w.click("ButtonExportPdf");
    QVERIFY2(w.fixture.boxes.boxes.isEmpty(), qPrintable(w.fixture.boxes.boxes.value(0).text));
    QVERIFY(ReadBytes(path).startsWith("%PDF"));
    QVERIFY(w.fixture.fileDialogs.asked.last().offered.contains(QStringLiteral("执行款计算")));
}

// 100000 due 1999-06-30, fees, general interest at the LPR, 100 credits from
// 2014-08-01, owed on 2029-06-30: one keystroke in a credit's amount.
void ExecutionLedgerWindowTest::keystrokeOnHundredCreditsOverThirtyYears()
{
    Window w(false);
    CaseRecord record;
    ExecutionCase &c = record.executionCase;
    c.items = {{QStringLiteral("本金"), 10000000, DebtKind::Principal, Day("1999-06-30"), true},
               {QStringLiteral("案件受理费"), 81800, DebtKind::LitigationCost, Day("1999-06-30"), false}};
    c.generalInterest.awarded = true;
    c.generalInterest.from = Day("1999-07-01");
    for (int i = 0; i < 100; ++i)
        c.credits.append({Day("2014-08-01").addDays(i * 54), 50000 + i});
    c.excluded = {{Day("2016-01-01"), Day("2016-06-30")}};
    c.calculationDay = Day("2029-06-30");
    w.window->showCase(record);
    QVERIFY2(w.showsResult(), qPrintable(w.message()));
    QAbstractItemModel *credits = w.control<QTableView>("TableCredits")->model();
    int typed = 0;
    QBENCHMARK {
        credits->setData(credits->index(50, 1), QString::number(60000 + (++typed % 2)), Qt::EditRole);
    }
    QVERIFY(w.showsResult());
}

QTEST_MAIN(ExecutionLedgerWindowTest)
#include "tst_execution_ledger_window.moc"
