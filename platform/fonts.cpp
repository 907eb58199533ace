#include "fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <algorithm>

namespace zomar {

namespace {

// The first of the faces that is installed and scales smoothly. Naming a
// face the platform lacks sends the font database on a costly search for
// fallbacks at every font load, so the choice is made once, here. A bitmap
// face is passed over: Wine's "MS Sans Serif" is one, and has neither the
// bold weight nor the smooth edges of the captions; on Windows its
// TrueType successor stands in.
QString installedFace(std::initializer_list<QString> wanted)
{
    static const QStringList installed = QFontDatabase::families();
    QStringList faces(wanted);
    faces << QStringLiteral("Liberation Sans") << QStringLiteral("DejaVu Sans");
    for (const QString &face : faces) {
        if (installed.contains(face, Qt::CaseInsensitive) && QFontDatabase::isSmoothlyScalable(face))
            return face;
    }
    return QString(); // the toolkit's default sans-serif face
}

QFont makeFont(std::initializer_list<QString> faces, qreal pointSize, QFont::Weight weight)
{
    QFont font;
    const QString installed = installedFace(faces);
    if (!installed.isEmpty())
        font.setFamily(installed);
#ifdef Q_OS_WIN
    // Workaround "windows-bold-hinting" (docs/workarounds.md): GDI draws a
    // hinted TrueType face as its 'gasp' table says: Liberation Sans Bold
    // asks for grid-fitting without smoothing at 9 and 10 pixels,
    // which leaves the bold captions thin and jagged. A bold stand-in is
    // drawn unhinted (through DirectWrite) instead, smooth and bold as
    // elsewhere; the faces the layout names keep Windows' own rendering.
    // Under Qt's scaling (Windows at 125 % and more) all text stays with
    // GDI, which draws each face as its 'gasp' table asks at the scaled size
    // (the bold stand-in smooth from 11 pixels on) and puts each glyph where
    // the unscaled layout has it, scaled. Qt would send the default hinting
    // to DirectWrite there too, and Wine's DirectWrite hints outlines at the
    // unscaled size before scaling them: the regular weight came out as
    // heavy as bold, and the bold captions unevenly spaced.
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen && !qFuzzyCompare(screen->devicePixelRatio(), qreal(1)))
        font.setHintingPreference(QFont::PreferFullHinting);
    else if (weight >= QFont::Bold && std::find(faces.begin(), faces.end(), installed) == faces.end())
        font.setHintingPreference(QFont::PreferNoHinting);
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize * layoutDpiFactor());
    font.setWeight(weight);
    return font;
}

} // namespace

// Workaround "fonts-at-96-dpi" (docs/workarounds.md).
qreal layoutDpiFactor()
{
    constexpr qreal layoutDpi = 96;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchY() : layoutDpi;
    return dpi > 0 ? layoutDpi / dpi : 1;
}

QFont boldSansFont()
{
    static const QFont font =
        makeFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")}, 7.8, QFont::Bold);
    return font;
}

QFont boldArialFont()
{
    static const QFont font = makeFont({QStringLiteral("Arial")}, 9, QFont::Bold);
    return font;
}

QFont plainFont()
{
    static const QFont font =
        makeFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")}, 8, QFont::Normal);
    return font;
}

QFont condensedToFit(QFont font, const QString &text, int room)
{
    // Unless it must be condensed, the font asks for any stretch, as an
    // untouched font does: an explicit 100 would be another font to Qt,
    // with faces of its own to load.
    constexpr int narrowest = 60;
    font.setStretch(QFont::AnyStretch);
    if (QFontMetrics(font).horizontalAdvance(text) <= room)
        return font;
    QFont narrowed = font;
#ifdef Q_OS_WIN
    // GDI narrows a face by drawing it at a smaller width, and Wine draws
    // a bold one so with strokes as thin as the regular weight's: narrowed
    // under Qt's scaling, where the fonts keep to GDI, a bold face goes
    // through DirectWrite, as the bold stand-in does unscaled.
    if (font.weight() >= QFont::Bold && font.hintingPreference() == QFont::PreferFullHinting)
        narrowed.setHintingPreference(QFont::PreferNoHinting);
#endif
    for (int stretch = 95; stretch >= narrowest; stretch -= 5) {
        narrowed.setStretch(stretch);
        if (QFontMetrics(narrowed).horizontalAdvance(text) <= room)
            break;
    }
    return narrowed;
}

} // namespace zomar
