#include "window/controls.h"

#include "window/layout.h"

#include "platform/colourlabel.h"
#include "platform/fonts.h"
#include "platform/groupframe.h"
#include "platform/optionbutton.h"
#include "platform/rectshape.h"
#include "platform/resultbox.h"
#include "platform/twips.h"

#include <QEvent>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QPushButton>

#include <variant>

namespace zomar {

QStringView colourName(int colour)
{
    return paletteColours.at(static_cast<std::size_t>(colour)).fullName;
}

namespace {

// What a screen reader says of a swatch: a colour on offer for its band.
QString swatchText(int band, int colour)
{
    return QStringLiteral("%1 для полосы %2").arg(colourName(colour)).arg(band);
}

// Background and text colour of a control. Labels and frames paint the
// Window role, buttons the Button role, text boxes the Base role.
void setColours(QWidget *w, QRgb background, QRgb text)
{
    QPalette pal = w->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        pal.setColor(role, background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
        pal.setColor(role, text);
    if (qobject_cast<QLineEdit *>(w)) {
        pal.setColor(QPalette::Base, background);
        pal.setColor(QPalette::Text, text);
    }
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

// Background, text colour, font and alignment of a look.
void applyLook(QWidget *w, Look look)
{
    switch (look) {
    case Look::Toolkit:
        w->setFont(plainFont());
        break;
    case Look::Group:
        setColours(w, teal, qRgb(0, 0, 0));
        w->setFont(plainFont());
        break;
    case Look::YellowBold:
    case Look::YellowBoldCentred:
        setColours(w, teal, yellow);
        w->setFont(boldSansFont());
        break;
    case Look::YellowBoldOnGrey:
        setColours(w, darkGrey, yellow);
        w->setFont(boldSansFont());
        break;
    case Look::YellowPlain:
        setColours(w, teal, yellow);
        w->setFont(plainFont());
        break;
    case Look::ResultBox:
        setColours(w, lightGrey, qRgb(0, 0, 0));
        w->setFont(boldArialFont());
        break;
    }
    if (auto *label = qobject_cast<QLabel *>(w)) {
        const Qt::Alignment horizontal = look == Look::YellowBoldCentred ? Qt::AlignHCenter : Qt::AlignLeft;
        label->setAlignment(horizontal | Qt::AlignTop);
    }
}

// A caption wider than its control, as in a wide stand-in face, is condensed.
void fitCaption(QWidget *w)
{
    QString caption;
    int room = 0;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        caption = label->text();
        room = label->contentsRect().width();
    } else if (auto *button = qobject_cast<OptionButton *>(w)) {
        caption = button->text();
        room = button->captionRoom();
    }
    if (caption.isEmpty())
        return;
    const QFont fitting = condensedToFit(w->font(), caption, room);
    if (fitting != w->font())
        w->setFont(fitting);
}

// Fits a control's caption when it is first painted: measuring text is
// costly, and only a control on screen needs it done.
class CaptionFitter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            fitCaption(static_cast<QWidget *>(watched));
        }
        return false;
    }
};

bool isWindowed(ControlType type)
{
    return type == ControlType::TextBox || type == ControlType::OptionButton || type == ControlType::Frame
        || type == ControlType::CommandButton;
}

QWidget *createControl(const LayoutItem &item, QWidget *container, CaptionFitter *fitter)
{
    QWidget *w = nullptr;
    switch (item.type) {
    case ControlType::Label:
        w = new QLabel(item.caption.toString(), container);
        break;
    case ControlType::Swatch:
        w = new ColourSwatch(QColor(*item.fill), container);
        w->setToolTip(swatchText(item.band, item.colour));
        w->setAccessibleName(swatchText(item.band, item.colour));
        break;
    case ControlType::Stripe: {
        auto *label = new ColourLabel(container);
        label->setBackColour(QColor(*item.fill));
        w = label;
        break;
    }
    case ControlType::TextBox:
        w = new ResultBox(container);
        break;
    case ControlType::OptionButton: {
        auto *button = new OptionButton(item.caption.toString(), container);
        button->setChecked(item.selected);
        w = button;
        break;
    }
    case ControlType::Rectangle:
        w = new RectShape(item.fill ? std::optional<QColor>(QColor(*item.fill)) : std::nullopt, QColor(item.outline),
                          container);
        break;
    case ControlType::Frame: {
        // An etched line in shades of the teal, as group boxes are drawn.
        auto *frame = new GroupFrame(container);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        QPalette pal = frame->palette();
        pal.setColor(QPalette::Light, QColor(96, 144, 144));
        pal.setColor(QPalette::Dark, QColor(0, 24, 24));
        frame->setPalette(pal);
        w = frame;
        break;
    }
    case ControlType::CommandButton: {
        auto *button = new QPushButton(item.caption.toString(), container);
        button->setAutoDefault(true); // Enter presses it when it has the focus
        w = button;
        break;
    }
    }
    w->setObjectName(QString::fromStdString(item.name));
    w->setGeometry(twipsRect(item.left, item.top, item.width, item.height));
    if (item.type != ControlType::Swatch && item.type != ControlType::Stripe && item.type != ControlType::Rectangle)
        applyLook(w, item.look);
    if (!item.caption.isEmpty())
        w->installEventFilter(fitter);
    if (!item.accessibleName.isEmpty())
        w->setAccessibleName(item.accessibleName.toString());
    if (item.hidden)
        w->setVisible(false);
    return w;
}

// The named controls, each with its member.
using Member =
    std::variant<ResultBox * Controls::*, QLabel * Controls::*, OptionButton * Controls::*, QPushButton * Controls::*>;
#define ZOMAR_CONTROL(name) std::pair<const char *, Member>(#name, &Controls::name)
const std::pair<const char *, Member> namedControls[] = {
    ZOMAR_CONTROL(Result),      ZOMAR_CONTROL(Result2), ZOMAR_CONTROL(Result3), ZOMAR_CONTROL(Result4),
    ZOMAR_CONTROL(R_Full),      ZOMAR_CONTROL(Ed_Izm),  ZOMAR_CONTROL(Lab_4),   ZOMAR_CONTROL(Lab_5),
    ZOMAR_CONTROL(Result4_Txt), ZOMAR_CONTROL(Op_R),    ZOMAR_CONTROL(Op_C),    ZOMAR_CONTROL(Op_G),
    ZOMAR_CONTROL(L3_En),       ZOMAR_CONTROL(L4_En),   ZOMAR_CONTROL(L5_En),   ZOMAR_CONTROL(Exit_Btn),
};
#undef ZOMAR_CONTROL

} // namespace

QString stripeText(int band, int colour)
{
    return QStringLiteral("Цвет полосы %1: %2").arg(band).arg(colourName(colour));
}

void Controls::setupUi(QWidget *window)
{
    const std::vector<LayoutItem> &items = layoutControls();
    auto *fitter = new CaptionFitter(window);
    QHash<QLatin1String, QWidget *> frames;
    const auto record = [this](const LayoutItem &item, QWidget *w) {
        const auto band = static_cast<std::size_t>(item.band - 1);
        if (item.type == ControlType::Swatch)
            swatches.at(band).at(static_cast<std::size_t>(item.colour)) = static_cast<ColourSwatch *>(w);
        else if (item.type == ControlType::Stripe)
            stripes.at(band) = static_cast<ColourLabel *>(w);
        for (const auto &[name, member] : namedControls) {
            if (item.name == name) {
                std::visit(
                    [this, w](auto field) {
                        this->*field = qobject_cast<std::remove_reference_t<decltype(this->*field)>>(w);
                    },
                    member);
            }
        }
    };

    // Frames first, so their controls have a container; then the rest from
    // back to front, so each control is stacked over those behind it.
    for (const LayoutItem &item : items) {
        if (item.type == ControlType::Frame)
            frames.insert(QLatin1String(item.name.c_str()), createControl(item, window, fitter));
    }
    std::vector<QWidget *> windowed;
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        QWidget *w = nullptr;
        if (it->type == ControlType::Frame) {
            w = frames.value(QLatin1String(it->name.c_str()));
        } else {
            QWidget *container = it->container ? frames.value(QLatin1String(it->container)) : window;
            if (!container)
                qFatal("The layout has no frame %s for %s", it->container, it->name.c_str());
            w = createControl(*it, container, fitter);
            record(*it, w);
        }
        if (isWindowed(it->type))
            windowed.push_back(w);
    }
    // Windowed controls lie in front of labels and shapes.
    for (QWidget *w : windowed)
        w->raise();

    for (const auto &[name, member] : namedControls) {
        if (std::visit([this](auto field) { return !(this->*field); }, member))
            qFatal("The layout has no control %s of the kind the window needs", name);
    }
    for (int band = 1; band <= maxBands; ++band) {
        if (!stripe(band))
            qFatal("The layout has no stripe Line%d", band);
        for (int colour = 0; colour < paletteColourCount(band); ++colour) {
            if (!swatch(band, colour))
                qFatal("The layout has no swatch L%d_%d", band, colour);
        }
    }
}

ColourSwatch *Controls::swatch(int band, int colour) const
{
    return swatches.at(static_cast<std::size_t>(band - 1)).at(static_cast<std::size_t>(colour));
}

ColourLabel *Controls::stripe(int band) const
{
    return stripes.at(static_cast<std::size_t>(band - 1));
}

} // namespace zomar
