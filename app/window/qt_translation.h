#pragma once

class QCoreApplication;

namespace pellumo {

// Qt's own texts in Chinese: the buttons of message boxes (保存, 取消, 是,
// 否), the file dialogs, the question before a file is replaced, the print
// and print preview dialogs, the edit menu of every field. Qt translates a
// widget when it is built, never afterwards, so this runs before the first
// window is built; loading the catalogue takes well under a millisecond.
// False, and Qt's English texts, when Qt's Chinese catalogue
// (qtbase_zh_CN.qm, Debian's qt6-translations-l10n) is not installed.
bool InstallQtTranslation(QCoreApplication &application);

} // namespace pellumo
