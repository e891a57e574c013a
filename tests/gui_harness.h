#pragma once

// What the window tests share: recording stand-ins for the message boxes,
// the shell and the downloader, and a fixture that builds the real TForm1 on
// a temporary program folder.

#include "app/update/downloader.h"
#include "app/window/main_window.h"
#include "app/services/file_dialogs.h"
#include "app/services/message_boxes.h"
#include "app/services/shell_launcher.h"
#include "app/window/window_styles.h"
#include "tests/test_files.h"

#include <QApplication>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <functional>
#include <memory>

namespace pellumo::testing {

struct RecordedBox {
    QString text;
    QString caption;
    MessageBoxes::Icon icon = MessageBoxes::Icon::None;
    MessageBoxes::Buttons buttons = MessageBoxes::Buttons::Ok;
};

// Records every box and answers from a queue (Yes or Ok when it is empty).
// onShow runs while the "box is open", for tests that look at the window then.
class RecordingMessageBoxes : public MessageBoxes
{
public:
    Answer show(QWidget *, const QString &text, const QString &caption, Icon icon, Buttons buttons) override
    {
        boxes.append({text, caption, icon, buttons});
        if (onShow)
            onShow();
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }

    QList<RecordedBox> boxes;
    QList<Answer> answers;
    std::function<void()> onShow;
};

// Records what is handed to the shell, by job, and launches nothing.
class RecordingShellLauncher : public ShellLauncher
{
public:
    void openWebAddress(const QUrl &address) override { webAddresses.append(address); }
    void startProgram(const QString &path) override { programs.append(path); }
    QList<QUrl> webAddresses;
    QStringList programs;
};

// Downloads nothing unless a test sets `fetch`; a fetch that returns false
// counts as a failed connection.
class RecordingDownloader : public Downloader
{
public:
    DownloadResult download(const QUrl &url, const QString &filePath) override
    {
        urls.append(url);
        return fetch && fetch(url, filePath) ? DownloadResult::Complete : DownloadResult::NetworkFailed;
    }
    QList<QUrl> urls;
    std::function<bool(const QUrl &, const QString &)> fetch;
};

// Answers each file dialog from a queue (a cancel, "", when it is empty)
// and records what each one offered.
class RecordingFileDialogs : public FileDialogs
{
public:
    QString openFileName(QWidget *, const QString &caption, const QString &folder, const QString &) override
    {
        asked.append({caption, folder});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString saveFileName(QWidget *, const QString &caption, const QString &suggestedPath, const QString &) override
    {
        asked.append({caption, suggestedPath});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    struct Asked {
        QString caption;
        QString offered;  // the folder or the suggested path
    };
    QList<Asked> asked;
    QStringList answers;
};

// A temporary program folder and the recording stand-ins, as a window or a
// page built alone is given them.
class TestFolder
{
public:
    TestFolder()
    {
        static const bool fonts = (InstallFontSubstitutions(), true);
        Q_UNUSED(fonts);
    }

    QString filePath(const QString &name) const { return folder.filePath(name); }

    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        if (!WriteBytes(filePath(name), bytes))
            qFatal("cannot write %s", qPrintable(name));
    }

    QTemporaryDir folder;
    RecordingMessageBoxes boxes;
    RecordingShellLauncher shell;
    RecordingDownloader recordingDownloader;
    RecordingFileDialogs fileDialogs;
};

template <typename T>
T *FindControl(const QWidget *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// A TForm1 on a temporary program folder, shown and activated once.
class WindowFixture : public TestFolder
{
public:
    explicit WindowFixture(bool loadBanner = false, Downloader *downloader = nullptr)
    {
        services.programFolder = folder.path() + QLatin1Char('/');
        services.messageBoxes = &boxes;
        services.shellLauncher = &shell;
        services.downloader = downloader ? downloader : &recordingDownloader;
        services.fileDialogs = &fileDialogs;
        services.loadBanner = loadBanner;
        services.bannerModulePath = QStringLiteral(PELLUMO_BANNER_MODULE);
    }

    // Builds and shows the window (after the test has placed its files).
    TForm1 &open()
    {
        window = std::make_unique<TForm1>(services);
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the window did not become active");
        // The pages behind the other tabs are built right after the first paint.
        if (!QTest::qWaitFor([this] { return window->findChild<QWidget *>(QStringLiteral("Panel1")) != nullptr; }))
            qFatal("the hidden pages were not built after the first paint");
        return *window;
    }

    template <typename T>
    T *control(const QString &name) const
    {
        return FindControl<T>(window.get(), name);
    }

    WindowServices services;
    std::unique_ptr<TForm1> window;
};

} // namespace pellumo::testing
