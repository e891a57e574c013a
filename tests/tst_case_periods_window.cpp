// The window 审限与刑期 as a clerk works it from the page 日期计算: each
// control and cell recomputes; rows come and go by buttons and keys; copy,
// save, open and export; a file that fails changes nothing on screen.

#include "app/case_periods/case_periods_window.h"
#include "app/pages/deadline_page.h"
#include "interest/execution_case_file.h"
#include "tests/page_harness.h"
#include "tests/test_files.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <functional>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

QDate Day(const char *iso)
{
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

// A civil case filed at a month's end with a public notice and one extension,
// and a fixed term with two custody spells before the judgment is executed.
CasePeriodsRecord CivilAndCriminalCase()
{
    CasePeriodsRecord record;
    record.caseNumber = QStringLiteral("（2024）京0105民初1234号");
    record.parties = QStringLiteral("原告甲公司，被告乙");
    TrialPeriodCase &t = record.trialPeriod;
    t.procedure = Procedure::CivilOrdinary;
    t.filed = Day("2024-01-31");
    t.notCounted = {{Day("2024-03-01"), Day("2024-05-29"), QStringLiteral("公告期间")}};
    t.extensions = {{6, 0}};
    t.asOf = Day("2024-10-08");
    SentenceCase &s = record.sentence;
    s.penalty = Penalty::FixedTerm;
    s.years = 3;
    s.months = 6;
    s.days = 15;
    s.start = Day("2025-03-04");
    s.offset = {{Day("2024-06-01"), Day("2024-06-30"), CustodyKind::Detained},
                {Day("2024-09-01"), Day("2024-09-14"), CustodyKind::DesignatedResidence}};
    return record;
}

// The window opened from the page, showing the case above unless told not to.
struct Window {
    explicit Window(bool withCase = true)
    {
        page = &fixture.open();
        fixture.control<QPushButton>(QStringLiteral("ButtonCasePeriods"))->click();
        window = page->findChild<CasePeriodsWindow *>();
        if (!window || !QTest::qWaitForWindowExposed(window))
            qFatal("the window 审限与刑期 did not open");
        QApplication::setActiveWindow(window);
        if (withCase)
            window->showCase(CivilAndCriminalCase());
    }

    template <typename T>
    T *control(const char *name) const
    {
        return FindControl<T>(window, QLatin1String(name));
    }

    QString text(const char *label) const { return control<QLabel>(label)->text(); }
    // Both results as shown: the lines and steps of the trial period and of the sentence.
    QString results() const
    {
        return QStringList{text("LabelLastDay"), text("LabelDaysLeft"), text("LabelNotCountedDays"), text("LabelApplyBy"),
                           control<QPlainTextEdit>("TextTrialSteps")->toPlainText(), text("LabelSentenceEnd"),
                           text("LabelOffsetDays"), text("LabelWording"),
                           control<QPlainTextEdit>("TextSentenceSteps")->toPlainText()}
            .join(u'|');
    }
    bool showsResults() const
    {
        return control<QStackedWidget>("StackTrialResult")->currentIndex() == 0 &&
               control<QStackedWidget>("StackSentenceResult")->currentIndex() == 0;
    }
    QString messages() const { return text("LabelTrialMessage") + text("LabelSentenceMessage"); }
    QByteArray onScreen() const { return CasePeriodsFileBytes(window->caseOnScreen()); }
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
        control<QTabWidget>("Tabs")->setCurrentIndex(table == QByteArray("TableCustody") ? 1 : 0);
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

    PageFixture<DeadlinePage> fixture;
    DeadlinePage *page = nullptr;
    CasePeriodsWindow *window = nullptr;
};

using Edit = std::function<void(Window &)>;

} // namespace

Q_DECLARE_METATYPE(Edit)

class CasePeriodsWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pageButtonOpensOneWindow();
    void eachEditRecomputes_data();
    void eachEditRecomputes();
    void rowsAddedAndRemoved_data();
    void rowsAddedAndRemoved();
    void badInputNamesTheRow();
    void passedPeriodSaysSoInRed();
    void refusedKeyExplained();
    void copyPutsTheTabShownOnClipboard();
    void saveAndOpenThroughTheDialogs();
    void fileThatFailsChangesNothing_data();
    void fileThatFailsChangesNothing();
    void exportPdfWritesTheSheet();
};

// A new case counts from today; closing hides the window, which the button
// brings back.
void CasePeriodsWindowTest::pageButtonOpensOneWindow()
{
    Window w(false);
    QCOMPARE(w.window->windowTitle(), QStringLiteral("审限与刑期"));
    QCOMPARE(w.control<QDateEdit>("DateEditAsOf")->date(), QDate::currentDate());
    QVERIFY2(w.control<QStackedWidget>("StackTrialResult")->currentIndex() == 0, qPrintable(w.messages()));
    w.window->close();
    w.fixture.control<QPushButton>(QStringLiteral("ButtonCasePeriods"))->click();
    QCOMPARE(w.page->findChildren<CasePeriodsWindow *>().size(), 1);
    QVERIFY(w.window->isVisible());
}

// One row per control; the figures are the calculation's, so any change of
// the results or the message will do (a fixed term of 3 years is no 拘役).
// The day counted to (截至) is passedPeriodSaysSoInRed's.
void CasePeriodsWindowTest::eachEditRecomputes_data()
{
    QTest::addColumn<Edit>("edit");
    auto row = [](const char *name, Edit edit) { QTest::newRow(name) << edit; };
    row("procedure", [](Window &w) { w.control<QComboBox>("ComboBoxProcedure")->setCurrentIndex(int(Procedure::CivilAppealJudgment)); });
    row("filed", [](Window &w) { w.control<QDateEdit>("DateEditFiled")->setDate(Day("2024-02-15")); });
    row("simplified to ordinary", [](Window &w) {
        w.control<QDateEdit>("DateEditSimplifiedToOrdinary")->setDate(Day("2024-02-20"));
        w.control<QCheckBox>("CheckBoxSimplifiedToOrdinary")->setChecked(true);
    });
    row("not-counted day", [](Window &w) {
        QAbstractItemModel *model = w.control<QTableView>("TableNotCounted")->model();
        model->setData(model->index(0, 1), Day("2024-06-29"), Qt::EditRole);
    });
    row("extension cell", [](Window &w) { w.typeIntoCell("TableExtensions", 0, 0, QStringLiteral("3")); });
    row("penalty", [](Window &w) { w.control<QComboBox>("ComboBoxPenalty")->setCurrentIndex(int(Penalty::CriminalDetention)); });
    row("years", [](Window &w) { w.typeInto(w.control<QLineEdit>("EditYears"), QStringLiteral("4")); });
    row("start", [](Window &w) { w.control<QDateEdit>("DateEditStart")->setDate(Day("2025-03-05")); });
    row("custody kind", [](Window &w) {
        auto *combo = qobject_cast<QComboBox *>(w.keyOnTable("TableCustody", 1, Qt::Key_F2, 2));
        QVERIFY(combo);
        combo->setCurrentIndex(0);
        Q_EMIT combo->activated(0);
    });
}

void CasePeriodsWindowTest::eachEditRecomputes()
{
    QFETCH(Edit, edit);
    Window w;
    QVERIFY2(w.showsResults(), qPrintable(w.messages()));
    const QString before = w.results() + w.messages();
    edit(w);
    QVERIFY(w.results() + w.messages() != before);
}

void CasePeriodsWindowTest::rowsAddedAndRemoved_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QByteArray>("add");     // a button, or none for the Insert key
    QTest::addColumn<QByteArray>("remove");  // a button, or none for the Delete key
    for (const char *name : {"NotCounted", "Extension", "Custody"}) {
        const QByteArray table = "Table" + QByteArray(name) + (name[0] == 'E' ? "s" : "");
        QTest::addRow("%s by buttons", name) << table << "ButtonAdd" + QByteArray(name) << "ButtonRemove" + QByteArray(name);
        QTest::addRow("%s by keys", name) << table << QByteArray() << QByteArray();
    }
}

// The new row is the current one and is computed with; removing it gives
// back the case.
void CasePeriodsWindowTest::rowsAddedAndRemoved()
{
    QFETCH(QByteArray, table);
    QFETCH(QByteArray, add);
    QFETCH(QByteArray, remove);
    Window w;
    const QByteArray before = w.onScreen();
    const QString results = w.results();
    const int rows = w.rows(table);
    if (add.isEmpty())
        w.keyOnTable(table, 0, Qt::Key_Insert);
    else
        w.click(add);
    QCOMPARE(w.rows(table), rows + 1);
    QVERIFY(w.results() != results || !w.showsResults());
    const int added = w.control<QTableView>(table)->currentIndex().row();
    w.control<QTableView>(table)->selectRow(added);
    if (remove.isEmpty())
        w.keyOnTable(table, added, Qt::Key_Delete);
    else
        w.click(remove);
    QCOMPARE(w.onScreen(), before);
    QCOMPARE(w.results(), results);
}

// An interval before 立案: the calculation's message names the row in place
// of the result, and nothing of the tab can be copied, printed or exported.
void CasePeriodsWindowTest::badInputNamesTheRow()
{
    Window w;
    QAbstractItemModel *model = w.control<QTableView>("TableNotCounted")->model();
    model->setData(model->index(0, 0), Day("2024-01-01"), Qt::EditRole);
    QCOMPARE(w.control<QStackedWidget>("StackTrialResult")->currentIndex(), 1);
    QVERIFY2(w.text("LabelTrialMessage").contains(QStringLiteral("第1行")), qPrintable(w.text("LabelTrialMessage")));
    for (const char *button : {"ButtonCopy", "ButtonExportPdf", "ButtonPrint"})
        QVERIFY(!w.control<QPushButton>(button)->isEnabled());
    w.control<QTabWidget>("Tabs")->setCurrentIndex(1);
    QVERIFY(w.control<QPushButton>("ButtonCopy")->isEnabled());
}

void CasePeriodsWindowTest::passedPeriodSaysSoInRed()
{
    Window w;
    QVERIFY(!w.text("LabelDaysLeft").contains(QStringLiteral("已届满")));
    w.control<QDateEdit>("DateEditAsOf")->setDate(Day("2030-01-01"));
    QVERIFY2(w.text("LabelDaysLeft").contains(QStringLiteral("已届满")), qPrintable(w.text("LabelDaysLeft")));
    QVERIFY(w.control<QLabel>("LabelDaysLeft")->styleSheet().contains(QStringLiteral("#c00000")));
}

// A letter in a number field or cell is refused, and the field says what it takes.
void CasePeriodsWindowTest::refusedKeyExplained()
{
    Window w;
    w.control<QTabWidget>("Tabs")->setCurrentIndex(1);
    QLineEdit *years = w.control<QLineEdit>("EditYears");
    years->setFocus();
    QTest::keyClicks(years, QStringLiteral("x"));
    QCOMPARE(years->text(), QStringLiteral("3"));
    QCOMPARE(QToolTip::text(), QStringLiteral("年数只能是0至99的整数"));
    QWidget *cell = w.keyOnTable("TableExtensions", 0, Qt::Key_F2, 1);
    QTest::keyClicks(cell, QStringLiteral("-"));
    QCOMPARE(QToolTip::text(), QStringLiteral("天数只能是0至999的整数"));
}

void CasePeriodsWindowTest::copyPutsTheTabShownOnClipboard()
{
    Window w;
    QGuiApplication::clipboard()->clear();
    w.click("ButtonCopy");
    QString text = QGuiApplication::clipboard()->text();
    QVERIFY2(text.startsWith(QStringLiteral("审限计算\n案号：（2024）京0105民初1234号\n当事人：原告甲公司，被告乙\n")),
             qPrintable(text));
    QVERIFY(text.contains(w.text("LabelLastDay")));
    w.control<QTabWidget>("Tabs")->setCurrentIndex(1);
    w.click("ButtonCopy");
    text = QGuiApplication::clipboard()->text();
    QVERIFY2(text.startsWith(QStringLiteral("刑期计算\n")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("判决书表述：") + w.text("LabelWording")));
}

// Saved, changed, opened again: opening a changed case asks first ("No" keeps
// it); the dialogs start in the folder last used.
void CasePeriodsWindowTest::saveAndOpenThroughTheDialogs()
{
    Window w;
    QTemporaryDir cases;
    const QString saved = cases.filePath(QStringLiteral("甲诉乙.pellumo-case"));
    w.fixture.fileDialogs.answers = {cases.filePath(QStringLiteral("甲诉乙"))};
    w.click("ButtonSave");
    QVERIFY(QFile::exists(saved));
    QVERIFY(w.fixture.fileDialogs.asked.last().offered.endsWith(QStringLiteral("（2024）京0105民初1234号.pellumo-case")));

    w.typeInto(w.control<QLineEdit>("EditMonths"), QStringLiteral("7"));
    const QByteArray changed = w.onScreen();
    w.fixture.boxes.answers = {MessageBoxes::Answer::No};
    w.fixture.fileDialogs.answers = {saved};
    w.click("ButtonOpen");
    QCOMPARE(w.onlyBox().buttons, MessageBoxes::Buttons::YesNo);
    QCOMPARE(w.onScreen(), changed);
    w.click("ButtonOpen");  // answered Yes
    QCOMPARE(w.fixture.fileDialogs.asked.last().offered, cases.path());
    QCOMPARE(w.onScreen(), CasePeriodsFileBytes(CivilAndCriminalCase()));
    QCOMPARE(w.fixture.boxes.boxes.size(), 2);
}

// Opened (a case of the execution ledger; the file's other refusals take the
// same path and are the file test's), or saved into a
// "folder" that is a file (the null row): a message, and the screen as it was.
void CasePeriodsWindowTest::fileThatFailsChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("the ledger's case") << CaseFileBytes(CaseRecord()) << QStringLiteral("执行款计算");
    QTest::newRow("failed save") << QByteArray() << QStringLiteral("无法保存案件文件");
}

void CasePeriodsWindowTest::fileThatFailsChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    Window w;
    const QByteArray before = w.onScreen();
    const QString results = w.results();
    const bool save = bytes.isNull();
    const QString path = PlaceFile(w.fixture.filePath(QStringLiteral("bad.pellumo-case")), save ? QByteArray("a file") : bytes);
    w.fixture.fileDialogs.answers = {save ? path + QStringLiteral("/case.pellumo-case") : path};
    w.click(save ? "ButtonSave" : "ButtonOpen");
    QVERIFY2(w.onlyBox().text.contains(message), qPrintable(w.onlyBox().text));
    QCOMPARE(w.onScreen(), before);
    QCOMPARE(w.results(), results);
}

void CasePeriodsWindowTest::exportPdfWritesTheSheet()
{
    Window w;
    w.control<QTabWidget>("Tabs")->setCurrentIndex(1);
    const QString path = w.fixture.filePath(QStringLiteral("刑期.pdf"));
    w.fixture.fileDialogs.answers = {path};
    w.click("ButtonExportPdf");
    QVERIFY2(w.fixture.boxes.boxes.isEmpty(), qPrintable(w.fixture.boxes.boxes.value(0).text));
    QVERIFY(ReadBytes(path).startsWith("%PDF"));
    QVERIFY(w.fixture.fileDialogs.asked.last().offered.contains(QStringLiteral("刑期计算")));
}

QTEST_MAIN(CasePeriodsWindowTest)
#include "tst_case_periods_window.moc"
