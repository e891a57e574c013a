#pragma once
// A case of the window 审限与刑期 as a file of its own (".pellumo-case", the
// suffix the execution ledger's cases have too): UTF-8 JSON with the format
// name, a format version and the kind "case-periods", every day as
// "yyyy-MM-dd" text. A file of the other kind is refused with a message
// that says which window opens it.
//
// Reading is all or nothing: a file that is damaged, cut off, larger than
// MaxCasePeriodsFileSize, written by a newer format, or holds a value out of
// range gives no case and one message that says why. Saving replaces the
// file in one step, so a failed save leaves the previous file as it was.
//
// The day the days left are counted to ("today") is not kept: a case taken
// up again is looked at on the day it is opened.
#include "dates/sentence_term.h"
#include "dates/trial_period.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace pellumo {

inline constexpr char16_t CasePeriodsFileSuffix[] = u".pellumo-case";
inline constexpr qint64 MaxCasePeriodsFileSize = 1024 * 1024;
inline constexpr int CasePeriodsFileFormatVersion = 1;

// Limits of what the window lets a user type, and so of what a file may hold.
inline constexpr int MaxCasePeriodsTextLength = 500;  // 案号, 当事人, the reason of a not-counted interval
inline constexpr int MaxCasePeriodsRows = 2000;       // intervals, extensions or custody spells
inline constexpr int MaxTermYears = 99;               // the fields take two digits: the calculation
inline constexpr int MaxTermMonths = 99;              // names what the law does not allow
inline constexpr int MaxTermDays = 999;

struct CasePeriodsRecord {
    QString caseNumber;  // 案号
    QString parties;     // 当事人
    TrialPeriodCase trialPeriod;  // asOf unset when read
    SentenceCase sentence;
};

struct CasePeriodsFileReading {
    std::optional<CasePeriodsRecord> record;
    QString error;  // why there is no record, ready to show
};

CasePeriodsFileReading ReadCasePeriodsFile(const QString &path);
CasePeriodsFileReading ReadCasePeriodsBytes(const QByteArray &bytes);

QByteArray CasePeriodsFileBytes(const CasePeriodsRecord &record);
// Empty when saved; otherwise the message, and the file at `path` is as it was.
QString WriteCasePeriodsFile(const QString &path, const CasePeriodsRecord &record);

} // namespace pellumo
