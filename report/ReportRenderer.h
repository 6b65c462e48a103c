#pragma once

#include <QColor>
#include <QRectF>
#include <cstdint>

class QPainter;
struct PreparedPage;

// The one renderer of prepared pages, for the screen, the printer and PDF: the
// sheet (page width x height units) is mapped onto `target`, each direction by
// its own factor; fonts follow the vertical factor.
void renderPage(QPainter& painter, const PreparedPage& page, const QRectF& target);

// A stored 0x00BBGGRR colour; none (and system colours) give an invalid colour.
QColor colorFromRef(std::int32_t ref);
