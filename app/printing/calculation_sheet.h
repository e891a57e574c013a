#pragma once
// A calculation laid out for paper: what the execution ledger, the all-fees
// window and the page 分段计息 hand to the printing module. The module turns
// it into a document, a print preview or a PDF; the windows only fill it.
#include "money/money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace pellumo {

struct SheetLine {
    QString label;  // "申请执行标的"
    QString value;  // "200000.00元"
};

// A table of steps (segments, credits with their set-off, brackets of a
// fee); its header repeats on every page it spans.
struct SheetTable {
    QString caption;
    QStringList header;
    QList<QStringList> rows;
};

struct CalculationSheet {
    QString title;        // the calculation's name ("执行款计算"), also the default file name
    QString caseNumber;   // 案号, may be empty
    QString parties;      // 当事人, may be empty
    QDate calculationDay;
    QList<SheetLine> inputs;
    QList<SheetTable> tables;
    QList<SheetLine> results;  // partial results in figures ("尚欠本金", "12000.00元")
    QString totalLabel;        // "合计尚欠"
    Money total;               // shown in figures and in 人民币 capitals
    bool showsTotal = true;    // false for a calculation of days, which has no amount
    QStringList notes;         // rounding notes and the like
    QStringList legalBasis;
    QStringList choices;       // each choice the user took
    QString dataVersions;      // the rate history and calendar the calculation used
};

} // namespace pellumo
