#pragma once

class QPlainTextEdit;

namespace pellumo {

// A result memo keeps its top edge and fills its panel below it, inside the
// bevels (how tall the panel is depends on the height of the tab bar). Its
// text sits close to the border, as in a plain memo, so that the longest
// explanation line fits on one line.
void SetUpResultMemo(QPlainTextEdit *memo);

} // namespace pellumo
