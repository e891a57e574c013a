#include "app/pages/official_calendar_source.h"

#include <QFileInfo>

#include <utility>

namespace pellumo {

OfficialCalendarSource::OfficialCalendarSource(QString installedPath)
    : m_installedPath(std::move(installedPath)), m_calendar(BuiltInOfficialCalendar())
{
    m_stamp = currentStamp();
    read();
}

bool OfficialCalendarSource::refresh()
{
    const FileStamp stamp = currentStamp();
    if (stamp == m_stamp)
        return false;
    m_stamp = stamp;
    read();
    return true;
}

OfficialCalendarSource::FileStamp OfficialCalendarSource::currentStamp() const
{
    const QFileInfo file(m_installedPath);
    if (!file.exists())
        return {};
    return {file.size(), file.lastModified().toMSecsSinceEpoch()};
}

void OfficialCalendarSource::read()
{
    OfficialCalendar builtIn = BuiltInOfficialCalendar();
    std::optional<OfficialCalendar> installed = ReadOfficialCalendar(m_installedPath);
    // A program updated since the last calendar download ships a newer table
    // than the one installed then.
    if (installed && installed->version() >= builtIn.version())
        m_calendar = *std::move(installed);
    else
        m_calendar = std::move(builtIn);
}

} // namespace pellumo
