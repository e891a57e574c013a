// Start-up and the main window's frame: what the window shows at start, the
// first activation, and the settings files found next to the program file
// whatever the current directory.

#include "app/dialogs/base_amount_dialog.h"
#include "gui_harness.h"
#include "test_files.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using namespace pellumo;
using namespace pellumo::testing;

namespace {

QByteArray BaseAmountsFile(int divorce, int personalityRights)
{
    return QStringLiteral("[vrk]\r\nlihun=%1\r\nrenge=%2\r\n").arg(divorce).arg(personalityRights).toLatin1();
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startState_data();
    void startState();
    void frame();
    void tabRowFitsWiderFonts_data();
    void tabRowFitsWiderFonts();
    void activationRunsOnce();
    void hiddenPagesWaitForTheFirstPaint();
    void tabChosenBeforeThePaintShowsItsPage();
    void settingsFilesNextToTheProgram();
    void pagesOnTheirSheets_data();
    void pagesOnTheirSheets();
};

void MainWindowTest::startState_data()
{
    QTest::addColumn<QByteArray>("file");  // empty: no setjs.rar
    QTest::addColumn<QString>("baseCaption");

    QTest::newRow("no settings file") << QByteArray() << "离婚50元 人格权100元";
    QTest::newRow("saved amounts") << BaseAmountsFile(60, 200) << "离婚60元 人格权200元";
}

void MainWindowTest::startState()
{
    QFETCH(QByteArray, file);
    WindowFixture fixture;
    if (!file.isEmpty())
        fixture.writeFile(QStringLiteral("setjs.rar"), file);
    fixture.open();

    QTEST(fixture.control<QToolButton>(QStringLiteral("SpeedButtonjishu"))->text(), "baseCaption");
    QCOMPARE(fixture.control<QTabWidget>(QStringLiteral("PageControl1"))->currentWidget()->objectName(),
             QStringLiteral("TabSheet1"));
    QCOMPARE(QApplication::focusWidget(), fixture.control<QWidget>(QStringLiteral("edtBd")));
    for (const char *name : {"SpeedButton3", "SpeedButton5", "SpeedButton6", "SpeedButton4", "SpeedButton7",
                             "SpeedButton8"})
        QVERIFY2(fixture.control<QToolButton>(QLatin1String(name))->text().isEmpty(), name);
    for (const char *name : {"Label24", "Label25"})
        QVERIFY2(fixture.control<QLabel>(QLatin1String(name))->text().isEmpty(), name);
    for (const char *name : {"ComboBox1", "ComboBox2", "ComboBox3"}) {
        auto *box = fixture.control<QComboBox>(QLatin1String(name));
        QCOMPARE(box->currentIndex(), 0);
        QVERIFY2(box->isEnabled(), name);
    }
    QVERIFY(fixture.control<QLabel>(QStringLiteral("Label26"))->isHidden());
    QVERIFY(fixture.control<QPushButton>(QStringLiteral("Button1"))->isHidden());
    QVERIFY(fixture.control<QPushButton>(QStringLiteral("Button2"))->isHidden());
    QVERIFY(fixture.control<QLineEdit>(QStringLiteral("Edit1"))->isHidden());
    QVERIFY(fixture.boxes.boxes.isEmpty());
}

void MainWindowTest::frame()
{
    WindowFixture fixture;
    TForm1 &window = fixture.open();
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("PellumoV6.2  ----")));
    QCOMPARE(window.size(), QSize(467, 397));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);

    auto *pages = fixture.control<QTabWidget>(QStringLiteral("PageControl1"));
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions << pages->tabText(i);
    QCOMPARE(captions, QStringLiteral("受理费 申请费 迟延利息 分段计息 违约金 日期计算 新办法 关于").split(QLatin1Char(' ')));

    TForm2 *dialog = window.baseAmountDialog();
    QVERIFY(dialog->isHidden());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("起算基数设定"));
    QCOMPARE(dialog->size(), QSize(318, 219));
}

// Another CJK font as the application's, its characters made wider than the
// substitute of 宋体 by letter spacing, as other systems' substitutes are
// (the spacing carries into the tabs' font): every tab in the row of the
// window's width, each caption whole, no scroll arrows.
void MainWindowTest::tabRowFitsWiderFonts_data()
{
    QTest::addColumn<qreal>("widerBy");  // pixels a character
    QTest::newRow("as wide as 宋体") << 0.0;
    QTest::newRow("a pixel wider") << 1.0;
    QTest::newRow("three pixels wider") << 3.0;
    QTest::newRow("six pixels wider: a smaller font") << 6.0;
}

void MainWindowTest::tabRowFitsWiderFonts()
{
    QFETCH(qreal, widerBy);
    const QFont systemFont = QApplication::font();
    QFont wide(QStringLiteral("WenQuanYi Micro Hei"));
    wide.setLetterSpacing(QFont::AbsoluteSpacing, widerBy);
    QApplication::setFont(wide);
    const auto restore = qScopeGuard([&] { QApplication::setFont(systemFont); });
    WindowFixture fixture;
    TForm1 &window = fixture.open();
    QCOMPARE(window.width(), 467);
    auto *pages = fixture.control<QTabWidget>(QStringLiteral("PageControl1"));
    const QTabBar *bar = pages->tabBar();
    for (int i = 0; i < bar->count(); ++i)
        QVERIFY2(bar->tabRect(i).width() > bar->fontMetrics().horizontalAdvance(bar->tabText(i)),
                 qPrintable(bar->tabText(i)));
    QVERIFY(bar->tabRect(bar->count() - 1).right() < pages->width());
    for (const QToolButton *arrow : bar->findChildren<QToolButton *>())
        QVERIFY(!arrow->isVisible());
}

// The pages behind the other tabs do not delay the first paint.
void MainWindowTest::hiddenPagesWaitForTheFirstPaint()
{
    WindowFixture fixture;
    fixture.window = std::make_unique<TForm1>(fixture.services);
    QVERIFY(fixture.window->findChild<QLineEdit *>(QStringLiteral("edtBd")));
    QVERIFY(!fixture.window->findChild<QLineEdit *>(QStringLiteral("Editmoney")));
    fixture.window->show();
    QTRY_VERIFY(fixture.window->findChild<QLineEdit *>(QStringLiteral("Editmoney")));
    QCOMPARE(fixture.control<QDateEdit>(QStringLiteral("DateTimePickerstart"))->date(), QDate::currentDate());
}

void MainWindowTest::tabChosenBeforeThePaintShowsItsPage()
{
    WindowFixture fixture;
    fixture.window = std::make_unique<TForm1>(fixture.services);
    fixture.window->show();
    fixture.control<QTabWidget>(QStringLiteral("PageControl1"))->setCurrentIndex(5);
    QVERIFY(fixture.control<QLineEdit>(QStringLiteral("Edit2"))->isVisible());
    QVERIFY(fixture.control<QWidget>(QStringLiteral("GGdate"))->isVisible());
    QVERIFY(!fixture.control<QWidget>(QStringLiteral("Memo2"))->isVisible());       // hidden until hovered
    QVERIFY(!fixture.control<QWidget>(QStringLiteral("SpeedButton1"))->isVisible());  // never shown
}

// Coming back to the window from the dialog reads nothing again: the caption
// still shows what the first activation read.
void MainWindowTest::activationRunsOnce()
{
    WindowFixture fixture;
    TForm1 &window = fixture.open();
    auto *caption = fixture.control<QToolButton>(QStringLiteral("SpeedButtonjishu"));
    QCOMPARE(caption->text(), QStringLiteral("离婚50元 人格权100元"));
    fixture.writeFile(QStringLiteral("setjs.rar"), BaseAmountsFile(70, 210));

    TForm2 *dialog = window.baseAmountDialog();
    QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
    QTest::mouseClick(caption, Qt::LeftButton);
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(caption->text(), QStringLiteral("离婚50元 人格权100元"));
}

// The probe builds the window as main() does, on ProgramFolder(). It runs
// from a copy next to its own setjs.rar, started in a folder that holds a
// different one.
void MainWindowTest::settingsFilesNextToTheProgram()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QDir(root.path()).mkpath(QStringLiteral("program"));
    QDir(root.path()).mkpath(QStringLiteral("elsewhere"));
    const QString probe = root.filePath(QStringLiteral("program/probe"));
    QVERIFY(QFile::copy(QStringLiteral(PROGRAM_FOLDER_PROBE), probe));
    QVERIFY(WriteBytes(root.filePath(QStringLiteral("program/setjs.rar")), BaseAmountsFile(60, 200)));
    QVERIFY(WriteBytes(root.filePath(QStringLiteral("elsewhere/setjs.rar")), BaseAmountsFile(70, 210)));

    QProcess process;
    process.setWorkingDirectory(root.filePath(QStringLiteral("elsewhere")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(probe, {});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    // Windows ends the lines of a program's output with CR LF.
    const QStringList lines =
        QString::fromUtf8(process.readAllStandardOutput()).split(QRegularExpression(QStringLiteral("\r?\n")));
    QCOMPARE(lines.value(0), QStringLiteral("离婚60元 人格权200元"));
    QCOMPARE(lines.value(1), QStringLiteral("560.00"));
}

void MainWindowTest::pagesOnTheirSheets_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("control");  // one of the page's own

    QTest::newRow("acceptance fee") << 0 << "TabSheet1" << "edtBd";
    QTest::newRow("application fee") << 1 << "TabSheet5" << "Edit7";
    QTest::newRow("delayed interest") << 2 << "TabSheet4" << "Editmoney";
    QTest::newRow("interest at the rates in force") << 3 << "TabSheet9" << "EditPrincipal";
    QTest::newRow("damages") << 4 << "TabSheet6" << "Edit3";
    QTest::newRow("date") << 5 << "TabSheet2" << "Edit2";
    QTest::newRow("reference") << 6 << "TabSheet8" << "RichEdit1";
    QTest::newRow("about") << 7 << "TabSheet3" << "Memo1";
}

// Each page on the sheet of its tab, shown when its tab is chosen.
void MainWindowTest::pagesOnTheirSheets()
{
    QFETCH(int, index);
    QFETCH(QString, sheet);
    QFETCH(QString, control);
    WindowFixture fixture;
    fixture.open();
    auto *pages = fixture.control<QTabWidget>(QStringLiteral("PageControl1"));
    QCOMPARE(pages->widget(index)->objectName(), sheet);
    QWidget *own = fixture.control<QWidget>(control);
    QVERIFY(pages->widget(index)->isAncestorOf(own));
    pages->setCurrentIndex(index);
    QVERIFY(own->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
