// The online update of the rate table: ask, fetch the published version
// number, and when it is newer than set.rar's, fetch the published table and
// install it over set.rar. Both downloads block the window until they end.
//
// Two things differ from a plain download over set.rar, on purpose:
// - the version file goes to a scratch folder under the system's temporary
//   folder and is removed once read;
// - the rate file is fetched beside set.rar and replaces it only when it
//   arrived whole and reads as a rate table at least as new as the published
//   version; otherwise set.rar keeps every byte and the user is told so.
// The interest page is not recomputed: its next calculation reads the new
// file.

#include "app/update/rate_update.h"

#include "app/services/message_boxes.h"
#include "app/services/page_services.h"
#include "app/services/settings_files.h"
#include "app/update/downloader.h"
#include "interest/rate_table.h"
#include "interest/rate_table_update.h"

#include <QDir>
#include <QFile>
#include <optional>

namespace pellumo {
namespace {

const QString OutcomeCaption = QStringLiteral("基准利率更新");

const QString VersionDownloadFailed =
    QStringLiteral("Orvane软件提示：下载基准利率更新信息出错。\n请检查是否正常联网。");
const QString NothingNewer = QStringLiteral("Orvane软件提示：当前使用标准与Kivrel的数据相同，无需更新。");
const QString TableInstalled = QStringLiteral("Orvane软件提示：下载基准利率更新成功。");
const QString TableNotInstalled =
    QStringLiteral("Orvane软件提示：下载基准利率更新出错，原利率表未作改动。\n请检查是否正常联网。");

// The published version number, or none when the version file could not be
// fetched. A file without a readable number counts as version 1.
std::optional<int> FetchPublishedVersion(Downloader &downloader, const QString &serverAddress)
{
    const QString folder = QDir::tempPath() + QStringLiteral("/pellumo-update");
    const QString versionFile = folder + QStringLiteral("/tdqup.ini");
    std::optional<int> version;
    if (QDir().mkpath(folder) && downloader.download(UpdateFileUrl(serverAddress, PublishedVersionPath), versionFile))
        version = RateTable(versionFile).ReadVersion();
    QFile::remove(versionFile);
    QDir().rmdir(folder);  // only when empty: another running copy may be using it
    return version;
}

// The download lands beside set.rar, on the same file system, so that the
// replacement can be atomic.
bool FetchAndInstallRateTable(Downloader &downloader, const QString &serverAddress, const QString &tablePath,
                              int publishedVersion)
{
    const QString downloaded = tablePath + QStringLiteral(".download");
    const bool installed =
        downloader.download(UpdateFileUrl(serverAddress, PublishedRateTablePath), downloaded) &&
        InstallRateTable(downloaded, tablePath, publishedVersion);
    QFile::remove(downloaded);
    return installed;
}

} // namespace

void UpdateRateTable(QWidget *owner, const PageServices &services)
{
    MessageBoxes &boxes = *services.messageBoxes;
    const auto showOutcome = [owner, &boxes](const QString &text) {
        boxes.show(owner, text, OutcomeCaption, MessageBoxes::Icon::Exclamation, MessageBoxes::Buttons::Ok);
    };

    if (boxes.show(owner, QStringLiteral("此功能需上互联网才可使用。确定已联网？"), QStringLiteral("确认"),
                   MessageBoxes::Icon::Information, MessageBoxes::Buttons::YesNo) != MessageBoxes::Answer::Yes)
        return;

    const QString tableFile = QString::fromLatin1(RateTableFileName);
    const int localVersion = RateTable(services.settingsFiles->pathForReading(tableFile)).ReadVersion();
    const std::optional<int> publishedVersion =
        FetchPublishedVersion(*services.downloader, services.updateServerAddress);
    if (!publishedVersion) {
        showOutcome(VersionDownloadFailed);
        return;
    }
    if (*publishedVersion <= localVersion) {
        showOutcome(NothingNewer);
        return;
    }
    const bool installed =
        FetchAndInstallRateTable(*services.downloader, services.updateServerAddress,
                                 services.settingsFiles->pathForWriting(tableFile), *publishedVersion);
    showOutcome(installed ? TableInstalled : TableNotInstalled);
}

} // namespace pellumo
