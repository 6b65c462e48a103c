#include "app/TitlePicture.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap titlePicture(qreal devicePixelRatio) {
    QPixmap picture(kTitlePictureSize * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::white);
    QSvgRenderer renderer(QStringLiteral(":/images/title.svg"));
    if (renderer.isValid()) {
        QPainter painter(&picture);
        renderer.render(&painter, QRectF(QPointF(0, 0), kTitlePictureSize));
    }
    return picture;
}
