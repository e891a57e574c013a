#pragma once

// The local amounts of the ranged fees, as kept on disk. The divorce and
// personality-rights amounts are the base amounts of setjs.rar (the
// base-amount dialog's setting: one source); the other seven live in a file
// of their own, setbz.rar, an INI file in GBK like the other settings files:
//
//   [bz]
//   qita=50        其他非财产案件
//   zscq=500       知识产权民事案件（没有争议金额或者价额）
//   guanxia=50     管辖权异议不成立
//   zhixing=50     申请执行（没有执行金额或者价额）
//   xianze=1000    申请设立海事赔偿责任限制基金
//   qiangzhi=1000  申请海事强制令
//   cuigao=1000    申请船舶优先权催告
//
// The file is read whole or not at all: a missing or damaged file (a key
// missing, a value that is no whole number of yuan or lies outside its
// statutory range, an unreadable or oversized file) gives the statutory
// lower bounds for all seven, never a mix of the file and the defaults, and
// the file is left as it is.

#include "fees/fee_schedule.h"

#include <QString>

namespace pellumo {

inline constexpr char LocalStandardsFileName[] = "setbz.rar";

// standardsFilePath: setbz.rar; baseAmountsFilePath: setjs.rar, read as
// ReadBaseAmounts reads it (values as stored: ComputeFee refuses one outside
// its range).
LocalStandards ReadLocalStandards(const QString &standardsFilePath, const QString &baseAmountsFilePath);

// The seven amounts of setbz.rar alone; none when the file is missing or
// damaged.
std::optional<LocalStandards> ReadLocalStandardsFile(const QString &standardsFilePath);
// The same from the file's bytes.
std::optional<LocalStandards> ParseLocalStandards(const QByteArray &bytes);

// The file's bytes with the seven amounts of `local` set and every other
// byte kept; none when they cannot be set (an amount out of its range, a
// section the INI writer refuses to touch).
std::optional<QByteArray> LocalStandardsBytes(QByteArray bytes, const LocalStandards &local);

// Saves all nine amounts: the seven into setbz.rar, the divorce and
// personality-rights amounts into setjs.rar (as WriteBaseAmounts does), each
// file replaced atomically with every other byte kept. False, with both files
// as they were, when an amount is outside its range or not a whole number of
// yuan (CheckLocalStandards says which), or a file cannot be written.
bool WriteLocalStandards(const QString &standardsFilePath, const QString &baseAmountsFilePath,
                         const LocalStandards &local);

} // namespace pellumo
