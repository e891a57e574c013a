// The window 执行款计算 as a clerk works it, opened from its button on the
// page 分段计息: each control and each table cell recomputes the balance
// owed; rows are added and removed by buttons and by keys; the copy button
// puts the whole calculation on the real clipboard; a case is saved and
// opened through the file dialogs, and a file that cannot be read changes
// nothing on screen or on disk; bad input is named by its row.

#include "app/ledger/execution_ledger_sheet.h"
#include "app/ledger/execution_ledger_window.h"
#include "app/pages/interest_in_force_page.h"
#include "interest/execution_case_file.h"
#include "tests/page_harness.h"
#include "tests/test_files.h"

#include <QAbstractItemModel>
#include <QCheckBox>
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

// 100000 principal and 2300 court fees due 2024-12-31; general interest at
// 6% a year on the principal from 2025-01-01; 50000 paid on 2025-03-01;
// owed at the end of 2025-03-31.
//
// To 2025-03-01 (60 days): general interest 100000 × 6% ÷ 360 × 60 = 1000.00,
// doubled interest 100000 × 0.0175% × 60 = 1050.00. The 50000 pays the fees
// 2300, the general interest 1000 and 46700 of the principal: 53300 left.
// 2025-03-02 to 03-31 (30 days): general interest 53300 × 0.5% = 266.50,
// doubled 53300 × 0.525% = 279.825 → 279.83.
// Owed 53300 + 266.50 + 1050 + 279.83 = 54896.33.
CaseRecord PaidInPart()
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

const QString PaidInPartTotal = QStringLiteral("合计尚欠：54896.33元");

struct Window {
    Window()
    {
        page = &fixture.open();
        fixture.control<QToolButton>(QStringLiteral("SpeedButtonLedger"))->click();
        window = page->findChild<ExecutionLedgerWindow *>();
        if (!window || !QTest::qWaitForWindowExposed(window))
            qFatal("the window 执行款计算 did not open");
        QApplication::setActiveWindow(window);
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

    // Opens the cell's editor as a clerk does (F2), types over it, Enter.
    void typeIntoCell(const char *table, int row, int column, const QString &text) const
    {
        QTableView *view = control<QTableView>(table);
        view->setFocus();
        view->setCurrentIndex(view->model()->index(row, column));
        QTest::keyClick(view, Qt::Key_F2);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        if (!editor)
            qFatal("no text editor in %s", table);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits an editor's data through a queued call.
        QCoreApplication::processEvents();
    }

    void keyOnTable(const char *table, int row, Qt::Key key) const
    {
        QTableView *view = control<QTableView>(table);
        view->setFocus();
        view->setCurrentIndex(view->model()->index(row, 0));
        QTest::keyClick(view, key);
    }

    int rows(const char *table) const { return control<QTableView>(table)->model()->rowCount(); }

    PageFixture<InterestInForcePage> fixture;
    InterestInForcePage *page = nullptr;
    ExecutionLedgerWindow *window = nullptr;
};

using Edit = std::function<void(Window &)>;

} // namespace

Q_DECLARE_METATYPE(Edit)

class ExecutionLedgerWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pageButtonOpensOneWindow();
    void eachEditRecomputes_data();
    void eachEditRecomputes();
    void rowsAddedAndRemoved_data();
    void rowsAddedAndRemoved();
    void badInputNamesTheRow();
    void copyPutsWholeCalculationOnClipboard();
    void saveAndOpenThroughTheDialogs();
    void unreadableFileChangesNothing_data();
    void unreadableFileChangesNothing();
    void failedSaveShowsWhy();
    void sheetOfTheCase();
    void exportPdfWritesTheSheet();
    void keystrokeOnHundredCreditsOverThirtyYears();
};

void ExecutionLedgerWindowTest::pageButtonOpensOneWindow()
{
    Window w;
    QCOMPARE(w.window->windowTitle(), QStringLiteral("执行款计算"));
    QVERIFY(w.window->isWindow());
    QCOMPARE(w.window->findChild<QDateEdit *>(QStringLiteral("DateEditCalculationDay"))->date(), QDate::currentDate());
    w.window->close();
    w.fixture.control<QToolButton>(QStringLiteral("SpeedButtonLedger"))->click();
    QCOMPARE(w.page->findChildren<ExecutionLedgerWindow *>().size(), 1);
    QVERIFY(w.window->isVisible());
}

void ExecutionLedgerWindowTest::eachEditRecomputes_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("total");

    // To 03-01: interest 2000, doubled 2100; the credit leaves 200000 − 45700
    // = 154300; then 771.50 and 810.075 → 810.08: 154300 + 771.50 + 2910.08.
    QTest::newRow("principal typed in its cell")
        << Edit([](Window &w) { w.typeIntoCell("TableItems", 0, 1, QStringLiteral("200000")); })
        << QStringLiteral("合计尚欠：157981.58元");
    // 60000 leaves 43300: 216.50 and 227.325 → 227.33.
    QTest::newRow("credit typed in its cell")
        << Edit([](Window &w) { w.typeIntoCell("TableCredits", 0, 1, QStringLiteral("60000")); })
        << QStringLiteral("合计尚欠：44793.83元");
    // The fees become principal, in the doubled base by default: 102300 bears
    // 1023.00 and 1074.15; the credit pays 1023 and 48977 of the first item,
    // 53323 left: 266.615 → 266.62 and 279.94575 → 279.95.
    QTest::newRow("kind chosen in the drop-down")
        << Edit([](Window &w) {
               QTableView *view = w.control<QTableView>("TableItems");
               view->setFocus();
               view->setCurrentIndex(view->model()->index(1, 2));
               QTest::keyClick(view, Qt::Key_F2);
               auto *combo = qobject_cast<QComboBox *>(QApplication::focusWidget());
               QVERIFY(combo);
               combo->setCurrentIndex(combo->findText(QStringLiteral("本金")));
               Q_EMIT combo->activated(combo->currentIndex());
           })
        << QStringLiteral("合计尚欠：54943.72元");
    // No doubled interest at all: 53300 + 266.50.
    QTest::newRow("doubled base unticked with the space bar")
        << Edit([](Window &w) {
               QTableView *view = w.control<QTableView>("TableItems");
               view->setFocus();
               view->setCurrentIndex(view->model()->index(0, 4));
               QTest::keyClick(view, Qt::Key_Space);
           })
        << QStringLiteral("合计尚欠：53566.50元");
    // The new period is the calculation day, 2025-03-31, which then bears no
    // doubled interest: 29 days, 53300 × 0.5075% = 270.4975 → 270.50.
    QTest::newRow("excluded period added by its button")
        << Edit([](Window &w) { w.control<QPushButton>("ButtonAddExcluded")->click(); })
        << QStringLiteral("合计尚欠：54887.00元");
    QTest::newRow("calculation day the day of the credit")
        << Edit([](Window &w) { w.control<QDateEdit>("DateEditCalculationDay")->setDate(Day("2025-03-01")); })
        << QStringLiteral("合计尚欠：54350.00元");
    // Costs 2300, principal 47700 (52300 left), interest 1000 stays:
    // 52300 + 1000 + 261.50 + 1050 + 274.58.
    QTest::newRow("principal before interest")
        << Edit([](Window &w) { w.control<QComboBox>("ComboBoxSetOffOrder")->setCurrentIndex(1); })
        << QStringLiteral("合计尚欠：54886.08元");
    QTest::newRow("general interest switched off")
        << Edit([](Window &w) { w.control<QGroupBox>("GroupGeneralInterest")->setChecked(false); })
        << QStringLiteral("合计尚欠：53624.58元");
    // 29 days to 03-01: 483.33; 52783.33 left: 263.91665 → 263.92, 277.11.
    QTest::newRow("interest from a later day")
        << Edit([](Window &w) { w.control<QDateEdit>("DateEditInterestFrom")->setDate(Day("2025-02-01")); })
        << QStringLiteral("合计尚欠：54374.36元");
    // The one-year LPR 3.10% over the whole case: 516.67 to 03-01; 52816.67
    // left: 136.443 → 136.44 and 277.2875 → 277.29.
    QTest::newRow("rates in force")
        << Edit([](Window &w) { w.control<QComboBox>("ComboBoxRateKind")->setCurrentIndex(0); })
        << QStringLiteral("合计尚欠：54280.40元");
    // 12%: 2000 to 03-01, 45700 of principal paid, 54300 left: 543.00, 285.08.
    QTest::newRow("fixed rate typed")
        << Edit([](Window &w) {
               w.control<QLineEdit>("EditFixedRate")->selectAll();
               QTest::keyClicks(w.control<QLineEdit>("EditFixedRate"), QStringLiteral("12"));
           })
        << QStringLiteral("合计尚欠：56178.08元");
    // ×1.5: 1500 to 03-01, 53800 left: 403.50 and 282.45.
    QTest::newRow("multiplier typed")
        << Edit([](Window &w) {
               w.control<QLineEdit>("EditMultiplier")->selectAll();
               QTest::keyClicks(w.control<QLineEdit>("EditMultiplier"), QStringLiteral("1.5"));
           })
        << QStringLiteral("合计尚欠：55535.95元");
    // ÷365: 986.30 to 03-01, 53286.30 left: 262.78 and 279.75.
    QTest::newRow("365-day year")
        << Edit([](Window &w) { w.control<QComboBox>("ComboBoxDaysPerYear")->setCurrentIndex(1); })
        << QStringLiteral("合计尚欠：54878.83元");
}

void ExecutionLedgerWindowTest::eachEditRecomputes()
{
    QFETCH(Edit, edit);
    QFETCH(QString, total);
    Window w;
    w.window->showCase(PaidInPart());
    QCOMPARE(w.total(), PaidInPartTotal);
    edit(w);
    QVERIFY2(w.showsResult(), qPrintable(w.message()));
    QCOMPARE(w.total(), total);
}

void ExecutionLedgerWindowTest::rowsAddedAndRemoved_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("add");     // a button, or "Insert"
    QTest::addColumn<QString>("remove");  // a button, or "Delete"

    QTest::newRow("debt items by buttons") << "TableItems" << "ButtonAddItem" << "ButtonRemoveItem";
    QTest::newRow("debt items by keys") << "TableItems" << "Insert" << "Delete";
    QTest::newRow("credits by buttons") << "TableCredits" << "ButtonAddCredit" << "ButtonRemoveCredit";
    QTest::newRow("credits by keys") << "TableCredits" << "Insert" << "Delete";
    QTest::newRow("excluded periods by buttons") << "TableExcluded" << "ButtonAddExcluded" << "ButtonRemoveExcluded";
    QTest::newRow("excluded periods by keys") << "TableExcluded" << "Insert" << "Delete";
}

void ExecutionLedgerWindowTest::rowsAddedAndRemoved()
{
    QFETCH(QString, table);
    QFETCH(QString, add);
    QFETCH(QString, remove);
    Window w;
    w.window->showCase(PaidInPart());
    const QByteArray name = table.toLatin1();
    const int before = w.rows(name.constData());
    if (add == QLatin1String("Insert"))
        w.keyOnTable(name.constData(), 0, Qt::Key_Insert);
    else
        w.control<QPushButton>(add.toLatin1().constData())->click();
    QCOMPARE(w.rows(name.constData()), before + 1);
    // The new row is the current one; removing it gives back the case.
    QTableView *view = w.control<QTableView>(name.constData());
    const int added = view->currentIndex().row();
    view->selectRow(added);
    if (remove == QLatin1String("Delete"))
        w.keyOnTable(name.constData(), added, Qt::Key_Delete);
    else
        w.control<QPushButton>(remove.toLatin1().constData())->click();
    QCOMPARE(w.rows(name.constData()), before);
    QCOMPARE(w.onScreen(), CaseFileBytes(PaidInPart()));
    QCOMPARE(w.total(), PaidInPartTotal);
}

// A new credit row holds no amount yet: the message names it, in place of
// the result, and nothing can be copied.
void ExecutionLedgerWindowTest::badInputNamesTheRow()
{
    Window w;
    w.window->showCase(PaidInPart());
    w.keyOnTable("TableCredits", 0, Qt::Key_Insert);
    QVERIFY(!w.showsResult());
    QVERIFY2(w.message().contains(QStringLiteral("还款第2行")), qPrintable(w.message()));
    QVERIFY(!w.control<QPushButton>("ButtonCopy")->isEnabled());
    w.typeIntoCell("TableCredits", 1, 1, QStringLiteral("1000"));
    QVERIFY2(w.showsResult(), qPrintable(w.message()));
}

void ExecutionLedgerWindowTest::copyPutsWholeCalculationOnClipboard()
{
    Window w;
    w.window->showCase(PaidInPart());
    QGuiApplication::clipboard()->clear();
    w.control<QPushButton>("ButtonCopy")->click();
    const QString text = QGuiApplication::clipboard()->text();
    QVERIFY2(text.startsWith(QStringLiteral("执行款计算\n案号：（2025）京0105执100号\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("合计尚欠：54896.33元（大写：人民币伍万肆仟捌佰玖拾陆元叁角叁分）")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("冲抵费用2300.00元，冲抵一般债务利息1000.00元，冲抵本金46700.00元")));
}

// Saved, changed, opened again: the case comes back, and the dialogs start
// in the folder last used, which a small settings file remembers.
void ExecutionLedgerWindowTest::saveAndOpenThroughTheDialogs()
{
    Window w;
    w.window->showCase(PaidInPart());
    QTemporaryDir cases;
    const QString path = cases.filePath(QStringLiteral("甲诉乙"));
    w.fixture.fileDialogs.answers = {path};
    w.control<QPushButton>("ButtonSave")->click();
    const QString saved = path + QStringLiteral(".pellumo-case");
    QVERIFY(QFile::exists(saved));
    QVERIFY2(w.fixture.fileDialogs.asked.last().offered.endsWith(QStringLiteral("（2025）京0105执100号.pellumo-case")),
             qPrintable(w.fixture.fileDialogs.asked.last().offered));

    // A change not saved: opening asks first; "No" keeps it, "Yes" opens.
    w.typeIntoCell("TableItems", 0, 1, QStringLiteral("1"));
    QVERIFY(w.total() != PaidInPartTotal);
    const QByteArray changed = w.onScreen();
    w.fixture.boxes.answers = {MessageBoxes::Answer::No};
    w.fixture.fileDialogs.answers = {saved};
    w.control<QPushButton>("ButtonOpen")->click();
    QCOMPARE(w.fixture.boxes.boxes.size(), 1);
    QCOMPARE(w.fixture.boxes.boxes[0].buttons, MessageBoxes::Buttons::YesNo);
    QCOMPARE(w.onScreen(), changed);
    w.control<QPushButton>("ButtonOpen")->click();  // answered Yes
    QCOMPARE(w.fixture.fileDialogs.asked.last().offered, cases.path());
    QCOMPARE(w.onScreen(), CaseFileBytes(PaidInPart()));
    QCOMPARE(w.total(), PaidInPartTotal);
    QCOMPARE(w.fixture.boxes.boxes.size(), 2);

    // A window opened later starts where the last one left off.
    Window later;
    later.fixture.fileDialogs.answers = {};
    QFile::copy(w.fixture.settingsFiles.pathForWriting(QStringLiteral("ledger_folder.txt")),
                later.fixture.settingsFiles.pathForWriting(QStringLiteral("ledger_folder.txt")));
    later.control<QPushButton>("ButtonOpen")->click();
    QCOMPARE(later.fixture.fileDialogs.asked.last().offered, cases.path());
}

void ExecutionLedgerWindowTest::unreadableFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QByteArray good = CaseFileBytes(PaidInPart());
    QByteArray damaged = good;
    damaged[good.indexOf("\"credits\"") + 9] = '!';  // the colon after the key
    QByteArray newer = good;
    newer.replace("\"version\": 1", "\"version\": 2");
    QByteArray large = good;
    large.append(QByteArray(MaxCaseFileSize, '\n'));

    QTest::newRow("damaged") << damaged << QStringLiteral("已损坏");
    QTest::newRow("truncated") << good.left(good.size() - 20) << QStringLiteral("不完整");
    QTest::newRow("over 1 MiB") << large << QStringLiteral("超过1 MiB");
    QTest::newRow("newer version") << newer << QStringLiteral("较新版本");
}

void ExecutionLedgerWindowTest::unreadableFileChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    Window w;
    CaseRecord shown = PaidInPart();
    shown.executionCase.credits[0].amount = 40000;
    w.window->showCase(shown);
    const QByteArray before = w.onScreen();
    const QString total = w.total();
    const QString path = PlaceFile(w.fixture.filePath(QStringLiteral("bad.pellumo-case")), bytes);
    w.fixture.fileDialogs.answers = {path};
    w.control<QPushButton>("ButtonOpen")->click();
    QCOMPARE(w.fixture.boxes.boxes.size(), 1);
    QVERIFY2(w.fixture.boxes.boxes[0].text.contains(message), qPrintable(w.fixture.boxes.boxes[0].text));
    QCOMPARE(w.onScreen(), before);
    QCOMPARE(w.total(), total);
    QCOMPARE(ReadBytes(path), bytes);
}

// Written into a "folder" that is a file: a message, and the folder is not
// remembered.
void ExecutionLedgerWindowTest::failedSaveShowsWhy()
{
    Window w;
    w.window->showCase(PaidInPart());
    PlaceFile(w.fixture.filePath(QStringLiteral("blocker")), "a file");
    w.fixture.fileDialogs.answers = {w.fixture.filePath(QStringLiteral("blocker/case.pellumo-case"))};
    w.control<QPushButton>("ButtonSave")->click();
    QCOMPARE(w.fixture.boxes.boxes.size(), 1);
    QVERIFY(w.fixture.boxes.boxes[0].text.contains(QStringLiteral("无法保存案件文件")));
    QCOMPARE(w.fixture.boxes.boxes[0].icon, MessageBoxes::Icon::Error);
    QVERIFY(!QFile::exists(w.fixture.settingsFiles.pathForReading(QStringLiteral("ledger_folder.txt"))));
    QCOMPARE(ReadBytes(w.fixture.filePath(QStringLiteral("blocker"))), QByteArray("a file"));
}

// What the printed sheet holds, figures as worked out above PaidInPart.
void ExecutionLedgerWindowTest::sheetOfTheCase()
{
    const CaseRecord record = PaidInPart();
    const RateHistory history = BuiltInRateHistory();
    const CalculationSheet sheet =
        ExecutionLedgerSheet(record, ComputeExecutionLedger(record.executionCase, history), history);
    QCOMPARE(sheet.title, QStringLiteral("执行款计算"));
    QCOMPARE(sheet.caseNumber, record.caseNumber);
    QCOMPARE(sheet.parties, record.parties);
    QCOMPARE(sheet.calculationDay, Day("2025-03-31"));
    QCOMPARE(sheet.tables.size(), 2);
    // No surplus: no column for it.
    QCOMPARE(sheet.tables[0].rows, (QList<QStringList>{{QStringLiteral("2025-03-01"), QStringLiteral("50000.00"),
                                                        QStringLiteral("2300.00"), QStringLiteral("1000.00"),
                                                        QStringLiteral("46700.00"), QStringLiteral("0.00"),
                                                        QStringLiteral("54350.00")}}));
    QCOMPARE(sheet.tables[0].header.size(), 7);
    QCOMPARE(sheet.tables[1].rows.size(), 2);
    QCOMPARE(sheet.tables[1].rows[1],
             (QStringList{QStringLiteral("2025-03-02"), QStringLiteral("2025-03-31"), QStringLiteral("30"),
                          QStringLiteral("53300.00"), QStringLiteral("53300×0.0175%×30≈279.83"),
                          QStringLiteral("279.83")}));
    QCOMPARE(sheet.tables[1].header.size(), sheet.tables[1].rows[1].size());
    QCOMPARE(sheet.total, Money::fromPlainDecimal(u"54896.33").value());
    QCOMPARE(sheet.totalLabel, QStringLiteral("合计尚欠"));
    QVERIFY(std::any_of(sheet.results.cbegin(), sheet.results.cend(), [](const SheetLine &line) {
        return line.label == QStringLiteral("尚欠一般债务利息") && line.value == QStringLiteral("266.50元");
    }));
    QVERIFY(sheet.legalBasis.join(QString()).contains(QStringLiteral("第五百六十条第二款、第五百六十一条")));
    QVERIFY(sheet.choices.join(QString()).contains(QStringLiteral("冲抵顺序")));
    QVERIFY(!sheet.dataVersions.isEmpty());
}

// 导出PDF… writes the sheet to the file the dialog names, with the
// window's title and calculation day offered as its name.
void ExecutionLedgerWindowTest::exportPdfWritesTheSheet()
{
    Window w;
    w.window->showCase(PaidInPart());
    const QString path = w.fixture.filePath(QStringLiteral("执行款.pdf"));
    w.fixture.fileDialogs.answers = {path};
    w.control<QPushButton>("ButtonExportPdf")->click();
    QVERIFY2(w.fixture.boxes.boxes.isEmpty(), qPrintable(w.fixture.boxes.boxes.value(0).text));
    QVERIFY(ReadBytes(path).startsWith("%PDF"));
    QVERIFY2(w.fixture.fileDialogs.asked.last().offered.contains(QStringLiteral("执行款计算")),
             qPrintable(w.fixture.fileDialogs.asked.last().offered));
    // With no result there is nothing to print, and the buttons say so by being off.
    w.keyOnTable("TableCredits", 0, Qt::Key_Insert);
    QVERIFY(!w.control<QPushButton>("ButtonExportPdf")->isEnabled());
    QVERIFY(!w.control<QPushButton>("ButtonPrint")->isEnabled());
}

// 100000 due 1999-06-30, fees and general interest at the LPR, 100 credits
// from 2014-08-01 on, owed on 2029-06-30: what one keystroke in a credit's
// amount costs (reported, not asserted).
void ExecutionLedgerWindowTest::keystrokeOnHundredCreditsOverThirtyYears()
{
    Window w;
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
    const QModelIndex amount = credits->index(50, 1);
    int typed = 0;
    QBENCHMARK {
        credits->setData(amount, QString::number(60000 + (++typed % 2)), Qt::EditRole);
    }
    QVERIFY(w.showsResult());
}

QTEST_MAIN(ExecutionLedgerWindowTest)
#include "tst_execution_ledger_window.moc"
