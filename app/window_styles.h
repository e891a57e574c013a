#pragma once

class QWidget;

namespace pellumo {

// Fonts the window description names that Linux does not have: 宋体 (SimSun)
// and 黑体 (SimHei) are mapped to the installed CJK fonts. Call once, before
// the first window is built.
void InstallFontSubstitutions();

// The .ui files give fonts in pixels and colours by name, as the window
// description does, through three dynamic properties that Qt Designer's font
// element cannot express:
//   pixelFont        "SimSun,13,bold" / "SimHei,16" / "SimSun,13,underline"
//   textColor        a colour name or #rrggbb: the text colour
//   backgroundColor  a colour name, #rrggbb or "tooltip" / "buttonface"
// ApplyWindowStyles applies them to root and every widget below it.
void ApplyWindowStyles(QWidget *root);

} // namespace pellumo
