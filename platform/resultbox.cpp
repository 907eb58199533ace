#include "platform/resultbox.h"

#include "platform/fonts.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace zomar {

namespace {
// QLineEdit keeps this many pixels free on each side of its text.
constexpr int lineEditMargin = 2;
} // namespace

ResultBox::ResultBox(QWidget *parent) : QLineEdit(parent)
{
    setReadOnly(true);
    connect(this, &QLineEdit::textChanged, this, &ResultBox::fitText);
}

int ResultBox::textRoom() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins m = textMargins();
    return r.width() - m.left() - m.right() - 2 * lineEditMargin;
}

bool ResultBox::textFits() const
{
    return fontMetrics().horizontalAdvance(text()) <= textRoom();
}

void ResultBox::fitText()
{
    if (m_fitting)
        return;
    m_fitting = true; // setFont() below comes back through changeEvent()
    const QFont fitting = condensedToFit(font(), text(), textRoom());
    if (fitting != font())
        setFont(fitting);
    setCursorPosition(0);
    m_fitting = false;
}

void ResultBox::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitText();
}

void ResultBox::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    fitText();
}

} // namespace zomar
