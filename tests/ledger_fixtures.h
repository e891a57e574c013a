// Days and exact amounts written as text, for the execution ledger tests.
#pragma once

#include "money/money.h"

#include <QDate>

inline QDate Day(const char *iso) { return QDate::fromString(QLatin1String(iso), Qt::ISODate); }

// "868/9", "52.5" or "10000": an exact value.
inline pellumo::Money Exact(const QString &s)
{
    const qsizetype slash = s.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return pellumo::Money::fromPlainDecimal(s).value();
    return pellumo::Money::fraction(s.first(slash).toLong(), s.sliced(slash + 1).toLong());
}
inline pellumo::Money Exact(const char *s) { return Exact(QString::fromLatin1(s)); }
