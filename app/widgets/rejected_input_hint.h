#pragma once

#include <QString>

class QAbstractSpinBox;
class QLineEdit;

namespace pellumo {

// A validator drops the keys it refuses without a sign, so a clerk who types
// "-500" while looking at the keyboard gets 500. Every field with a validator
// goes through this: each refused keystroke or paste shows at once, beside the
// field, a short tooltip of what the field takes, which stays while the clerk
// types on for a few seconds.
void ExplainRejectedInput(QLineEdit *field, const QString &whatTheFieldTakes);
// A date or number field: its own line edit refuses the keys.
void ExplainRejectedInput(QAbstractSpinBox *field, const QString &whatTheFieldTakes);

// What each kind of field takes, in the words of its tooltip.
namespace FieldTakes {
inline const QString Amount = QStringLiteral("金额只能是大于零的数字，最多两位小数");
inline const QString WholeYuan = QStringLiteral("金额只能是整数元，最多六位数字");
inline const QString AnnualRate = QStringLiteral("年利率只能是0至100的数字（百分数），最多四位小数");
inline const QString Multiplier = QStringLiteral("倍数只能是大于零的数字，最多四位小数");
inline const QString Day = QStringLiteral("日期只能按“年-月-日”输入数字，如2025-03-01");
} // namespace FieldTakes

} // namespace pellumo
