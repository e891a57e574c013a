#include "platform/file_error_text.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace pellumo {
namespace {

// Reasons that more than one system text gives.
constexpr const char16_t *AccessDenied = u"权限不足（没有写入或读取此位置的权限）";
constexpr const char16_t *DiskFull = u"磁盘已满";
constexpr const char16_t *HeldOpen = u"文件被占用（可能正被其他程序打开）";

struct SystemCause {
    int error;
    const char16_t *reason;
};

// The causes a clerk can act on. Qt passes the system's text for them
// (strerror on Unix), so they are recognised by that text.
constexpr SystemCause SystemCauses[] = {
    {EACCES, AccessDenied},
    {EPERM, u"权限不足（系统不允许此操作）"},
    {EROFS, u"所在磁盘是只读的"},
    {ENOSPC, DiskFull},
#ifdef EDQUOT
    {EDQUOT, u"超出了磁盘配额"},
#endif
    {EFBIG, u"磁盘已满或文件超出系统允许的大小"},
    {ENOENT, u"路径不存在"},
    {ENOTDIR, u"路径中有一项是文件而不是文件夹"},
    {EISDIR, u"该位置是文件夹而不是文件"},
    {EBUSY, u"文件被占用"},
#ifdef ETXTBSY
    {ETXTBSY, u"文件被占用"},
#endif
    {EMFILE, u"同时打开的文件过多"},
    {ENFILE, u"同时打开的文件过多"},
    {ENAMETOOLONG, u"文件名或路径过长"},
    {EIO, u"磁盘读写出错（磁盘或U盘可能已损坏或被拔出）"},
};

struct WindowsCause {
    const char16_t *text;
    const char16_t *reason;
};

// Windows gives its own texts, not strerror's, in the language of the
// system (English under Wine): the causes a clerk meets there.
constexpr WindowsCause WindowsCauses[] = {
    {u"being used by another process", HeldOpen},
    {u"another process has locked", HeldOpen},
    {u"另一个程序正在使用此文件", HeldOpen},
    {u"access is denied", AccessDenied},
    {u"access denied", AccessDenied},
    {u"拒绝访问", AccessDenied},
    {u"not enough space on the disk", DiskFull},
    {u"磁盘空间不足", DiskFull},
};

QString ReasonOfSystemText(const QString &text)
{
    if (text.isEmpty())
        return {};
    for (const SystemCause &cause : SystemCauses) {
        if (text.contains(QString::fromLocal8Bit(std::strerror(cause.error)), Qt::CaseInsensitive))
            return QString::fromUtf16(cause.reason);
    }
    for (const WindowsCause &cause : WindowsCauses) {
        if (text.contains(QString::fromUtf16(cause.text), Qt::CaseInsensitive))
            return QString::fromUtf16(cause.reason);
    }
    return {};
}

QString ReasonOfKind(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::PermissionsError: return QStringLiteral("权限不足");
    case QFileDevice::ResourceError: return QStringLiteral("系统资源不足（可能磁盘已满）");
    case QFileDevice::RenameError: return QStringLiteral("无法替换原文件（可能正被其他程序打开）");
    case QFileDevice::OpenError: return QStringLiteral("无法打开文件");
    case QFileDevice::ReadError: return QStringLiteral("读取时出错");
    // A write the system cut short gives no reason; a full disk or a file
    // size limit is what cuts writes short.
    case QFileDevice::WriteError: return QStringLiteral("写入未能完成（磁盘已满或文件超出系统允许的大小）");
    default: return QStringLiteral("原因不明");
    }
}

// What the path shows by itself, whatever the system said.
QString ReasonOfPath(const QString &path)
{
    const QFileInfo file(path);
    if (file.isDir())
        return QStringLiteral("该位置已有同名的文件夹");
    // The nearest part of the path that exists: a file there means the
    // folder cannot be; nothing missing means the folder is there.
    QString folder = file.absolutePath();
    QString missing;
    while (!QFileInfo::exists(folder)) {
        missing = folder;
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    if (QFileInfo::exists(folder) && !QFileInfo(folder).isDir())
        return QStringLiteral("“%1”是文件而不是文件夹").arg(QDir::toNativeSeparators(folder));
    if (!missing.isEmpty())
        return QStringLiteral("路径不存在（文件夹“%1”不存在）").arg(QDir::toNativeSeparators(missing));
    return {};
}

} // namespace

QString FileFaultReason(const QString &path, const FileFault &fault)
{
    if (const QString reason = ReasonOfPath(path); !reason.isEmpty())
        return reason;
    if (const QString reason = ReasonOfSystemText(fault.systemText); !reason.isEmpty())
        return reason;
    const QString reason = ReasonOfKind(fault.error);
    // Qt's text when the system gave none says nothing to a clerk.
    if (fault.systemText.isEmpty() || fault.systemText == QStringLiteral("Unknown error"))
        return reason;
    return QStringLiteral("%1（系统提示：%2）").arg(reason, fault.systemText);
}

FileFault ProbeWriteFault(const QString &path)
{
    // A page's worth of bytes meets a full disk or a file size limit too;
    // the probe never takes the file's name.
    QSaveFile probe(path);
    FileFault fault{QFileDevice::NoError, {}};
    if (!probe.open(QIODevice::WriteOnly) || probe.write(QByteArray(4096, ' ')) != 4096 || !probe.flush())
        fault = {probe.error(), probe.errorString()};
    probe.cancelWriting();
    return fault;
}

QString WriteFailureText(const QString &what, const QString &path, const FileFault &fault, bool previousKept)
{
    return WriteFailureText(what, path, FileFaultReason(path, fault), previousKept);
}

QString WriteFailureText(const QString &what, const QString &path, const QString &reason, bool previousKept)
{
    QString text = QStringLiteral("无法保存%1“%2”：%3。").arg(what, QDir::toNativeSeparators(path), reason);
    if (previousKept)
        text += QStringLiteral("原有文件未作改动。");
    return text;
}

QString ReadFailureText(const QString &what, const QString &path, const FileFault &fault)
{
    return QStringLiteral("无法读取%1“%2”：%3。").arg(what, QDir::toNativeSeparators(path), FileFaultReason(path, fault));
}

} // namespace pellumo
