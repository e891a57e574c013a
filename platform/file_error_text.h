#pragma once
// Why a file could not be read or written, in the words a clerk reads:
// "磁盘已满", "权限不足", "路径不存在" rather than the system's English. The
// one wording every message about a file uses.

#include <QFileDevice>
#include <QString>

namespace pellumo {

// What Qt reported when a file operation failed: the kind of error and the
// device's errorString() (the system's text, usually English).
struct FileFault {
    QFileDevice::FileError error = QFileDevice::UnspecifiedError;
    QString systemText;
};

// The reason, without a full stop: first what the path itself shows (a
// missing folder, a file where a folder should be, a folder where the file
// should be), then the system's text for the common causes, then Qt's kind
// of error; the system's own text is kept in brackets when nothing else
// fits.
QString FileFaultReason(const QString &path, const FileFault &fault);

// The fault a write to `path` would meet, found by writing a temporary
// file beside it as a save does (NoError when that works): for callers
// that learnt only that a write failed.
FileFault ProbeWriteFault(const QString &path);

// "无法保存案件文件“/home/a/甲.pellumo-case”：磁盘已满。原有文件未作改动。"
// — the last sentence only when a file was there before the attempt.
QString WriteFailureText(const QString &what, const QString &path, const FileFault &fault, bool previousKept);
// The same with a reason of the caller's own ("生成PDF时出错").
QString WriteFailureText(const QString &what, const QString &path, const QString &reason, bool previousKept);

// "无法读取案件文件“/home/a/甲.pellumo-case”：权限不足。"
QString ReadFailureText(const QString &what, const QString &path, const FileFault &fault);

} // namespace pellumo
