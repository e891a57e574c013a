// The online update: ask, fetch the version file, and for each of the rate
// table, the rate history and the official calendar whose published version
// is newer than the one in use, fetch the published file and install it.
// All downloads block the window until they end.
//
// What differs from a plain download over the files, on purpose:
// - every download lands in a private folder (owner-only, a fresh name each
//   time) under the system's temporary folder, removed with its content
//   afterwards: no other user can plant a file or a link there, and two
//   running copies never touch each other's files;
// - a file replaces the installed one only when it arrived whole and passes
//   its complete check, the version included (at most MaxVersionJump above
//   the one in use, so that a forged version cannot lock out later updates);
//   otherwise the installed file keeps every byte;
// - the message tells apart a download that failed, one that arrived but is
//   no valid file (a body over the downloader's size limit among them: the
//   connection worked, the server sent something that is no file of ours),
//   and a file that could not be written.
// The pages are not recomputed: their next calculation reads the new files.

#include "app/update/rate_update.h"

#include "platform/file_error_text.h"

#include "app/services/message_boxes.h"
#include "app/services/page_services.h"
#include "app/services/settings_files.h"
#include "app/update/downloader.h"
#include "dates/official_calendar_update.h"
#include "interest/rate_history.h"
#include "interest/rate_table.h"
#include "interest/rate_table_update.h"
#include "platform/atomic_file.h"
#include "platform/file_error_text.h"
#include "platform/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <optional>

namespace pellumo {
namespace {

const QString OutcomeCaption = QStringLiteral("基准利率更新");
const QString MessagePrefix = QStringLiteral("Orvane软件提示：");

const QString VersionDownloadFailed =
    QStringLiteral("Orvane软件提示：下载基准利率更新信息出错。\n请检查是否正常联网。");
const QString VersionFileNotValid = QStringLiteral("Orvane软件提示：下载的基准利率更新信息有误，未作任何更新。");
const QString NothingNewer = QStringLiteral("Orvane软件提示：当前使用标准与Kivrel的数据相同，无需更新。");
const QString CheckConnection = QStringLiteral("请检查是否正常联网。");
const QString NoScratchFolder = QStringLiteral("Orvane软件提示：无法建立临时文件夹，未作任何更新。");

enum class Outcome { Installed, DownloadFailed, NotValid, NotWritten };

// One sentence per outcome for each published file.
struct OutcomeTexts {
    QString installed;
    QString downloadFailed;
    QString notValid;
    QString fileKind;  // "利率表文件": for the file message when it cannot be written

    // The sentence for an outcome; `target`, the file that could not be
    // written, says why in the words of every file message.
    QString of(Outcome outcome, const QString &target) const
    {
        switch (outcome) {
        case Outcome::Installed: return installed;
        case Outcome::DownloadFailed: return downloadFailed;
        case Outcome::NotValid: return notValid;
        case Outcome::NotWritten: break;
        }
        return WriteFailureText(fileKind, target, ProbeWriteFault(target), QFileInfo(target).isFile());
    }
};

const OutcomeTexts RateTableTexts{
    QStringLiteral("下载基准利率更新成功。"),
    QStringLiteral("下载基准利率更新出错，原利率表未作改动。"),
    QStringLiteral("下载的基准利率表数据有误，原利率表未作改动。"),
    QStringLiteral("利率表文件"),
};
const OutcomeTexts RateHistoryTexts{
    QStringLiteral("下载历史利率更新成功。"),
    QStringLiteral("下载历史利率更新出错，原历史利率表未作改动。"),
    QStringLiteral("下载的历史利率数据有误，原历史利率表未作改动。"),
    QStringLiteral("历史利率文件"),
};
const OutcomeTexts CalendarTexts{
    QStringLiteral("下载节假日日历更新成功。"),
    QStringLiteral("下载节假日日历更新出错，原节假日日历未作改动。"),
    QStringLiteral("下载的节假日日历数据有误，原节假日日历未作改动。"),
    QStringLiteral("节假日日历文件"),
};

struct Report {
    const OutcomeTexts *texts;
    Outcome outcome;
    QString target;
};

// One sentence per file that had a newer version, in the order tried, and
// the hint about the connection when a download failed. A write failure is
// about this computer, not the update server, and is told as the plain
// sentence when it comes first.
QString OutcomeMessage(const QList<Report> &reports)
{
    QStringList lines;
    bool downloadFailed = false;
    for (const Report &report : reports) {
        lines.append(report.texts->of(report.outcome, report.target));
        downloadFailed = downloadFailed || report.outcome == Outcome::DownloadFailed;
    }
    if (downloadFailed)
        lines.append(CheckConnection);
    const QString text = lines.join(QLatin1Char('\n'));
    return reports.first().outcome == Outcome::NotWritten ? text : MessagePrefix + text;
}

// The version of a data file named by key in the version file's [money]
// section: a positive decimal number, or none when the server publishes none.
std::optional<int> PublishedVersionOf(const QString &versionFile, const char *key)
{
    const QString text = ReadIniString(versionFile, QStringLiteral("money"), QLatin1String(key), QString());
    bool ok = false;
    const int version = text.toInt(&ok, 10);
    const bool digitsOnly = !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    return ok && digitsOnly && version > 0 ? std::optional<int>(version) : std::nullopt;
}

// A downloaded file's bytes; more than maxSize bytes count as none.
std::optional<QByteArray> DownloadedBytes(const QString &path, qint64 maxSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(maxSize + 1);
    if (bytes.size() > maxSize)
        return std::nullopt;
    return bytes;
}

bool WithinVersionJump(int version, int versionInUse)
{
    return qint64(version) <= qint64(versionInUse) + MaxVersionJump;
}

// One published file that may replace an installed one.
struct PublishedFile {
    const char *serverPath;
    QString downloadPath;  // in the private folder
    qint64 maxSize;
    // The complete check of the downloaded bytes, the version bounds included.
    std::function<bool(const QByteArray &bytes)> isValid;
    // The library's check-and-replace; it repeats the check, so once isValid
    // has passed, false means the target could not be written.
    std::function<bool(const QString &downloadPath)> install;
    const OutcomeTexts *texts;
    QString target;  // the installed file
};

Outcome FetchAndInstall(Downloader &downloader, const QString &serverAddress, const PublishedFile &file)
{
    switch (downloader.download(UpdateFileUrl(serverAddress, file.serverPath), file.downloadPath)) {
    case DownloadResult::Complete:
        break;
    case DownloadResult::TooLarge:
        return Outcome::NotValid;
    case DownloadResult::NetworkFailed:
    case DownloadResult::HttpStatus:
    case DownloadResult::NotWritten:
        return Outcome::DownloadFailed;
    }
    const std::optional<QByteArray> bytes = DownloadedBytes(file.downloadPath, file.maxSize);
    if (!bytes || !file.isValid(*bytes))
        return Outcome::NotValid;
    return file.install(file.downloadPath) ? Outcome::Installed : Outcome::NotWritten;
}

PublishedFile RateTableFile(const QTemporaryDir &scratch, const QString &target, int published, int inUse)
{
    const auto isValid = [published, inUse](const QByteArray &bytes) {
        return ReadsAsRateTable(bytes, published, inUse);
    };
    return {PublishedRateTablePath, scratch.filePath(QStringLiteral("rate.rar")), MaxRateTableSize, isValid,
            [target, isValid](const QString &downloaded) {
                return InstallCheckedFile(downloaded, target, MaxRateTableSize, isValid);
            },
            &RateTableTexts, target};
}

PublishedFile RateHistoryFile(const QTemporaryDir &scratch, const QString &target, int published, int inUse)
{
    return {PublishedRateHistoryPath, scratch.filePath(QStringLiteral("history.tsv")), MaxRateHistoryFileSize,
            [published, inUse](const QByteArray &bytes) {
                const std::optional<RateHistory> history = ParseRateHistory(bytes);
                return history && history->version >= published && WithinVersionJump(history->version, inUse);
            },
            [target, published](const QString &downloaded) {
                return InstallRateHistory(downloaded, target, published);
            },
            &RateHistoryTexts, target};
}

PublishedFile CalendarFile(const QTemporaryDir &scratch, const QString &target, int published, int inUse)
{
    return {PublishedOfficialCalendarPath, scratch.filePath(QStringLiteral("calendar.tsv")),
            MaxOfficialCalendarFileSize,
            [published, inUse](const QByteArray &bytes) {
                const std::optional<OfficialCalendar> calendar = ParseOfficialCalendar(bytes);
                return calendar && calendar->version() >= published && WithinVersionJump(calendar->version(), inUse);
            },
            [target, published](const QString &downloaded) {
                return InstallOfficialCalendar(downloaded, target, published);
            },
            &CalendarTexts, target};
}

QString FolderOf(const QString &filePath)
{
    return QFileInfo(filePath).absolutePath();
}

// The files whose published version is newer than the one in use, in the
// order they are fetched: the rate table, the rate history, the calendar.
// The history and the calendar in use are the installed ones when valid,
// else the built-in ones.
QList<PublishedFile> NewerFiles(const QTemporaryDir &scratch, const QString &versionFile,
                                const SettingsFiles &settings)
{
    QList<PublishedFile> newer;

    const QString tableName = QString::fromLatin1(RateTableFileName);
    const int tableInUse = RateTable(settings.pathForReading(tableName)).ReadVersion();
    const int tablePublished = RateTable(versionFile).ReadVersion();
    if (tablePublished > tableInUse)
        newer.append(RateTableFile(scratch, settings.pathForWriting(tableName), tablePublished, tableInUse));

    const QString historyName = QString::fromLatin1(RateHistoryFileName);
    const int historyInUse = RateHistoryInFolder(FolderOf(settings.pathForReading(historyName))).version;
    const std::optional<int> historyPublished = ReadPublishedRateHistoryVersion(versionFile);
    if (historyPublished && *historyPublished > historyInUse)
        newer.append(RateHistoryFile(scratch, settings.pathForWriting(historyName), *historyPublished, historyInUse));

    const QString calendarName = QString::fromLatin1(InstalledOfficialCalendarName);
    const int calendarInUse = OfficialCalendarInUse(FolderOf(settings.pathForReading(calendarName))).version();
    const std::optional<int> calendarPublished = PublishedVersionOf(versionFile, PublishedOfficialCalendarVersionKey);
    if (calendarPublished && *calendarPublished > calendarInUse)
        newer.append(CalendarFile(scratch, settings.pathForWriting(calendarName), *calendarPublished, calendarInUse));

    return newer;
}

// The whole update after the question; the text of the outcome box.
QString RunUpdate(const PageServices &services)
{
    const QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/pellumo-update-XXXXXX"));
    if (!scratch.isValid())
        return NoScratchFolder;

    const QString versionFile = scratch.filePath(QStringLiteral("tdqup.ini"));
    const DownloadResult versionDownload =
        services.downloader->download(UpdateFileUrl(services.updateServerAddress, PublishedVersionPath), versionFile);
    if (versionDownload == DownloadResult::TooLarge)
        return VersionFileNotValid;
    if (versionDownload != DownloadResult::Complete)
        return VersionDownloadFailed;

    const QList<PublishedFile> newer = NewerFiles(scratch, versionFile, *services.settingsFiles);
    if (newer.isEmpty())
        return NothingNewer;
    QList<Report> reports;
    for (const PublishedFile &file : newer)
        reports.append({file.texts, FetchAndInstall(*services.downloader, services.updateServerAddress, file),
                        file.target});
    return OutcomeMessage(reports);
}

} // namespace

void UpdateRateTable(QWidget *owner, const PageServices &services)
{
    MessageBoxes &boxes = *services.messageBoxes;
    if (boxes.show(owner, QStringLiteral("此功能需上互联网才可使用。确定已联网？"), QStringLiteral("确认"),
                   MessageBoxes::Icon::Information, MessageBoxes::Buttons::YesNo) != MessageBoxes::Answer::Yes)
        return;
    boxes.show(owner, RunUpdate(services), OutcomeCaption, MessageBoxes::Icon::Exclamation,
               MessageBoxes::Buttons::Ok);
}

} // namespace pellumo
