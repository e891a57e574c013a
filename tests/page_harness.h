#pragma once

// A page built alone, without the window: the page on a temporary program
// folder with recording message boxes, shell and downloader, the real
// clipboard, and the default error display of the window.

#include "app/services/default_error_display.h"
#include "app/services/page_services.h"
#include "app/services/result_clipboard.h"
#include "app/services/settings_files.h"
#include "tests/gui_harness.h"

#include <QClipboard>
#include <QGuiApplication>

namespace pellumo::testing {

class SystemClipboard : public ResultClipboard
{
public:
    void copy(const QString &text) override { QGuiApplication::clipboard()->setText(text); }
};

template <typename PageClass>
class PageFixture : public TestFolder
{
public:
    PageFixture()
        : settingsFiles(folder.path() + QLatin1Char('/')), errors(&boxes, nullptr)
    {
        services.messageBoxes = &boxes;
        services.shellLauncher = &shell;
        services.downloader = &recordingDownloader;
        services.fileDialogs = &fileDialogs;
        services.settingsFiles = &settingsFiles;
        services.errors = &errors;
        services.clipboard = &clipboard;
        services.updateServerAddress = QStringLiteral("http://127.0.0.1:1");
    }

    // Builds and shows the page as a window of its own (after the test has
    // placed its files).
    PageClass &open()
    {
        page = std::make_unique<PageClass>(services);
        page->show();
        QApplication::setActiveWindow(page.get());
        if (!QTest::qWaitForWindowExposed(page.get()))
            qWarning("the page was not shown");
        return *page;
    }

    template <typename T>
    T *control(const QString &name) const
    {
        return FindControl<T>(page.get(), name);
    }

    SettingsFiles settingsFiles;
    DefaultErrorDisplay errors;
    SystemClipboard clipboard;
    PageServices services;
    std::unique_ptr<PageClass> page;
};

} // namespace pellumo::testing
