#pragma once
// The execution ledger laid out for paper, for the printing module.
#include "app/printing/calculation_sheet.h"
#include "interest/execution_case_file.h"
#include "interest/execution_ledger.h"

namespace pellumo {

// The sheet of a computed ledger: the case, the inputs, the doubled segments
// and the credits with their set-off, what is owed part by part and in total,
// the notes, the legal basis and each choice the calculation took.
CalculationSheet ExecutionLedgerSheet(const CaseRecord &record, const ExecutionLedger &ledger, const RateHistory &history);

} // namespace pellumo
