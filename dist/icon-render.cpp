// icon-render: draws the game's SVG icon into a square PNG of one size, for the desktop's
// icon theme. Usage: icon-render IN.svg SIZE OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    // Text in the picture needs the font database, which needs a GUI application; the
    // offscreen platform needs no display, so the tool also runs on a build machine.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: icon-render IN.svg SIZE OUT.png\n");
        return 2;
    }
    bool isNumber = false;
    const int size = args.at(2).toInt(&isNumber);
    if (!isNumber || size < 1 || size > 4096) {
        std::fprintf(stderr, "icon-render: bad size '%s'\n", qPrintable(args.at(2)));
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "icon-render: cannot read SVG '%s'\n", qPrintable(args.at(1)));
        return 1;
    }
    svg.setAspectRatioMode(Qt::KeepAspectRatio);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(args.at(3), "PNG")) {
        std::fprintf(stderr, "icon-render: cannot write '%s'\n", qPrintable(args.at(3)));
        return 1;
    }
    return 0;
}
