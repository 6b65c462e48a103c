#include "app/WindowLook.h"

#include "platform/FontFamilies.h"
#include "platform/PngPicture.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <qdrawutil.h>

namespace WindowLook {

QFont windowFont() {
    QFont font;
    font.setFamilies(windowFontFamilies());
    font.setPixelSize(11);
    return font;
}

void applyToApplication() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(
            QPixmap::fromImage(pngImage(QStringLiteral(":/icons/app-%1.png").arg(size))));
    QApplication::setWindowIcon(icon);
    QFont font = QApplication::font();
    font.setFamilies(windowFont().families());
    QApplication::setFont(font);
}

void drawDoubleBevel(QPainter* painter, const QRect& rect, const QPalette& palette,
                     bool outerSunken, int inset, const QBrush* fill) {
    qDrawShadePanel(painter, rect, palette, outerSunken, 1, fill);
    qDrawShadePanel(painter, rect.adjusted(inset, inset, -inset, -inset), palette, !outerSunken, 1);
}

} // namespace WindowLook
