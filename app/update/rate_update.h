#pragma once

class QWidget;

namespace pellumo {

struct PageServices;

// The online update of the rate table ("在线更新贷款基准利率"): asks whether
// the computer is online, fetches the published version number and, when it
// is newer than set.rar's, the published table, which replaces set.rar only
// when it arrived whole and valid. Every outcome is told in a message box
// owned by owner. Both downloads block the window until they end.
void UpdateRateTable(QWidget *owner, const PageServices &services);

} // namespace pellumo
