// Why a file could not be written, in Chinese, for each cause a test can
// bring about on a real disk; "原有文件未作改动" only when there was a file.

#include "platform/atomic_file.h"
#include "platform/file_error_text.h"
#include "tests/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

using namespace pellumo;

class FileErrorTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writeFailureSaysWhy_data();
    void writeFailureSaysWhy();
    void systemTextsInChinese_data();
    void systemTextsInChinese();
};

void FileErrorTextTest::writeFailureSaysWhy_data()
{
    QTest::addColumn<QString>("target");       // under the temporary folder; "/" at the start: absolute
    QTest::addColumn<bool>("previous");        // a file is there before the write
    QTest::addColumn<qint64>("sizeLimit");     // RLIMIT_FSIZE during the write; 0: none
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << "gone/案件.pellumo-case" << false << qint64(0)
                                    << "路径不存在（文件夹“%1/gone”不存在）";
    QTest::newRow("a file where the folder should be") << "plain/案件.pellumo-case" << false << qint64(0)
                                                        << "“%1/plain”是文件而不是文件夹";
    QTest::newRow("a folder where the file should be") << "folder" << false << qint64(0) << "该位置已有同名的文件夹";
    QTest::newRow("disk full (file size limit), earlier file kept")
        << "plain" << true << qint64(8) << "写入未能完成（磁盘已满或文件超出系统允许的大小）";
    QTest::newRow("disk full, no earlier file") << "new.pdf" << false << qint64(8)
                                                << "写入未能完成（磁盘已满或文件超出系统允许的大小）";
    // Root may write almost anywhere; sysfs refuses new files even to root.
    QTest::newRow("permission denied") << "/sys/pellumo.pdf" << false << qint64(0) << "权限不足（没有写入或读取此位置的权限）";
}

void FileErrorTextTest::writeFailureSaysWhy()
{
    QFETCH(QString, target);
    QFETCH(bool, previous);
    QFETCH(qint64, sizeLimit);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    QFile plain(folder.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly) && plain.write("kept") == 4);
    plain.close();
    const QString path = target.startsWith(QLatin1Char('/')) ? target : folder.filePath(target);
    if (reason.contains(QStringLiteral("%1")))
        reason = QDir::toNativeSeparators(reason.arg(folder.path()));  // the only slashes are the path's
    if (path.startsWith(QStringLiteral("/sys/")) && !QFileInfo(QStringLiteral("/sys/kernel")).isDir())
        QSKIP("no sysfs here");

    if (sizeLimit > 0 && !testing::FileSizeLimitAvailable)
        QSKIP(testing::NoFileSizeLimitHere);
    FileFault fault;
    bool written = false;
    FileFault probed;
    {
        const testing::FileSizeLimit limit(sizeLimit);
        written = WriteFileAtomically(path, QByteArray(4096, 'x'), &fault);
        probed = ProbeWriteFault(path);
    }

    QVERIFY(!written);
    const QString expected = QStringLiteral("无法保存案件文件“%1”：%2。").arg(QDir::toNativeSeparators(path), reason) +
                             (previous ? QStringLiteral("原有文件未作改动。") : QString());
    QCOMPARE(WriteFailureText(QStringLiteral("案件文件"), path, fault, previous), expected);
    // A caller that learnt only that the write failed finds the same reason.
    QCOMPARE(FileFaultReason(path, probed), reason);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plain")});
}

// Causes no test can bring about (a full disk, a file held open by another
// program on Windows) are told by the system's text; what no rule knows
// keeps that text beside Qt's kind of error.
void FileErrorTextTest::systemTextsInChinese_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("systemText");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no space") << int(QFileDevice::WriteError) << QString::fromLocal8Bit(std::strerror(ENOSPC))
                              << "磁盘已满";
    QTest::newRow("read-only disk") << int(QFileDevice::OpenError) << QString::fromLocal8Bit(std::strerror(EROFS))
                                    << "所在磁盘是只读的";
    QTest::newRow("held open on Windows")
        << int(QFileDevice::RenameError)
        << "The process cannot access the file because it is being used by another process."
        << "文件被占用（可能正被其他程序打开）";
    QTest::newRow("access denied on Windows") << int(QFileDevice::OpenError) << "拒绝访问。"
                                              << "权限不足（没有写入或读取此位置的权限）";
    QTest::newRow("unknown text") << int(QFileDevice::OpenError) << "Quantum flux" << "无法打开文件（系统提示：Quantum flux）";
}

void FileErrorTextTest::systemTextsInChinese()
{
    QFETCH(int, kind);
    QFETCH(QString, systemText);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QCOMPARE(FileFaultReason(folder.filePath(QStringLiteral("a.pdf")), {QFileDevice::FileError(kind), systemText}),
             reason);
}

QTEST_GUILESS_MAIN(FileErrorTextTest)
#include "tst_file_error_text.moc"
