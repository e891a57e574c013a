#pragma once
// The two calculations of the window 审限与刑期 laid out for paper (the
// printing module) and as plain text (the clipboard): the case, what was
// entered, the results in words and each step with its article.
#include "app/printing/calculation_sheet.h"
#include "dates/case_periods_file.h"

namespace pellumo {

// The results as the window shows them, one line each.
QString LastDayText(const TrialPeriodResult &result);
QString DaysLeftText(const TrialPeriodCase &c, const TrialPeriodResult &result);
QString NotCountedDaysText(const TrialPeriodResult &result);
QString ApplyForExtensionText(const TrialPeriodResult &result);
QString TermText(const SentenceCase &c);  // "3年6个月15日"

// `asOf` of the record's trial period is the day the days left count to.
CalculationSheet TrialPeriodSheet(const CasePeriodsRecord &record, const TrialPeriodResult &result);
CalculationSheet SentenceSheet(const CasePeriodsRecord &record, const SentenceResult &result);

// The sheet as text to paste into a document: title, case, inputs, tables,
// results, one line each.
QString SheetText(const CalculationSheet &sheet);

} // namespace pellumo
