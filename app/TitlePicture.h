#pragma once

#include <QPixmap>
#include <QSize>

// The title picture (maker's name and product name) that the splash and the
// About dialog show, at its design size of 300 x 162 on white.
inline constexpr QSize kTitlePictureSize(300, 162);

// Drawn for `devicePixelRatio`, so it stays sharp on high-density screens.
QPixmap titlePicture(qreal devicePixelRatio);
