#pragma once

#include <QColor>
#include <QFont>

class QPainter;
class QPalette;
class QRect;

// The program's own look, shared by all its windows.
namespace WindowLook {

// Arial (or its metric twin) at an 11-pixel character height: the font of the
// main window, the splash and the dialogs.
QFont windowFont();

// The yellow of the term field and of the grid's base row and column.
inline constexpr QRgb kHighlight = 0xffffff00;

// Gives every window of the program (message boxes, the help window, menus and
// tooltips included) the program's icon and the window font's family; sizes
// stay the desktop's.
void applyToApplication();

// Two one-pixel bevels: the outer around `rect` (filled with `fill` when given),
// the inner `inset` pixels inside it and shaded the other way.
void drawDoubleBevel(QPainter* painter, const QRect& rect, const QPalette& palette,
                     bool outerSunken, int inset, const QBrush* fill = nullptr);

} // namespace WindowLook
