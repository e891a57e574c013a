#pragma once

// The first and last day of a sentence of 管制, 拘役 or 有期徒刑 after the
// custody before it is offset (刑法 第四十一条、第四十四条、第四十七条,
// 刑事诉讼法 第七十六条, 行政处罚法 第三十五条), the end day counted by
// 刑诉法解释 第二百零二条第二款, with the judgment's wording and the steps.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace pellumo {

enum class Penalty { Surveillance, CriminalDetention, FixedTerm };         // 管制, 拘役, 有期徒刑
enum class CustodyKind { Detained, DesignatedResidence, AdministrativeDetention };

struct CustodySpell { QDate first, last; CustodyKind kind = CustodyKind::Detained; };   // both days count

struct SentenceCase {
    Penalty penalty = Penalty::FixedTerm;
    int years = 0, months = 0, days = 0;
    QDate start;                    // the first day of unbroken custody, or the day the judgment is executed
    QList<CustodySpell> offset;     // earlier custody, each spell ending before start
};

struct SentenceResult {
    QString error;                  // empty when computed
    QDate start, end;
    int offsetDays = 0;             // the days of the term the custody offsets
    QString wording;                // "刑期自2025年3月4日起至2028年3月3日止"
    QStringList steps;              // the arithmetic, one line each, citing the article
};

// "管制", "拘役", "有期徒刑".
QString PenaltyName(Penalty penalty);
// "刑事拘留、逮捕", "指定居所监视居住", "行政拘留".
QString CustodyKindName(CustodyKind kind);

// The end is the day before the day the years reach (the same date, or the
// month's last day where it does not exist), then the day before the day the
// months reach from there (from a month's last day, the later month's last
// day), plus the days, less the offset days. Custody offsets 管制 two days a
// day, designated residence one; it offsets 拘役 and 有期徒刑 one day a day,
// designated residence one day for every two, summed over all its spells (an
// odd day left over is not offset). Refused, with a message naming the field
// or the row ("羁押期间第1行：…"): a term of zero or outside the penalty's
// range, a day outside 1900-01-01..9999-12-31, a spell ending before it
// begins or not before start, overlapping spells, administrative detention
// against 管制, and custody that offsets the whole term.
SentenceResult ComputeSentence(const SentenceCase &c);

} // namespace pellumo
