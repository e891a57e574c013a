#pragma once

#include "app/update/downloader.h"

#include <chrono>

namespace pellumo {

// The real download over Qt Network. It blocks its caller the way the rate
// table update expects: it waits in a local event loop that keeps the window
// painted and the sockets served but takes no keyboard or mouse input, shows
// the busy cursor meanwhile, and gives up after a time limit.
//
// Complete means: the server answered with a 2xx status (after following at
// most a few redirects, each within the scheme of the first address), the
// whole body arrived, no larger than MaxBodySize, and it was written to
// filePath. The file is written through QSaveFile, so filePath only ever
// holds a complete body: after a failure an earlier file there stays as it
// was, and none is created.
class NetworkDownloader : public Downloader
{
public:
    static constexpr std::chrono::milliseconds DefaultTimeLimit{30000};
    // The update's files are a few kilobytes. A larger body is no file of
    // ours, and a server that streams without end must not fill the disk.
    static constexpr qint64 MaxBodySize = 64 * 1024;

    explicit NetworkDownloader(std::chrono::milliseconds timeLimit = DefaultTimeLimit);

    DownloadResult download(const QUrl &url, const QString &filePath) override;

private:
    std::chrono::milliseconds m_timeLimit;
};

} // namespace pellumo
