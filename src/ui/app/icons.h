#pragma once
// The program's own pictures, drawn at run time so that they are sharp at any
// screen scale: the six toolbar icons and the logo.

#include <QIcon>
#include <QPixmap>

namespace castovin {

enum class ToolIcon { Open, Save, Print, Description, BoltSystem, Cost };

QIcon ToolbarIcon(ToolIcon kind);

// The program's own icon, as installed for the desktop's menus; the window
// icon of every window.
QIcon ProgramIcon();

// The logo: a cross-section of a bolted mine entry.
QPixmap LogoPixmap(int width, qreal devicePixelRatio);

}  // namespace castovin
