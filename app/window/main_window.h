#pragma once

// The main window TForm1: a frame that hosts the banner strip, the tab
// control with its seven pages and the status bar. Each page is a class of
// its own (app/pages/) that owns its controls and handlers; the frame itself
// has only start-up, its first activation (FormActivate), its closing
// (FormClose) and the default error display.
//
// Building a TForm1 in a test: fill WindowServices with a QTemporaryDir as
// the program folder (the pages read set.rar and setjs.rar there) and
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
// found by their names: window.findChild<QLineEdit *>("edtBd"). A page can
// also be built alone, without the window (tests/page_harness.h).

#include "app/services/default_error_display.h"
#include "app/services/page_services.h"
#include "app/services/settings_files.h"
#include "app/services/site_address.h"
#include "platform/program_folder.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class MainWindow;
}

namespace pellumo {

class AcceptanceFeePage;
class BannerStrip;
class Downloader;
class FileDialogs;
class MessageBoxes;
class ShellLauncher;
class StatusBar;
class TForm2;

struct WindowServices {
    QString programFolder;  // the folder of set.rar and setjs.rar, ending in a separator
    MessageBoxes *messageBoxes = nullptr;
    ShellLauncher *shellLauncher = nullptr;
    Downloader *downloader = nullptr;
    FileDialogs *fileDialogs = nullptr;
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

    TForm2 *baseAmountDialog() const;
    // The banner browser (a QWebEngineView from the banner module), null
    // until created after the first paint.
    QWidget *webBrowser() const;

    // The default error display: error icon, caption "Pellumo", the message
    // with "." appended when its last character sorts after ".".
    void ShowDefaultError(const QString &message);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // When a page is built: with the window, or right after its first paint
    // (or when its tab is chosen before then), so as not to delay it.
    enum class Built { AtStart, AfterFirstPaint };
    struct HostedPage {
        QWidget *sheet;
        std::function<QWidget *(QWidget *sheet)> build;
    };

    // Adds a tab with the caption on a sheet of that name and builds the
    // page PageClass on it, now or later; returns the page when built now.
    template <typename PageClass>
    PageClass *hostPage(const QString &sheetName, const QString &caption, Built when);
    QWidget *hostPage(const QString &sheetName, const QString &caption, Built when,
                      std::function<QWidget *(QWidget *sheet)> build);
    static QWidget *buildOnSheet(const HostedPage &hosted);
    void buildHiddenPages();

    void FormCreate();
    void FormActivate();
    void FormClose();

    WindowServices m_services;
    SettingsFiles m_settingsFiles;
    DefaultErrorDisplay m_errors;
    PageServices m_pageServices;
    std::unique_ptr<Ui::MainWindow> m_ui;
    BannerStrip *m_bannerStrip = nullptr;
    StatusBar *m_statusBar = nullptr;
    AcceptanceFeePage *m_acceptanceFeePage = nullptr;
    QList<HostedPage> m_hiddenPages;  // to be built after the first paint
    bool m_activated = false;
    bool m_painted = false;
};

} // namespace pellumo
