#pragma once

#include "interest/rate_history.h"

#include <QDateTime>
#include <QString>

namespace pellumo {

// The rate history a page computes with: the file at a path (the installed
// history.tsv) when it reads as valid and is not older than the built-in
// history, the built-in one otherwise. The file is read once, and again only
// when its size or times change, so that a keystroke costs one stat of the
// file and no reading.
class RateHistoryFile
{
public:
    explicit RateHistoryFile(QString path);

    const RateHistory &current();

private:
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        QDateTime changed;
        friend bool operator==(const Stamp &, const Stamp &) = default;
    };

    Stamp stampNow() const;
    void load();

    QString m_path;
    RateHistory m_builtIn;
    RateHistory m_current;
    Stamp m_stamp;
};

} // namespace pellumo
