#pragma once

#include "dates/official_calendar.h"

#include <QString>

namespace pellumo {

// The official calendar the date page works with: the one the update
// installed beside the settings files when it reads as whole and is not
// older than the one built into the program, otherwise the built-in one.
// The file is read again only when its size or modification time changed,
// so that a keystroke costs one look at the file, not a read.
class OfficialCalendarSource
{
public:
    explicit OfficialCalendarSource(QString installedPath);

    // Reads the installed file again if it changed; true when the calendar
    // in use may have changed with it.
    bool refresh();
    const OfficialCalendar &calendar() const { return m_calendar; }

private:
    // What tells that the file changed; all zero when there is none.
    struct FileStamp {
        qint64 size = -1;
        qint64 modifiedMs = 0;
        bool operator==(const FileStamp &) const = default;
    };
    FileStamp currentStamp() const;
    void read();

    QString m_installedPath;
    FileStamp m_stamp;
    OfficialCalendar m_calendar;
};

} // namespace pellumo
