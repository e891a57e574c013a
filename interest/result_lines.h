#pragma once

#include "interest/elapsed_period.h"

#include <QString>

namespace pellumo {

// Pieces shared by the result memos of the interest and damages pages.

// Y + "年  " + M + "个月 " + D + "天": two blanks after 年, one after 个月.
QString PeriodText(const Period &period);

// One blank and 35 hyphens, the rule above the result line.
QString ResultRule();

} // namespace pellumo
