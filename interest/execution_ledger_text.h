#pragma once
// The texts of the execution ledger: the whole calculation ready to paste
// into a document (inputs, every doubled segment and every credit with its
// arithmetic and set-off, the balance owed in figures and in capitals, the
// choices taken and the legal basis), and the pieces of it that the window
// and the printed sheet show on their own.
#include "interest/execution_case_file.h"
#include "interest/execution_ledger.h"
#include "interest/rate_history.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pellumo {

// "本金", "违约金/赔偿金", "律师费", "诉讼费用", "鉴定费、公告费", "其他".
QString DebtKindName(DebtKind kind);
// "先费用、再利息、后本金", "先本后息".
QString SetOffOrderName(SetOffOrder order);

struct LedgerTextLine {
    QString label;
    QString value;
};

// The case as entered: each debt item, the general interest, the excluded
// periods, the credits.
QList<LedgerTextLine> ExecutionLedgerInputs(const ExecutionCase &c);

// One row per doubled segment: 起日, 止日, 天数, 基数, 利率, 计算式, 利息.
QList<QStringList> DoubledSegmentRows(const ExecutionLedger &ledger);
QStringList DoubledSegmentHeader();
// One row per credit: 日期, 金额, 冲抵费用, 一般债务利息, 本金, 加倍部分债务利息,
// 超出应付部分, 还款后尚欠; in yuan. The header is short enough for a table
// of eight columns on a window or an A4 page.
QList<QStringList> CreditRows(const ExecutionLedger &ledger);
QStringList CreditHeader();

// What is owed on the calculation day, part by part, and the surplus paid.
QList<LedgerTextLine> ExecutionLedgerOwed(const ExecutionLedger &ledger);
Money LedgerSurplus(const ExecutionLedger &ledger);

// Each choice the calculation took: set-off order, base items, day count,
// rounding, general interest.
QStringList ExecutionLedgerChoices(const ExecutionCase &c);
QStringList ExecutionLedgerNotes(const ExecutionCase &c, const ExecutionLedger &ledger);
QStringList ExecutionLedgerLegalBasis(const ExecutionCase &c);

// "人民币贰万壹仟肆佰贰拾伍元捌角叁分".
QString RmbCapitals(const Money &amount);

// The whole calculation; empty for a refused one.
QString ExecutionLedgerCopyText(const CaseRecord &record, const ExecutionLedger &ledger);

} // namespace pellumo
