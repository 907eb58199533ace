#include "controls.h"

#include "layout.h"

#include "colourlabel.h"
#include "fonts.h"
#include "groupframe.h"
#include "optionbutton.h"
#include "rectshape.h"
#include "resultbox.h"
#include "twips.h"

#include <QEvent>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

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
    return w;
}

// The controls as they are made, by name.
class MadeControls
{
public:
    void add(QWidget *w) { m_byName.insert(w->objectName(), w); }

    // The control of that name and kind; the program stops when the layout
    // has none.
    template<typename T>
    T *get(const QString &name) const
    {
        T *control = qobject_cast<T *>(m_byName.value(name));
        if (!control)
            qFatal("The layout has no control %s of the kind the window needs", qUtf8Printable(name));
        return control;
    }

private:
    QHash<QString, QWidget *> m_byName;
};

} // namespace

QString stripeText(int band, int colour)
{
    return QStringLiteral("Цвет полосы %1: %2").arg(band).arg(colourName(colour));
}

void Controls::setupUi(QWidget *window)
{
    const std::vector<LayoutItem> &items = layoutControls();
    auto *fitter = new CaptionFitter(window);
    MadeControls made;

    // Frames first, so their controls have a container; then the rest from
    // back to front, so each control is stacked over those behind it.
    for (const LayoutItem &item : items) {
        if (item.type == ControlType::Frame)
            made.add(createControl(item, window, fitter));
    }
    std::vector<QWidget *> windowed;
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        QWidget *w = nullptr;
        if (it->type == ControlType::Frame) {
            w = made.get<QFrame>(QString::fromStdString(it->name));
        } else {
            QWidget *container = it->container ? made.get<QFrame>(QLatin1StringView(it->container)) : window;
            w = createControl(*it, container, fitter);
            made.add(w);
        }
        if (isWindowed(it->type))
            windowed.push_back(w);
    }
    // Windowed controls lie in front of labels and shapes.
    for (QWidget *w : windowed)
        w->raise();

    Result = made.get<ResultBox>(u"Result"_s);
    Result2 = made.get<ResultBox>(u"Result2"_s);
    Result3 = made.get<ResultBox>(u"Result3"_s);
    Result4 = made.get<ResultBox>(u"Result4"_s);
    R_Full = made.get<ResultBox>(u"R_Full"_s);
    Ed_Izm = made.get<ResultBox>(u"Ed_Izm"_s);
    Result4_Txt = made.get<QLabel>(u"Result4_Txt"_s);
    Lab_4 = made.get<QLabel>(u"Lab_4"_s);
    Lab_5 = made.get<QLabel>(u"Lab_5"_s);
    Op_R = made.get<OptionButton>(u"Op_R"_s);
    Op_C = made.get<OptionButton>(u"Op_C"_s);
    Op_G = made.get<OptionButton>(u"Op_G"_s);
    L3_En = made.get<OptionButton>(u"L3_En"_s);
    L4_En = made.get<OptionButton>(u"L4_En"_s);
    L5_En = made.get<OptionButton>(u"L5_En"_s);
    Exit_Btn = made.get<QPushButton>(u"Exit_Btn"_s);
    for (int band = 1; band <= maxBands; ++band) {
        const auto b = static_cast<std::size_t>(band - 1);
        stripes[b] = made.get<ColourLabel>(u"Line%1"_s.arg(band));
        for (int colour = 0; colour < paletteColourCount(band); ++colour)
            swatches[b][static_cast<std::size_t>(colour)] = made.get<ColourSwatch>(u"L%1_%2"_s.arg(band).arg(colour));
    }
}

void Controls::offer(ComponentKind kind, int bandCount)
{
    for (int k = 0; k < int(kindOptions().size()); ++k)
        kindOptions()[static_cast<std::size_t>(k)]->setChecked(int(kind) == k);
    for (int count = minBands; count <= maxBands; ++count) {
        countOption(count)->setChecked(count == bandCount);
        countOption(count)->setVisible(count <= kindRule(kind).maxCount);
    }
    // A band the component has shows its stripe, its heading and the
    // swatches of the colours it offers.
    for (int band = 1; band <= maxBands; ++band) {
        const BandPosition &position = bandPosition(kind, bandCount, band);
        stripe(band)->setVisible(position.isBand());
        for (int colour = 0; colour < paletteColourCount(band); ++colour)
            swatch(band, colour)->setVisible(position.offersColour(colour));
    }
    Lab_4->setVisible(bandPosition(kind, bandCount, 4).isBand());
    Lab_5->setVisible(bandPosition(kind, bandCount, 5).isBand());
    Result4->setVisible(hasVoltage(kind, bandCount));
    Result4_Txt->setVisible(hasVoltage(kind, bandCount));
}

std::array<OptionButton *, 3> Controls::kindOptions() const
{
    return {Op_R, Op_C, Op_G};
}

OptionButton *Controls::countOption(int count) const
{
    const std::array options{L3_En, L4_En, L5_En};
    if (count < minBands || count > maxBands)
        qFatal("No option for %d bands", count);
    return options[static_cast<std::size_t>(count - minBands)];
}

ColourSwatch *Controls::swatch(int band, int colour) const
{
    if (band < 1 || band > maxBands || colour < 0 || colour >= paletteColourCount(band))
        qFatal("No swatch L%d_%d", band, colour);
    return swatches[static_cast<std::size_t>(band - 1)][static_cast<std::size_t>(colour)];
}

ColourLabel *Controls::stripe(int band) const
{
    if (band < 1 || band > maxBands)
        qFatal("No stripe Line%d", band);
    return stripes[static_cast<std::size_t>(band - 1)];
}

} // namespace zomar
