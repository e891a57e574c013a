// Screenshots of the whole screen with each window of the program that has
// tables or many controls on it (执行款计算 with a case, 全部收费项目, its
// dialog 本地收费标准, the dialog of the case details, the main window), for
// judging them at each display scale on a small screen:
//
//   xvfb-run -a -s "-screen 0 1366x768x24" env QT_SCALE_FACTOR=2 window_scales <output folder> <tag>
//
// Each picture is the screen as the clerk sees it, so a button off screen
// is missing from it.

#include "app/all_fees/all_fees_window.h"
#include "app/dialogs/local_standards_dialog.h"
#include "app/ledger/execution_ledger_window.h"
#include "app/printing/case_details_dialog.h"
#include "app/services/message_boxes.h"
#include "app/services/shell_launcher.h"
#include "app/update/network_downloader.h"
#include "app/window/main_window.h"
#include "app/window/window_styles.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstdio>

namespace {

class NoShell : public pellumo::ShellLauncher
{
public:
    void openWebAddress(const QUrl &) override {}
    void startProgram(const QString &) override {}
};

QDate Day(const char *iso)
{
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

// Large amounts, several rows in each table, a surplus-free long case.
pellumo::CaseRecord BusyCase()
{
    using namespace pellumo;
    CaseRecord record;
    record.caseNumber = QStringLiteral("（2025）京0105执1234号");
    record.parties = QStringLiteral("申请执行人甲公司，被执行人乙公司");
    ExecutionCase &c = record.executionCase;
    c.items = {{QStringLiteral("本金第一期"), Money(2000000), DebtKind::Principal, Day("2022-12-31"), true},
               {QStringLiteral("本金第二期"), Money(3500000), DebtKind::Principal, Day("2023-06-30"), true},
               {QStringLiteral("案件受理费"), Money(52300), DebtKind::LitigationCost, Day("2022-12-31"), false},
               {QStringLiteral("律师费"), Money(80000), DebtKind::LawyerFee, Day("2022-12-31"), false},
               {QStringLiteral("违约金"), Money(125000), DebtKind::Damages, Day("2022-12-31"), false}};
    c.generalInterest.awarded = true;
    c.generalInterest.from = Day("2023-01-01");
    c.generalInterest.fixedAnnualRatePercent = Money(6);
    c.credits = {{Day("2023-03-01"), Money(500000)}, {Day("2023-09-15"), Money(1250000)},
                 {Day("2024-02-01"), Money(800000)}, {Day("2024-08-20"), Money(999999)},
                 {Day("2025-01-10"), Money(1500000)}};
    c.excluded = {{Day("2023-10-01"), Day("2023-12-31")}, {Day("2024-05-01"), Day("2024-05-31")}};
    c.calculationDay = Day("2025-06-30");
    return record;
}

bool SaveScreen(const QDir &output, const QString &name)
{
    QTest::qWait(300);
    const QString path = output.filePath(name + QStringLiteral(".png"));
    const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output folder> <tag>\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QString tag = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(output.path());
    QApplication::setApplicationName(QStringLiteral("Pellumo"));
    QApplication::setCursorFlashTime(0);
    pellumo::InstallFontSubstitutions();

    QTemporaryDir programFolder;
    pellumo::WidgetMessageBoxes messageBoxes;
    NoShell shell;
    pellumo::NetworkDownloader downloader;
    pellumo::WindowServices services;
    services.programFolder = programFolder.path() + QLatin1Char('/');
    services.messageBoxes = &messageBoxes;
    services.shellLauncher = &shell;
    services.downloader = &downloader;
    services.loadBanner = false;

    pellumo::TForm1 window(services);
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowExposed(&window) ||
        !QTest::qWaitFor([&window] { return window.findChild<QWidget *>(QStringLiteral("SpeedButtonLedger")); }))
        return 1;
    bool allSaved = SaveScreen(output, QStringLiteral("main_") + tag);

    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    auto *ledgerButton = window.findChild<QToolButton *>(QStringLiteral("SpeedButtonLedger"));
    for (int index = 0; index < tabs->count(); ++index) {
        if (tabs->widget(index)->isAncestorOf(ledgerButton))
            tabs->setCurrentIndex(index);
    }
    allSaved &= SaveScreen(output, QStringLiteral("interest_in_force_") + tag);
    window.findChild<QToolButton *>(QStringLiteral("SpeedButtonPrivateLending"))->click();
    allSaved &= SaveScreen(output, QStringLiteral("private_lending_") + tag);
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top != &window && top->isVisible())
            top->close();
    }
    ledgerButton->click();
    auto *ledger = window.findChild<pellumo::ExecutionLedgerWindow *>();
    ledger->showCase(BusyCase());
    allSaved &= SaveScreen(output, QStringLiteral("ledger_") + tag);
    ledger->close();

    auto *casePeriodsButton = window.findChild<QPushButton *>(QStringLiteral("ButtonCasePeriods"));
    for (int index = 0; index < tabs->count(); ++index) {
        if (tabs->widget(index)->isAncestorOf(casePeriodsButton))
            tabs->setCurrentIndex(index);
    }
    casePeriodsButton->click();
    allSaved &= SaveScreen(output, QStringLiteral("case_periods_") + tag);
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top != &window && top->isVisible())
            top->close();
    }

    tabs->setCurrentIndex(0);
    window.findChild<QLineEdit *>(QStringLiteral("edtBd"))->setText(QStringLiteral("3000000"));
    window.findChild<QPushButton *>(QStringLiteral("allFeesButton"))->click();
    auto *allFees = window.findChild<pellumo::AllFeesWindow *>();
    allFees->findChild<QLineEdit *>(QStringLiteral("amountEdit"))->setText(QStringLiteral("3000000"));
    allSaved &= SaveScreen(output, QStringLiteral("all_fees_") + tag);

    allFees->findChild<QPushButton *>(QStringLiteral("localStandardsButton"))->click();
    allSaved &= SaveScreen(output, QStringLiteral("local_standards_") + tag);
    allFees->localStandardsDialog()->reject();
    allFees->close();

    pellumo::CaseDetailsDialog details(&window);
    details.show();
    allSaved &= SaveScreen(output, QStringLiteral("case_details_") + tag);
    return allSaved ? 0 : 1;
}
