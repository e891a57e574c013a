#pragma once

// The main window TForm1: the banner strip, the seven pages and the status
// bar. Each calculation page binds the change events of its inputs to one
// handler that reads the controls, calls the calculation functions and
// writes the results back. The handlers of one subject live in their own
// file (fee_pages.cpp, interest_pages.cpp, deadline_page.cpp, banner.cpp,
// shell_launches.cpp, rate_update.cpp); this header declares them all.
//
// Building a TForm1 in a test: fill WindowServices with a QTemporaryDir as
// the program folder (the window reads set.rar and setjs.rar there) and
// recording stand-ins for the message boxes, the shell and the downloader
// (tests/gui_harness.h has them), set loadBanner to false unless the test is
// about the banner, then construct, show and activate the window:
//
//     pellumo::WindowServices services;
//     services.programFolder = dir.path() + '/';
//     services.messageBoxes = &recordingBoxes;
//     services.shellLauncher = &recordingShell;
//     services.downloader = &recordingDownloader;
//     services.loadBanner = false;
//     pellumo::TForm1 window(services);
//     window.show();
//     QApplication::setActiveWindow(&window);   // runs FormActivate once
//
// The two fee pages exist once the constructor returns; the other pages are
// built right after the first paint (or when their tab is chosen), so wait
// for them, as WindowFixture::open() in tests/gui_harness.h does. Controls are
// found by their names: window.findChild<QLineEdit *>("edtBd").

#include "app/site_address.h"
#include "platform/program_folder.h"

#include <QColor>
#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;

namespace Ui {
class MainWindow;
class AcceptanceFeePage;
class ApplicationFeePage;
class InterestPage;
class DamagesPage;
class DeadlinePage;
class ReferencePage;
class AboutPage;
class StatusBar;
} // namespace Ui

namespace pellumo {

class BannerBrowserModule;
class Downloader;
class MessageBoxes;
class RateTable;
class ResultButton;
class ShellLauncher;
class TForm2;

struct WindowServices {
    QString programFolder;  // the folder of set.rar and setjs.rar, ending in a separator
    MessageBoxes *messageBoxes = nullptr;
    ShellLauncher *shellLauncher = nullptr;
    Downloader *downloader = nullptr;
    bool loadBanner = true;  // create the browser and load the banner page after the first paint
    QString bannerAddress = BannerPageAddress();  // the page the banner strip loads
    QString bannerModulePath = ProgramFilePath(QStringLiteral("pellumo_banner"));  // the browser module, without prefix and suffix
    QString updateServerAddress = UpdateServerAddress();  // base address of the rate-table update
};

class TForm1 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm1(const WindowServices &services, QWidget *parent = nullptr);
    ~TForm1() override;

    TForm2 *baseAmountDialog() const { return m_baseAmountDialog; }
    // The banner browser (a QWebEngineView from the banner module), null
    // until created after the first paint.
    QWidget *webBrowser() const { return m_webBrowser; }

    // The default error display: error icon, caption "Pellumo", the message
    // with "." appended when its last character sorts after ".".
    void ShowDefaultError(const QString &message);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Runs a handler; a HandlerFailure it throws ends it and goes to the
    // default error display. Every connected handler runs through here.
    void guarded(const std::function<void()> &handler);
    template <typename Sender, typename Signal>
    void bind(Sender *sender, Signal signal, void (TForm1::*handler)());

    void setUpFeePages();
    void setUpInterestPages();
    void setUpDeadlinePage();
    void setUpFixedPages();
    void setUpStatusBar();
    void setUpBanner();
    void setUpHiddenPages();

    // Window (main_window.cpp)
    void FormActivate();
    void FormClose();

    // Acceptance fee and application fee pages (fee_pages.cpp)
    void edtBdKeyPress();
    void edtBdChange();
    void Button1Click();
    void Edit7KeyPress();
    void Edit7Change();
    void Button2Click();
    void SpeedButtonjishuClick();
    void ShowBaseAmounts(const QString &D, const QString &P);
    void CopyResult(ResultButton *button);
    void HighlightRow(const QList<QLabel *> &labels, const QColor &colour);
    void SpeedButton3Click();
    void SpeedButton3MouseEnter();
    void SpeedButton3MouseLeave();
    void SpeedButton5Click();
    void SpeedButton5MouseEnter();
    void SpeedButton5MouseLeave();
    void SpeedButton6Click();
    void SpeedButton6MouseEnter();
    void SpeedButton6MouseLeave();
    void SpeedButton4Click();
    void SpeedButton4MouseEnter();
    void SpeedButton4MouseLeave();
    void SpeedButton7Click();
    void SpeedButton7MouseEnter();
    void SpeedButton7MouseLeave();
    void SpeedButton8Click();
    void SpeedButton8MouseEnter();
    void SpeedButton8MouseLeave();

    // Interest and damages pages (interest_pages.cpp)
    void EditmoneyKeyPress();
    void Button4Click();
    void Edit3KeyPress();
    void Button3Click();
    void SpeedButton10Click();
    void ClearDamages();

    // Date page (deadline_page.cpp)
    void Edit2KeyPress();
    void SpeedButton1Click();
    void SpeedButton2MouseEnter();
    void SpeedButton2MouseLeave();

    // Banner strip (banner.cpp) and shell launches (shell_launches.cpp)
    void FormCreate();
    void createWebBrowser();
    void WebBrowser1DocumentComplete();
    void WebBrowser1NavigateError();
    void Image2Click();
    void Image3Click();
    void Label32Click();
    void Image4Click();
    void ShellOpen(const QString &target);

    // Rate-table update (rate_update.cpp)
    void SpeedButton9Click();
    void UpdateRateTable();

    QString settingsFilePath(const QString &fileName) const;

    WindowServices m_services;
    std::unique_ptr<Ui::MainWindow> m_ui;
    std::unique_ptr<Ui::AcceptanceFeePage> m_acceptance;
    std::unique_ptr<Ui::ApplicationFeePage> m_application;
    std::unique_ptr<Ui::InterestPage> m_interest;
    std::unique_ptr<Ui::DamagesPage> m_damages;
    std::unique_ptr<Ui::DeadlinePage> m_deadline;
    std::unique_ptr<Ui::ReferencePage> m_reference;
    std::unique_ptr<Ui::AboutPage> m_about;
    std::unique_ptr<Ui::StatusBar> m_statusBar;
    std::unique_ptr<RateTable> m_rateTable;
    TForm2 *m_baseAmountDialog = nullptr;
    std::unique_ptr<BannerBrowserModule> m_bannerModule;
    QWidget *m_webBrowser = nullptr;
    bool m_activated = false;
    bool m_painted = false;
    bool m_hiddenPagesBuilt = false;
    bool m_bannerNavigationWanted = false;  // set by FormCreate, carried out once the browser exists
};

template <typename Sender, typename Signal>
void TForm1::bind(Sender *sender, Signal signal, void (TForm1::*handler)())
{
    connect(sender, signal, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
}

} // namespace pellumo
