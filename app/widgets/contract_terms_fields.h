#pragma once
// The fields of a contract's rate terms that the page 分段计息 and the window
// 执行款计算 both offer: 加点 in whole basis points, 重定价 with its month and
// day, and the day counting. Both read them the same way.

#include "interest/segmented_interest.h"

#include <QString>
#include <optional>

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace pellumo {

// The validator, the refused-key hint and the tooltip of 加点; the month and
// day of a leap year for the repricing day, so that 29 February can be chosen.
void SetUpContractTermsFields(QLineEdit *basisPoints, QDateEdit *repricingDay);

// Whole basis points from −10000 to 10000; nothing for "" or a lone "-".
std::optional<int> BasisPointsIn(const QString &text);

// 随每次公布调整, 每年重定价, 固定, in the order the choice lists them.
Repricing RepricingAt(int index);
int RepricingIndex(Repricing repricing);

} // namespace pellumo
