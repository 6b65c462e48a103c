#include "app/TitlePicture.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

QPixmap titlePicture(qreal devicePixelRatio) {
    // Rendered once per pixel ratio: the splash and every About box share it.
    const QString key = QStringLiteral("tlmr-title@%1").arg(devicePixelRatio);
    if (QPixmap cached; QPixmapCache::find(key, &cached))
        return cached;
    QPixmap picture(kTitlePictureSize * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::white);
    QSvgRenderer renderer(QStringLiteral(":/images/title.svg"));
    if (renderer.isValid()) {
        QPainter painter(&picture);
        renderer.render(&painter, QRectF(QPointF(0, 0), kTitlePictureSize));
    }
    QPixmapCache::insert(key, picture);
    return picture;
}
