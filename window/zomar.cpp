#include "window/zomar.h"

#include "window/layout.h"

#include "platform/appearance.h"
#include "platform/colorlabel.h"
#include "platform/fonts.h"
#include "platform/groupframe.h"
#include "platform/optionbutton.h"
#include "platform/rectshape.h"
#include "platform/resultbox.h"
#include "platform/twips.h"

#include "packaging/icon-16.xpm"
#include "packaging/icon-32.xpm"

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTranslator>

namespace zomar {

namespace {

QStringView colourName(int colour)
{
    return paletteColours.at(static_cast<std::size_t>(colour)).fullName;
}

// What a screen reader says: a stripe is its band's colour now, a swatch a
// colour on offer for its band.
QString stripeText(int band, int colour)
{
    return QStringLiteral("Цвет полосы %1: %2").arg(band).arg(colourName(colour));
}

QString swatchText(int band, int colour)
{
    return QStringLiteral("%1 для полосы %2").arg(colourName(colour)).arg(band);
}

// Background and text colour of a control. Labels and frames paint the
// Window role, buttons the Button role, text boxes the Base role.
void setColors(QWidget *w, QRgb background, QRgb text)
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
        setColors(w, teal, qRgb(0, 0, 0));
        w->setFont(plainFont());
        break;
    case Look::YellowBold:
    case Look::YellowBoldCentred:
        setColors(w, teal, yellow);
        w->setFont(boldSansFont());
        break;
    case Look::YellowBoldOnGrey:
        setColors(w, darkGrey, yellow);
        w->setFont(boldSansFont());
        break;
    case Look::YellowPlain:
        setColors(w, teal, yellow);
        w->setFont(plainFont());
        break;
    case Look::ResultBox:
        setColors(w, lightGrey, qRgb(0, 0, 0));
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
class CaptionFitter : public QObject {
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
    return type == ControlType::TextBox || type == ControlType::OptionButton
           || type == ControlType::Frame || type == ControlType::CommandButton;
}

QWidget *createControl(const LayoutItem &item, QWidget *container, CaptionFitter *fitter)
{
    QWidget *w = nullptr;
    switch (item.type) {
    case ControlType::Label:
        w = new QLabel(item.caption.toString(), container);
        break;
    case ControlType::Swatch:
        w = new ColorSwatch(QColor(*item.fill), container);
        break;
    case ControlType::Stripe: {
        auto *label = new ColorLabel(container);
        label->setBackColor(QColor(*item.fill));
        w = label;
        break;
    }
    case ControlType::TextBox: {
        w = new ResultBox(container);
        break;
    }
    case ControlType::OptionButton: {
        auto *button = new OptionButton(item.caption.toString(), container);
        button->setChecked(item.selected);
        w = button;
        break;
    }
    case ControlType::Rectangle:
        w = new RectShape(item.fill ? std::optional<QColor>(QColor(*item.fill)) : std::nullopt,
                          QColor(item.outline), container);
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
    if (item.type != ControlType::Swatch && item.type != ControlType::Stripe
        && item.type != ControlType::Rectangle)
        applyLook(w, item.look);
    if (!item.caption.isEmpty())
        w->installEventFilter(fitter);
    if (!item.accessibleName.isEmpty())
        w->setAccessibleName(item.accessibleName.toString());
    if (item.hidden)
        w->setVisible(false);
    return w;
}

} // namespace

void Zomar::prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Zomar"));
    QApplication::setApplicationVersion(QStringLiteral(ZOMAR_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(ZOMAR_APP_ID));
    // One style and one palette on every desktop, whatever its theme, so
    // the window looks as laid out everywhere; menus and tooltips as well.
    QApplication::setStyle(new FocusStyle);
    QApplication::setPalette(fixedLightPalette());
    // The texts Qt supplies (the result fields' context menu) in Russian.
    auto *translator = new QTranslator(&app);
    for (const QString &folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (translator->load(QStringLiteral("qtbase_ru"), folder)) {
            QApplication::installTranslator(translator);
            break;
        }
    }
    // The window's own face before any control exists, so that none loads
    // the desktop's default font first.
    QApplication::setFont(plainFont());
    // The 16-colour icon, 16 and 32 pixels. XPM is read by QtGui itself,
    // with no image-format plugin to load.
    QIcon icon;
    icon.addPixmap(QPixmap(zomar_icon_16));
    icon.addPixmap(QPixmap(zomar_icon_32));
    app.setWindowIcon(icon);
}

Zomar::Zomar(NumberText numbers, QWidget *parent)
    : QWidget(parent), m_numbers(std::move(numbers))
{
    setObjectName(QStringLiteral("Zomar"));
    setWindowTitle(windowCaption.toString());

    // A fixed size: a title, the system menu, minimise and close; no
    // maximise. Still a normal top-level window with its taskbar entry.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // A fixed light palette: the layout's colours, whatever the desktop theme.
    QPalette pal = fixedLightPalette();
    pal.setColor(QPalette::Window, teal);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(plainFont());
    setFixedSize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));

    createControls();
    connectHandlers();
    Form_Load();
}

void Zomar::createControls()
{
    const std::vector<LayoutItem> &items = layoutControls();
    auto *fitter = new CaptionFitter(this);

    // Frames first, so their controls have a container; then the rest from
    // back to front, so each control is stacked over those behind it.
    for (const LayoutItem &item : items) {
        if (item.type == ControlType::Frame)
            createControl(item, this, fitter);
    }
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        if (it->type == ControlType::Frame)
            continue;
        QWidget *container = this;
        if (it->container)
            container = findChild<QFrame *>(QString::fromLatin1(it->container), Qt::FindDirectChildrenOnly);
        QWidget *w = createControl(*it, container, fitter);
        if (it->type == ControlType::Swatch) {
            auto *s = static_cast<ColorSwatch *>(w);
            m_swatches[static_cast<std::size_t>(it->band - 1)][static_cast<std::size_t>(it->colour)] = s;
            s->setToolTip(swatchText(it->band, it->colour));
            s->setAccessibleName(swatchText(it->band, it->colour));
        } else if (it->type == ControlType::Stripe) {
            m_stripes[static_cast<std::size_t>(it->band - 1)] = static_cast<ColorLabel *>(w);
        }
    }
    // Windowed controls lie in front of labels and shapes.
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        if (isWindowed(it->type))
            findChild<QWidget *>(QString::fromStdString(it->name))->raise();
    }

    const auto named = [this](auto *&field, const char *name) {
        field = findChild<std::remove_reference_t<decltype(*field)> *>(QString::fromLatin1(name));
        Q_ASSERT(field);
    };
    named(Result, "Result");
    named(Result2, "Result2");
    named(Result3, "Result3");
    named(Result4, "Result4");
    named(R_Full, "R_Full");
    named(Ed_Izm, "Ed_Izm");
    named(Result4_Txt, "Result4_Txt");
    named(Lab_4, "Lab_4");
    named(Lab_5, "Lab_5");
    named(Op_R, "Op_R");
    named(Op_C, "Op_C");
    named(Op_G, "Op_G");
    named(L3_En, "L3_En");
    named(L4_En, "L4_En");
    named(L5_En, "L5_En");
    named(Exit_Btn, "Exit_Btn");

    QWidget *tabOrder[] = {Op_R, Op_C, Op_G, L3_En, L4_En, L5_En, Result,
                           Ed_Izm, Result2, R_Full, Result3, Result4, Exit_Btn};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void Zomar::connectHandlers()
{
    for (int band = 1; band <= maxBands; ++band) {
        for (int colour = 0; colour < paletteColourCount(band); ++colour) {
            // A press through accessibility comes a moment later: by then the
            // swatch may be hidden, and a hidden swatch is no choice.
            ColorSwatch *s = swatch(band, colour);
            connect(s, &ColorSwatch::clicked, this, [this, s, band, colour] {
                if (s->isVisibleTo(this))
                    Palette_Click(band, colour);
            });
        }
    }
    // toggled(true) runs for mouse, keyboard and selection from code alike.
    const auto onSelect = [this](OptionButton *button, void (Zomar::*handler)()) {
        connect(button, &QAbstractButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onSelect(L3_En, &Zomar::L3_En_Click);
    onSelect(L4_En, &Zomar::L4_En_Click);
    onSelect(L5_En, &Zomar::L5_En_Click);
    onSelect(Op_R, &Zomar::Op_R_Click);
    onSelect(Op_C, &Zomar::Op_C_Click);
    onSelect(Op_G, &Zomar::Op_G_Click);
    connect(Exit_Btn, &QPushButton::clicked, this, &Zomar::Exit_Btn_Click);
}

ColorSwatch *Zomar::swatch(int band, int colour) const
{
    return m_swatches.at(static_cast<std::size_t>(band - 1)).at(static_cast<std::size_t>(colour));
}

ColorLabel *Zomar::stripe(int band) const
{
    return m_stripes.at(static_cast<std::size_t>(band - 1));
}

void Zomar::Form_Load()
{
    BandIndex.fill(White);
    for (int band = 1; band <= maxBands; ++band)
        paintBand(band, White);
    Tabl();
}

void Zomar::Tabl()
{
    ++m_evaluations;
    Selection selection;
    selection.kind = Op_R->isChecked()   ? ComponentKind::Resistor
                     : Op_G->isChecked() ? ComponentKind::Inductor
                                         : ComponentKind::Capacitor;
    selection.bandCount = L3_En->isChecked() ? 3 : L4_En->isChecked() ? 4 : 5;
    selection.bands = BandIndex;

    const Evaluation result = evaluate(selection, m_numbers);
    Result->setText(result.digits);
    Result2->setText(result.multiplier);
    Result3->setText(result.tolerance);
    if (result.voltage) // only a capacitor has a rated voltage
        Result4->setText(*result.voltage);
    R_Full->setText(result.value);
    Ed_Izm->setText(result.unit);
}

// Band k takes the colour of its swatch j: the stripe's colour, what it says
// to a screen reader, and the band's index.
void Zomar::paintBand(int band, int colour)
{
    ColorLabel *line = stripe(band);
    line->setBackColor(swatch(band, colour)->backColor());
    line->setToolTip(stripeText(band, colour));
    line->setAccessibleName(stripeText(band, colour));
    BandIndex.at(static_cast<std::size_t>(band - 1)) = colour;
}

void Zomar::Palette_Click(int band, int colour)
{
    paintBand(band, colour);
    Tabl();
}

void Zomar::setSwatchesVisible(int band, int from, int to, bool visible)
{
    for (int colour = from; colour <= to; ++colour)
        swatch(band, colour)->setVisible(visible);
}

void Zomar::L3_En_Click()
{
    setSwatchesVisible(3, Gold, Silver, true);
    Lab_5->hide();
    Lab_4->hide();
    stripe(5)->hide();
    setSwatchesVisible(5, Black, Silver, false);
    stripe(4)->hide();
    setSwatchesVisible(4, Black, Silver, false);
    Tabl();
}

void Zomar::L4_En_Click()
{
    setSwatchesVisible(3, Gold, Silver, true);
    Lab_5->hide();
    Lab_4->show();
    if (!Op_G->isChecked()) {
        stripe(5)->hide();
        setSwatchesVisible(5, Black, Silver, false);
        stripe(4)->show();
        setSwatchesVisible(4, Black, White, true);
    } else {
        // An inductor's fourth band is gold or silver; band 5 is already hidden.
        stripe(4)->show();
        setSwatchesVisible(4, Black, White, false);
    }
    setSwatchesVisible(4, Gold, Silver, true);
    Tabl();
}

void Zomar::L5_En_Click()
{
    setSwatchesVisible(3, Gold, Silver, false);
    Lab_5->show();
    Lab_4->show();
    stripe(5)->show();
    setSwatchesVisible(5, Black, Silver, true);
    stripe(4)->show();
    setSwatchesVisible(4, Black, Silver, true);
    Tabl();
}

void Zomar::Op_RC_Click(bool capacitor)
{
    Result4->setVisible(capacitor);
    Result4_Txt->setVisible(capacitor);
    if (!L3_En->isChecked())
        setSwatchesVisible(4, Black, Silver, true);
    L5_En->show();
    Tabl();
}

void Zomar::Op_R_Click()
{
    Op_RC_Click(false);
}

void Zomar::Op_C_Click()
{
    Op_RC_Click(true);
}

void Zomar::Op_G_Click()
{
    Result4->hide();
    Result4_Txt->hide();
    L4_En->setChecked(true); // runs L4_En_Click when four bands were not selected
    Lab_4->show();
    stripe(5)->hide();
    setSwatchesVisible(5, Black, Silver, false);
    L5_En->hide();
    setSwatchesVisible(4, Black, White, false);
    paintBand(4, Gold);
    Tabl();
}

void Zomar::Exit_Btn_Click()
{
    close();
}

} // namespace zomar
