// Screenshots of the main window, one per tab, a few pages with results, and
// of the base-amount dialog, for comparing the look of the window before and
// after a change. The real
// TForm1 is built as the program builds it, on an empty temporary program
// folder and with the banner's browser off, so that every run shows the same
// window (today's date aside).
//
//   screenshots <output folder>

#include "app/dialogs/base_amount_dialog.h"
#include "app/window/main_window.h"
#include "app/services/message_boxes.h"
#include "app/update/network_downloader.h"
#include "app/services/shell_launcher.h"
#include "app/window/window_styles.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

namespace {

// Nothing leaves the program while it takes its pictures.
class NoShell : public pellumo::ShellLauncher
{
public:
    void openWebAddress(const QUrl &) override {}
    void startProgram(const QString &) override {}
};

bool Save(QWidget *widget, const QString &path)
{
    const bool saved = widget->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

// The date page with a start and a count typed in, on its tab.
bool SaveDatePage(QWidget *window, QTabWidget *tabs, const QDate &start, const QString &count,
                  const QString &path)
{
    auto *startPicker = window->findChild<QDateEdit *>(QStringLiteral("DateTimePicker1"));
    auto *countField = window->findChild<QLineEdit *>(QStringLiteral("Edit2"));
    for (int index = 0; index < tabs->count(); ++index) {
        if (tabs->widget(index)->isAncestorOf(startPicker))
            tabs->setCurrentIndex(index);
    }
    countField->setText(count);
    startPicker->setDate(start);
    QTest::qWait(200);
    return Save(window, path);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(output.path());
    QApplication::setApplicationName(QStringLiteral("Pellumo"));
    QApplication::setCursorFlashTime(0);  // the caret stays drawn: no blinking between runs
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
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowExposed(&window) ||
        !QTest::qWaitFor([&window] { return window.findChild<QWidget *>(QStringLiteral("Panel1")) != nullptr; }))
        return 1;

    // A typed-in amount on both fee pages, so that their results show.
    window.findChild<QLineEdit *>(QStringLiteral("edtBd"))->setText(QStringLiteral("300000"));
    window.findChild<QLineEdit *>(QStringLiteral("Edit7"))->setText(QStringLiteral("300000"));

    bool allSaved = true;
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    for (int index = 0; index < tabs->count(); ++index) {
        tabs->setCurrentIndex(index);
        QTest::qWait(200);
        allSaved &= Save(&window, output.filePath(QStringLiteral("tab%1.png").arg(index + 1)));
    }

    // The statutory deadline moved by a holiday, and in a year the notices do not cover yet.
    allSaved &= SaveDatePage(&window, tabs, QDate(2026, 9, 20), QStringLiteral("15"),
                             output.filePath(QStringLiteral("date_moved_deadline.png")));
    allSaved &= SaveDatePage(&window, tabs, QDate(2027, 6, 1), QStringLiteral("30"),
                             output.filePath(QStringLiteral("date_uncovered_year.png")));
    // The page 分段计息 with results of both calculations, and the page
    // 迟延利息 with the notice of the rule of 2014 under a typed-in amount.
    const auto showTab = [&](const QString &sheetName) {
        tabs->setCurrentWidget(window.findChild<QWidget *>(sheetName));
        QTest::qWait(200);
    };
    showTab(QStringLiteral("TabSheet9"));
    window.findChild<QDateEdit *>(QStringLiteral("DateTimePickerFirst"))->setDate(QDate(2018, 6, 1));
    window.findChild<QDateEdit *>(QStringLiteral("DateTimePickerLast"))->setDate(QDate(2020, 12, 31));
    window.findChild<QLineEdit *>(QStringLiteral("EditPrincipal"))->setText(QStringLiteral("300000"));
    QTest::qWait(100);
    allSaved &= Save(&window, output.filePath(QStringLiteral("in_force_rates.png")));
    window.findChild<QComboBox *>(QStringLiteral("ComboBoxCalculation"))->setCurrentIndex(1);
    window.findChild<QDateEdit *>(QStringLiteral("DateTimePickerFirst"))->setDate(QDate(2013, 1, 1));
    window.findChild<QDateEdit *>(QStringLiteral("DateTimePickerLast"))->setDate(QDate(2014, 12, 31));
    window.findChild<QLineEdit *>(QStringLiteral("EditPrincipal"))->setText(QStringLiteral("100000"));
    QTest::qWait(100);
    allSaved &= Save(&window, output.filePath(QStringLiteral("in_force_doubled.png")));
    showTab(QStringLiteral("TabSheet4"));
    window.findChild<QDateEdit *>(QStringLiteral("DateTimePickerstart"))->setDate(QDate(2013, 1, 1));
    window.findChild<QDateEdit *>(QStringLiteral("DateTimePickerend"))->setDate(QDate(2014, 12, 31));
    window.findChild<QLineEdit *>(QStringLiteral("Editmoney"))->setText(QStringLiteral("100000"));
    QTest::qWait(100);
    allSaved &= Save(&window, output.filePath(QStringLiteral("interest_notice.png")));

    tabs->setCurrentIndex(0);
    QTest::qWait(100);
    QDialog *dialog = window.baseAmountDialog();
    QTimer::singleShot(300, dialog, [&] {
        allSaved &= Save(dialog, output.filePath(QStringLiteral("base_amount_dialog.png")));
        dialog->reject();
    });
    window.findChild<QToolButton *>(QStringLiteral("SpeedButtonjishu"))->click();
    return allSaved ? 0 : 1;
}
