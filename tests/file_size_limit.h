#pragma once

// A per-process file-size limit makes a write fail for any user, root
// included, the way a full disk would. Windows has no such limit: a test row
// that needs one skips there and says why.

#include <QtGlobal>
#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>
#endif

namespace pellumo::testing {

inline constexpr char NoFileSizeLimitHere[] = "Windows has no per-process file-size limit to stand in for a full disk";

#ifdef Q_OS_WIN
inline constexpr bool FileSizeLimitAvailable = false;
#else
inline constexpr bool FileSizeLimitAvailable = true;
#endif

// Lowers the limit to `bytes` (none for 0) until it goes out of scope.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes)
    {
#ifndef Q_OS_WIN
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        if (bytes > 0) {
            const rlimit lowered{rlim_t(bytes), m_saved.rlim_max};
            setrlimit(RLIMIT_FSIZE, &lowered);
        }
#else
        Q_UNUSED(bytes);
#endif
    }
    ~FileSizeLimit()
    {
#ifndef Q_OS_WIN
        setrlimit(RLIMIT_FSIZE, &m_saved);
#endif
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
#ifndef Q_OS_WIN
    rlimit m_saved{};
#endif
};

} // namespace pellumo::testing
