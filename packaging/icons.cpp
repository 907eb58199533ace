// Makes the desktop's icons from the program's own picture, the 16-colour
// images of the window's icon: a PNG of each, and an SVG of the 32-pixel
// one, a square per pixel (runs of one colour in a row joined), so that
// the menu shows the window's icon at any size.
// usage: zomar_icons ICON-16.XPM ICON-32.XPM OUTPUT_DIR
#include <QColor>
#include <QFile>
#include <QImage>
#include <QTextStream>

#include <cstdio>

namespace {

bool writeSvg(const QImage &image, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream svg(&file);
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << image.width() << "\" height=\"" << image.height()
        << "\" viewBox=\"0 0 " << image.width() << ' ' << image.height() << "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width();) {
            const QRgb colour = image.pixel(x, y);
            int run = 1;
            while (x + run < image.width() && image.pixel(x + run, y) == colour)
                ++run;
            if (qAlpha(colour) == 255) {
                svg << "  <rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << run << "\" height=\"1\" fill=\""
                    << QColor(colour).name() << "\"/>\n";
            }
            x += run;
        }
    }
    svg << "</svg>\n";
    return svg.status() == QTextStream::Ok && file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: zomar_icons ICON-16.XPM ICON-32.XPM OUTPUT_DIR\n", stderr);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[3]);
    QImage largest;
    for (int i = 1; i <= 2; ++i) {
        const QImage image(QString::fromLocal8Bit(argv[i]));
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "zomar_icons: %s is no square image\n", argv[i]);
            return 1;
        }
        const QString png = QStringLiteral("%1/icon-%2.png").arg(out).arg(image.width());
        if (!image.save(png, "PNG")) {
            std::fprintf(stderr, "zomar_icons: cannot write %s\n", qPrintable(png));
            return 1;
        }
        if (image.width() > largest.width())
            largest = image.convertToFormat(QImage::Format_ARGB32);
    }
    if (!writeSvg(largest, out + QStringLiteral("/icon.svg"))) {
        std::fprintf(stderr, "zomar_icons: cannot write %s/icon.svg\n", qPrintable(out));
        return 1;
    }
    return 0;
}
