#include "application.h"

#include "zomar.h"

#include "accessibility.h"
#include "appearance.h"
#include "fonts.h"
#include "product.h"

#include "icon-argb.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <utility>

namespace zomar {

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Zomar"));
    QApplication::setApplicationVersion(QLatin1StringView(version));
    QApplication::setDesktopFileName(QLatin1StringView(applicationId));
    // One style and one palette on every desktop, whatever its theme, so
    // the window looks as laid out everywhere; menus and tooltips as well.
    QApplication::setStyle(new FocusStyle);
    QApplication::setPalette(fixedLightPalette());
    // The texts Qt supplies are read in Russian when first needed (a
    // context menu, a screen reader): useRussianQtTexts().
    // What screen readers are told of the program's own widgets; the window
    // is a window to them, not a bare filler.
    installAccessibility({{Zomar::staticMetaObject.className(), QAccessible::Window}});
    // The window's own face before any control exists, so that none loads
    // the desktop's default font first.
    QApplication::setFont(plainFont());
    // The 16-colour icon, 16 and 32 pixels, compiled in as pixels: a file
    // would load the image-format plugins, and an XPM is read and converted.
    QIcon icon;
    for (const auto &[pixels, size] :
         {std::pair{zomar_icon_16_argb, zomar_icon_16_size}, std::pair{zomar_icon_32_argb, zomar_icon_32_size}}) {
        const QImage image(reinterpret_cast<const uchar *>(pixels), size, size, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    app.setWindowIcon(icon);
}

} // namespace zomar
