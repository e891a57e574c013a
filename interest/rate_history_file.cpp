#include "interest/rate_history_file.h"

#include <QFileInfo>

namespace pellumo {

RateHistoryFile::RateHistoryFile(QString path) : m_path(std::move(path)), m_builtIn(BuiltInRateHistory())
{
    load();
}

const RateHistory &RateHistoryFile::current()
{
    if (stampNow() != m_stamp)
        load();
    return m_current;
}

// The update replaces the file by a rename, which changes its metadata time
// even when size and modification time happen to match the old file's.
RateHistoryFile::Stamp RateHistoryFile::stampNow() const
{
    const QFileInfo info(m_path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified(), info.metadataChangeTime()};
}

void RateHistoryFile::load()
{
    m_stamp = stampNow();
    const std::optional<RateHistory> installed = m_stamp.exists ? ReadRateHistory(m_path) : std::nullopt;
    // A program update may ship a newer history than the one once installed.
    m_current = installed && installed->version >= m_builtIn.version ? *installed : m_builtIn;
}

} // namespace pellumo
