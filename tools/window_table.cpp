// Writes the window's facts that the shell scripts use, from the one source:
// the caption, the client area's size, and where every control of the
// layout stands in the client area (pixels at scale 1): its rectangle and
// the point a test clicks, the centre, or for an option button a point far
// right of its caption, where a wider stand-in face cannot reach; and a
// point of the bare background.
#include "layout.h"
#include "product.h"
#include "twips.h"

#include <QHash>
#include <QRect>
#include <QTextStream>

using namespace zomar;

// A text as a POSIX extended regular expression that matches it alone.
QString exactPattern(const QString &text)
{
    QString pattern = QStringLiteral("^");
    for (QChar c : text) {
        if (QStringLiteral(".[]()*+?^$|\\{}").contains(c))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return pattern + QLatin1Char('$');
}

int main()
{
    QTextStream out(stdout);
    const QString caption = productName.toString();
    out << "# Made by window_table from the window's layout at build time.\n"
        << "zomar_product='" << caption << "'\n"
        << "zomar_caption='" << exactPattern(caption) << "'\n"
        << "client_width=" << twipsToPixels(clientWidth) << " client_height=" << twipsToPixels(clientHeight) << '\n'
        << "client_size=" << twipsToPixels(clientWidth) << 'x' << twipsToPixels(clientHeight) << '\n';

    QHash<QString, QPoint> frames;
    for (const LayoutItem &item : layoutControls()) {
        if (item.type == ControlType::Frame)
            frames.insert(QString::fromStdString(item.name), twipsRect(item.left, item.top, 0, 0).topLeft());
    }
    QString points, rects;
    QHash<QString, QRect> placed;
    for (const LayoutItem &item : layoutControls()) {
        QRect r = twipsRect(item.left, item.top, item.width, item.height);
        if (item.container)
            r.translate(frames.value(QString::fromLatin1(item.container)));
        const QPoint at = item.type == ControlType::OptionButton ? QPoint(r.right() - 3, r.center().y()) : r.center();
        const QString name = QString::fromStdString(item.name);
        placed.insert(name, r);
        points += QStringLiteral(" [%1]=\"%2 %3\"").arg(name).arg(at.x()).arg(at.y());
        rects += QStringLiteral(" [%1]=\"%2 %3 %4 %5\"").arg(name).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    out << "declare -A point=(" << points << " )\n"
        << "declare -A rect=(" << rects << " )\n";
    // A point of the bare background: halfway between the Exit button and
    // the component's outline, level with the button.
    const QRect exit = placed.value(QStringLiteral("Exit_Btn")), outline = placed.value(QStringLiteral("Shape3"));
    out << "background_point='" << (exit.right() + outline.left()) / 2 << ' ' << exit.center().y() << "'\n";
    return 0;
}
