// Build tool: renders an SVG picture into PNG files, one per size, so that the
// program shows its pictures without loading an SVG renderer at start-up.
//   render_picture <picture.svg> <width>[x<height>]:<out.png>...
// A single number is a square size.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

// "<width>x<height>" or "<size>"; an empty size when malformed.
QSize parseSize(const QString& text) {
    const QStringList parts = text.split(u'x');
    bool okWidth = false, okHeight = false;
    const int width = parts.front().toInt(&okWidth);
    const int height = parts.size() == 2 ? parts.back().toInt(&okHeight) : width;
    okHeight = parts.size() == 1 || okHeight;
    const bool fits = width > 0 && height > 0 && width <= 4096 && height <= 4096;
    return okWidth && okHeight && parts.size() <= 2 && fits ? QSize(width, height) : QSize();
}

} // namespace

int main(int argc, char** argv) {
    // Pictures may hold text, which needs the font database of an application
    // object; no display is needed for that.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fputs("usage: render_picture <picture.svg> <width>[x<height>]:<out.png>...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(args.front());
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_picture: cannot read %s\n", qPrintable(args.front()));
        return 1;
    }
    for (const QString& target : args.mid(1)) {
        const qsizetype colon = target.indexOf(u':');
        const QSize size = colon > 0 ? parseSize(target.left(colon)) : QSize();
        if (size.isEmpty()) {
            std::fprintf(stderr, "render_picture: bad target %s\n", qPrintable(target));
            return 2;
        }
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), size));
        painter.end();
        const QString out = target.mid(colon + 1);
        if (!image.save(out, "PNG")) {
            std::fprintf(stderr, "render_picture: cannot write %s\n", qPrintable(out));
            return 1;
        }
    }
    return 0;
}
