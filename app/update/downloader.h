#pragma once

#include <QString>
#include <QUrl>

namespace pellumo {

// What became of a download: the file arrived, or why it did not. The
// update tells the user apart a connection that failed from a file that
// arrived but cannot be one of ours.
enum class DownloadResult {
    Complete,       // the whole resource arrived with a success status and was written
    NetworkFailed,  // no connection, refused, timed out or cut off
    HttpStatus,     // the server answered with a status other than 2xx (a redirect not followed too)
    TooLarge,       // the body exceeded the size limit; the transfer was stopped
    NotWritten,     // the local file could not be written
};

// A blocking fetch of a URL into a local file, as the rate-table update needs
// it. filePath is written only on Complete.
class Downloader
{
public:
    virtual ~Downloader() = default;
    virtual DownloadResult download(const QUrl &url, const QString &filePath) = 0;
};

} // namespace pellumo
