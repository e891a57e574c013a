#pragma once
// The texts of a private-lending calculation: the whole of it ready to paste
// into a document (the loan, every segment with its rule, rates and parts,
// the totals in figures and in capitals, the steps with the articles), and
// the pieces of it that the window and the printed sheet show on their own.
#include "interest/private_lending.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pellumo {

struct PrivateLendingTextLine {
    QString label;
    QString value;
};

// "民间借贷利息计算".
QString PrivateLendingTitle();

// The loan as entered: principal, the five days, the agreed rates (or 未约定),
// the day count.
QList<PrivateLendingTextLine> PrivateLendingInputs(const PrivateLoan &loan);

// One row per segment: 期间, 天数, 主张年利率, 上限, 支持年利率, 主张利息,
// 予以支持, 不予支持, 约定无效, 依据; the amounts in yuan, rounded to the fen.
// The long rule comes last, so that a narrow window still shows the figures.
QStringList CapSegmentHeader();
QList<QStringList> CapSegmentRows(const PrivateLendingResult &result);

// 主张利息, 予以支持, 不予支持, 约定无效: the totals in figures ("35866.67元").
QList<PrivateLendingTextLine> PrivateLendingTotals(const PrivateLendingResult &result);

// The rounding note when the parts' totals differ from the agreed total by a
// fen, and the data note "利率数据截至…".
QStringList PrivateLendingNotes(const PrivateLendingResult &result);

// The whole calculation; empty for a refused one.
QString PrivateLendingCopyText(const PrivateLoan &loan, const PrivateLendingResult &result);

} // namespace pellumo
