#pragma once

class QWidget;

namespace pellumo {

struct PageServices;

// The online update ("在线更新贷款基准利率"): asks whether the computer is
// online, fetches the published version file and, for each of the rate table
// (set.rar), the rate history (history.tsv) and the official calendar
// (calendar.tsv) whose published version is newer than the one in use, the
// published file, which replaces the installed one only when it arrived
// whole and valid. One message box owned by owner tells what was brought up
// to date and what failed and why. The downloads block the window until
// they end.
void UpdateRateTable(QWidget *owner, const PageServices &services);

} // namespace pellumo
