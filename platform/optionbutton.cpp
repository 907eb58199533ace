#include "optionbutton.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace zomar {

namespace {
Qt::FocusPolicy withoutTab(Qt::FocusPolicy policy)
{
    return Qt::FocusPolicy(policy & ~Qt::TabFocus);
}
} // namespace

OptionButton::OptionButton(const QString &text, QWidget *parent) : QRadioButton(text, parent)
{
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (on)
            takeTabStop();
    });
    // A button that joins a group with a selection is no tab stop.
    const QList<OptionButton *> others = group();
    if (std::any_of(others.begin(), others.end(), [](OptionButton *b) { return b->isChecked(); }))
        setFocusPolicy(withoutTab(focusPolicy()));
}

QList<OptionButton *> OptionButton::group() const
{
    if (!parentWidget())
        return {};
    return parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly);
}

// Of the group, only the selected button is reached by Tab.
void OptionButton::takeTabStop()
{
    for (OptionButton *b : group()) {
        b->setFocusPolicy(b == this ? Qt::FocusPolicy(b->focusPolicy() | Qt::TabFocus) : withoutTab(b->focusPolicy()));
    }
}

void OptionButton::focusInEvent(QFocusEvent *event)
{
    // Workaround "option-group-tab-stop" (docs/workarounds.md): Qt hands the
    // group's tab stop to the focused button; it stays with the selected one,
    // even when the focus came by a press released elsewhere.
    QRadioButton::focusInEvent(event);
    for (OptionButton *b : group()) {
        if (b->isChecked())
            b->takeTabStop();
    }
}

void OptionButton::keyPressEvent(QKeyEvent *event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = 1;
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    QList<OptionButton *> shown = group();
    shown.removeIf([](OptionButton *b) { return b->isHidden() || !b->isEnabled(); });
    std::sort(shown.begin(), shown.end(),
              [](OptionButton *a, OptionButton *b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
    const qsizetype at = shown.indexOf(this);
    const qsizetype next = at + step;
    if (at >= 0 && next >= 0 && next < shown.size()) {
        OptionButton *target = shown.at(next);
        target->click();
        target->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }
    event->accept();
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

int OptionButton::captionRoom() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this).width();
}

} // namespace zomar
