// Build tool: renders an SVG icon into square PNG files, one per size.
//   render_icon <icon.svg> <size>:<out.png>...
// Uses the same SVG renderer as the program, so the menu icon matches the
// window's own.

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    // The icon holds no text, so painting needs no application object.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.size() < 2) {
        std::fputs("usage: render_icon <icon.svg> <size>:<out.png>...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(args.front());
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args.front()));
        return 1;
    }
    for (const QString& target : args.mid(1)) {
        const qsizetype colon = target.indexOf(u':');
        bool ok = false;
        const int size = colon > 0 ? target.left(colon).toInt(&ok) : 0;
        if (!ok || size <= 0 || size > 4096) {
            std::fprintf(stderr, "render_icon: bad target %s\n", qPrintable(target));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString out = target.mid(colon + 1);
        if (!image.save(out, "PNG")) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(out));
            return 1;
        }
    }
    return 0;
}
