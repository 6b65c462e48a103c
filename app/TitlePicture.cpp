#include "app/TitlePicture.h"

#include "platform/PngPicture.h"

#include <QPainter>

QPixmap titlePicture(qreal devicePixelRatio) {
    // Rendered at build time at its size and at twice it.
    const QImage drawing = pngImage(devicePixelRatio > 1 ? QStringLiteral(":/images/title@2x.png")
                                                         : QStringLiteral(":/images/title.png"));
    QPixmap picture(drawing.size());
    picture.fill(Qt::white);
    QPainter(&picture).drawImage(0, 0, drawing);
    picture.setDevicePixelRatio(qreal(picture.width()) / kTitlePictureSize.width());
    return picture;
}
