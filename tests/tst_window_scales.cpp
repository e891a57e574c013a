// The larger windows on a 1366×768 screen at a display scale of 200 %
// (683×384 logical pixels): every button reachable without moving the
// window, every table at least four rows high, no amount or day cut.

#include "app/all_fees/all_fees_window.h"
#include "app/dialogs/local_standards_dialog.h"
#include "app/ledger/execution_ledger_window.h"
#include "app/pages/interest_in_force_page.h"
#include "app/window/main_window.h"
#include "tests/gui_harness.h"
#include "tests/page_harness.h"

#include <QAbstractButton>
#include <QDir>
#include <QHeaderView>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QTemporaryFile>
#include <QToolButton>
#include <QTreeView>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

QDate Day(const char *iso)
{
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

// Amounts in the millions in every table.
CaseRecord LargeCase()
{
    CaseRecord record;
    ExecutionCase &c = record.executionCase;
    c.items = {{QStringLiteral("本金"), 3500000, DebtKind::Principal, Day("2023-06-30"), true},
               {QStringLiteral("案件受理费"), 52300, DebtKind::LitigationCost, Day("2023-06-30"), false}};
    c.generalInterest.awarded = true;
    c.generalInterest.from = Day("2023-07-01");
    c.generalInterest.fixedAnnualRatePercent = Money(6);
    c.credits = {{Day("2023-09-15"), 1250000}, {Day("2024-08-20"), 999999}};
    c.excluded = {{Day("2023-10-01"), Day("2023-12-31")}};
    c.calculationDay = Day("2025-06-30");
    return record;
}

QString ProblemsOf(QWidget *window)
{
    QStringList problems;
    const QRect screen = window->screen()->availableGeometry();
    if (!screen.contains(window->geometry()))
        problems << QStringLiteral("the window is larger than the screen");
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(window) || button->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // A button in a scroll area counts as reachable once scrolled to.
        for (QWidget *up = button->parentWidget(); up; up = up->parentWidget()) {
            if (auto *area = qobject_cast<QScrollArea *>(up))
                area->ensureWidgetVisible(button);
        }
        const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
        if (!screen.contains(onScreen))
            problems << button->objectName() + QStringLiteral(" is off screen");
    }
    for (QAbstractItemView *view : window->findChildren<QAbstractItemView *>()) {
        if (!view->isVisibleTo(window) || view->model()->rowCount() == 0)
            continue;
        const int rowHeight = view->visualRect(view->model()->index(0, 0)).height();
        if (view->viewport()->height() < 4 * rowHeight)
            problems << view->objectName() + QStringLiteral(" shows fewer than four rows");
    }
    return problems.join(QStringLiteral("; "));
}

// Every cell's text whole, but for the formulas, whose tooltip holds them.
QString CutCellsOf(const QTableView *view)
{
    const QAbstractItemModel *model = view->model();
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    for (int column = 0; column < model->columnCount(); ++column) {
        if (view->isColumnHidden(column))
            continue;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, column);
            const QString text = index.data().toString();
            if (model->headerData(column, Qt::Horizontal).toString() == QStringLiteral("计算式")) {
                if (index.data(Qt::ToolTipRole).toString() != text)
                    return QStringLiteral("the formula \"%1\" has no tooltip").arg(text);
                continue;
            }
            if (view->columnWidth(column) < view->fontMetrics().horizontalAdvance(text) + margins)
                return QStringLiteral("%1 cuts \"%2\"").arg(view->objectName(), text);
        }
    }
    return {};
}

} // namespace

class WindowScalesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void screenIsSmall();
    void ledgerWindow();
    void allFeesWindowAndItsDialog();
    void mainWindowOpensOnScreen();
};

void WindowScalesTest::screenIsSmall()
{
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(683, 384));
}

void WindowScalesTest::ledgerWindow()
{
    PageFixture<InterestInForcePage> fixture;
    fixture.open();
    fixture.control<QToolButton>(QStringLiteral("SpeedButtonLedger"))->click();
    auto *window = fixture.page->findChild<ExecutionLedgerWindow *>();
    QVERIFY(window && QTest::qWaitForWindowExposed(window));
    window->showCase(LargeCase());
    QCoreApplication::processEvents();
    const QString problems = ProblemsOf(window);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
    for (const QTableView *view : window->findChildren<QTableView *>()) {
        const QString cut = CutCellsOf(view);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }
}

void WindowScalesTest::allFeesWindowAndItsDialog()
{
    PageFixture<AllFeesWindow> fixture;
    AllFeesWindow &window = fixture.open();
    QString problems = ProblemsOf(&window);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
    LocalStandardsDialog *dialog = window.localStandardsDialog();
    dialog->open();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    problems = ProblemsOf(dialog);
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

// The main window keeps its fixed size, here taller than the screen: it
// opens with its top on the screen and its whole width within it.
void WindowScalesTest::mainWindowOpensOnScreen()
{
    WindowFixture fixture;
    const QRect placed = fixture.open().frameGeometry();
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(placed.top(), room.top());
    QVERIFY2(room.left() <= placed.left() && placed.right() <= room.right(),
             qPrintable(QStringLiteral("%1 to %2").arg(placed.left()).arg(placed.right())));
}

// A screen of 1366×768 device pixels at twice the scale, on the platform
// the tests run on; set before the application starts.
int main(int argc, char *argv[])
{
    // Named relative to the current folder: a Windows path's drive colon
    // would end the platform's argument.
    QTemporaryFile screens(QStringLiteral("window-scales-XXXXXX.json"));
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1366, "height": 768,
                                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QDir::current().relativeFilePath(screens.fileName()).toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    WindowScalesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_scales.moc"
