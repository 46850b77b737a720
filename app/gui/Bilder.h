#pragma once

#include <QPixmap>

// The main window's pictures, drawn by the program itself.
namespace Bilder {

// The list entry picture, 24 by 21, drawn on pure red, which is then made transparent.
QPixmap datenbankSymbol();
// Logo for the panel at the top of the main window.
QPixmap logo();
// Picture of the settings button.
QPixmap einstellungenSymbol();

} // namespace Bilder
