#include "platform/PngPicture.h"

#include <QImageReader>
#include <QPixmap>

QImage pngImage(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QIcon pngIcon(const QString& path) {
    return QIcon(QPixmap::fromImage(pngImage(path)));
}
