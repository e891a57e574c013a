#pragma once

class QObject;
class QTabWidget;
class QWidget;

namespace pellumo {

// Fonts the .ui files name that Linux does not have: 宋体 (SimSun)
// and 黑体 (SimHei) are mapped to the installed CJK fonts. Call once, before
// the first window is built.
void InstallFontSubstitutions();

// The tab row of the window fits its width with whatever CJK font the system
// gives for 宋体 (the substitutes differ in width by several pixels a
// character): each tab is as wide as its caption and an equal space beside
// it, the largest the style allows that keeps every tab in the row; a font
// too wide even for the smallest space is made smaller. Call once the tabs
// are added, for this tab control alone.
void FitTabsToWidth(QTabWidget *tabs);

// The .ui files give fonts in pixels and colours by name, as the window
// description does, through three dynamic properties that Qt Designer's font
// element cannot express:
//   pixelFont        "SimSun,13,bold" / "SimHei,16" / "SimSun,13,underline"
//   textColor        a colour name or #rrggbb: the text colour
//   backgroundColor  a colour name, #rrggbb or "tooltip" / "buttonface"
//
// While a StylesWhileBuilding lives, each of the three properties takes effect the
// moment a .ui file's setupUi() sets it. uic sets a widget's properties
// right after creating it, before its children and before any text, so every
// widget gets its font once and no text is laid out twice; applied
// afterwards, each font would ripple through every text below it (a third
// of the window's construction time).
class StylesWhileBuilding
{
public:
    StylesWhileBuilding();
    ~StylesWhileBuilding();
    StylesWhileBuilding(const StylesWhileBuilding &) = delete;
    StylesWhileBuilding &operator=(const StylesWhileBuilding &) = delete;

private:
    QObject *m_filter;
};

} // namespace pellumo
