#pragma once

#include "app/update/downloader.h"

#include <chrono>

namespace pellumo {

// The real download over Qt Network. It blocks its caller the way the rate
// table update expects: it waits in a local event loop that keeps the window
// painted and the sockets served but takes no keyboard or mouse input, shows
// the busy cursor meanwhile, and gives up after a time limit.
//
// Success means: the server answered with a 2xx status (after following at
// most a few redirects, each within the scheme of the first address), the
// whole body arrived, and it was written to filePath. The file is written
// through QSaveFile, so filePath only ever holds a complete body: after a
// failure an earlier file there stays as it was, and none is created.
class NetworkDownloader : public Downloader
{
public:
    static constexpr std::chrono::milliseconds DefaultTimeLimit{30000};

    explicit NetworkDownloader(std::chrono::milliseconds timeLimit = DefaultTimeLimit);

    bool download(const QUrl &url, const QString &filePath) override;

private:
    std::chrono::milliseconds m_timeLimit;
};

} // namespace pellumo
