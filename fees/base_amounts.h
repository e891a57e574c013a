#pragma once

#include <QString>

namespace pellumo {

// The per-case base amounts of the divorce and personality-rights acceptance
// fees, kept in the settings file setjs.rar (section "vrk", keys "lihun" and
// "renge"). Read afresh at every use; never held in memory.
struct BaseAmounts {
    int divorce = 50;
    int personalityRights = 100;
};

inline constexpr char BaseAmountsFileName[] = "setjs.rar";

// A missing or damaged file, section or key gives the default of that key.
// Values are used as stored, without the dialog's range checks.
BaseAmounts ReadBaseAmounts(const QString &filePath);

// Writes both amounts in one atomic replacement of the file, keeping every
// other byte; false when the file could not be written (the old file stays).
bool WriteBaseAmounts(const QString &filePath, int D, int P);

// "离婚" + D + "元 人格权" + P + "元"
QString BaseAmountCaption(const QString &D, const QString &P);

} // namespace pellumo
