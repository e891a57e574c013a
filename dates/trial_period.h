#pragma once

// The trial period limit (审限) of a case: its last day, counted from the day
// after 立案 (《最高人民法院关于严格执行案件审理期限制度的若干规定》第八条),
// moved later by the days not counted (扣除审限), by approved extensions and
// by a restart, with the arithmetic written out step by step, each step citing
// its article.

#include "dates/official_calendar.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace pellumo {

enum class Procedure {
    CivilOrdinary, CivilSimplified, CivilSmallClaims, CivilAppealJudgment, CivilAppealRuling, CivilSpecial,
    Execution, NonLitigationExecution, CriminalFirstInstance, CriminalSimplified, CriminalExpedited, CriminalSecondInstance,
    AdministrativeFirstInstance, AdministrativeSimplified, AdministrativeSecondInstance };

struct NotCounted { QDate first, last; QString reason; };     // both days not counted
struct Extension { int months = 0; int days = 0; };           // as approved, in the order approved

// A reason the window offers for a not-counted interval, with the article it
// rests on; a reason typed freely cites the procedure's articles as a whole.
struct NotCountedReason { QString reason; QString article; };

// longerCriminalPeriod means something for 刑事公诉一审, 简易 and 速裁 only.
// simplifiedToOrdinary goes with CivilOrdinary, the procedure the case is in
// now; restartedOn with the criminal procedures and CivilSpecial (the last
// day of the public notice).
struct TrialPeriodCase {
    Procedure procedure = Procedure::CivilOrdinary;
    QDate filed;                                              // 立案日; counting starts the day after
    bool longerCriminalPeriod = false;                        // 简易 1.5 months / 速裁 15 days / 公诉一审 3 months
    QList<NotCounted> notCounted;
    QList<Extension> extensions;
    std::optional<QDate> simplifiedToOrdinary;                // the day of the ruling, civil only
    std::optional<QDate> restartedOn;                         // counts afresh from the day after
    bool moveOffHolidays = false;                             // 民事诉讼法 第八十五条 applied to the court's own last day
    QDate asOf;                                               // "today" for the days left
};

struct TrialPeriodResult {
    QString error;                                            // empty when computed
    QDate lastDay;                                            // the period's last day (审限届满日)
    int notCountedDays = 0;                                   // the not-counted days that moved lastDay
    int daysLeft = 0;                                         // lastDay − asOf; 0 on the last day and after
    bool passed = false;                                      // asOf lies after lastDay
    QDate applyForExtensionBy;                                // lastDay − 15 days where a further extension is allowed, else null
    QString extensionApprover;                                // who approves it: "本院院长", "上级人民法院", "上一级人民法院",
                                                              // "高级人民法院" or "最高人民法院"; empty when none is allowed
    QStringList steps;                                        // the arithmetic, one line each, citing the article
};

// The procedure as the window lists it: "民事普通程序一审", "刑事二审" …
QString ProcedureName(Procedure procedure);

// What the window offers for a procedure: the longer criminal period
// (刑事公诉一审、简易、速裁), a restart (the criminal procedures, and
// 民事特别程序 from the end of its public notice), extensions.
bool HasLongerCriminalPeriod(Procedure procedure);
bool CountsAfreshOnRestart(Procedure procedure);
bool CanBeExtended(Procedure procedure);

QList<NotCountedReason> NotCountedReasons(Procedure procedure);

// Refuses, with a message naming the field or the row ("不计入审限期间第2行：…",
// "延长审限第1行：…"), a day outside 1900-01-01..9999-12-31, an interval that
// ends before it begins or begins before 立案, an extension of nothing, of a
// negative length, of a procedure that cannot be extended or beyond what the
// law allows in all, and a last day past 9999-12-31. Overlapping or touching
// not-counted intervals count each day once; with moveOffHolidays only the
// final last day moves off a rest day of the calendar.
TrialPeriodResult ComputeTrialPeriod(const TrialPeriodCase &c, const OfficialCalendar &calendar);

} // namespace pellumo
