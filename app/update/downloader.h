#pragma once

#include <QString>
#include <QUrl>

namespace pellumo {

// A blocking fetch of a URL into a local file, as the rate-table update needs
// it: true only when the whole resource arrived with a success status and was
// written to filePath.
class Downloader
{
public:
    virtual ~Downloader() = default;
    virtual bool download(const QUrl &url, const QString &filePath) = 0;
};

} // namespace pellumo
