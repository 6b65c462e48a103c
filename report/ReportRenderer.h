#pragma once

#include <QColor>
#include <QRectF>
#include <cstdint>

class QPainter;
struct PreparedPage;

// The smallest font size (points on the sheet) a value is shrunk to so that it
// stays on one line: small print, still legible.
inline constexpr double kMinimumFontPoints = 6.0;

// The one renderer of prepared pages, for the screen, the printer and PDF: the
// sheet (page width x height units) is mapped onto `target`, each direction by
// its own factor; fonts follow the vertical factor. A memo whose box holds a
// single line of its font draws its text on one line, shrunk to fit the width
// when needed (down to kMinimumFontPoints); taller memos wrap as they are set.
void renderPage(QPainter& painter, const PreparedPage& page, const QRectF& target);

// A stored 0x00BBGGRR colour; none (and system colours) give an invalid colour.
QColor colorFromRef(std::int32_t ref);
