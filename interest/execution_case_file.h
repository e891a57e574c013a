#pragma once
// A case of the execution ledger as a file of its own (".pellumo-case"), so
// that a clerk can put a case aside and take it up again: UTF-8 JSON with a
// format version, every amount, rate and multiplier as its exact decimal
// text (a JSON number is a double and could not hold 0.1 exactly).
//
// Reading is all or nothing: a file that is damaged, cut off, larger than
// MaxCaseFileSize, written by a newer format, or holds a value out of range
// gives no case and one message that says why. Saving replaces the file in
// one step, so a failed save leaves the previous file as it was.
#include "interest/execution_ledger.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace pellumo {

inline constexpr char16_t CaseFileSuffix[] = u".pellumo-case";
inline constexpr qint64 MaxCaseFileSize = 1024 * 1024;
inline constexpr int CaseFileFormatVersion = 2;  // 2 adds 加点, 重定价 and 算头不算尾 of the general interest

// Limits of what the window lets a user type, and so of what a file may hold.
inline constexpr int MaxCaseTextLength = 500;      // 案号, 当事人, the name of a debt item
inline constexpr int MaxCaseRows = 2000;            // debt items, credits or excluded periods

// The case as the window holds it: the calculation's inputs, and the case
// number and parties that head its text and its printed sheet.
struct CaseRecord {
    QString caseNumber;  // 案号
    QString parties;     // 当事人
    ExecutionCase executionCase;
};

struct CaseFileReading {
    std::optional<CaseRecord> record;
    QString error;  // why there is no record, ready to show
};

// The whole bytes of a file; a size over the limit is refused before the
// file is read.
CaseFileReading ReadCaseFile(const QString &path);
CaseFileReading ReadCaseBytes(const QByteArray &bytes);

QByteArray CaseFileBytes(const CaseRecord &record);
// Empty when saved; otherwise the message, and the file at `path` is as it was.
QString WriteCaseFile(const QString &path, const CaseRecord &record);

// The range every amount in the ledger keeps to: 0 to 999999999999.99, whole fen.
bool IsCaseAmount(const Money &amount);

} // namespace pellumo
