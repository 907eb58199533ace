#include "resultbox.h"

#include "contextmenu.h"
#include "fonts.h"
#include "qttexts.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>

namespace zomar {

namespace {

// QLineEdit keeps this many pixels free on each side of its text.
constexpr int lineEditMargin = 2;

// Workaround "a11y-line-edit-runs" (docs/workarounds.md).
// A result field as a screen reader reads it: read-only text, one run of
// plain text over the whole of it. Qt's own interface for line edits
// reports an empty run at each character, and Orca, joining them, reads
// every value one character short.
class ResultBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ResultBoxAccessible(ResultBox *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = true;
        s.readOnly = true;
        s.selectableText = true;
        return s;
    }

    QString text(int startOffset, int endOffset) const override
    {
        return startOffset > endOffset ? QString() : box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        Q_UNUSED(offset);
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = *startOffset + int(box()->selectedText().size());
        }
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            box()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }
    QRect characterRect(int offset) const override
    {
        const QRect r = box()->characterRect(offset);
        return r.isNull() ? r : QRect(box()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override {} // the whole text always shows

private:
    ResultBox *box() const { return static_cast<ResultBox *>(widget()); }
};

} // namespace

QAccessibleInterface *accessibleResultBox(ResultBox *box)
{
    return new ResultBoxAccessible(box);
}

ResultBox::ResultBox(QWidget *parent) : QLineEdit(parent)
{
    setReadOnly(true);
    connect(this, &QLineEdit::textChanged, this, &ResultBox::fitText);
}

QRect ResultBox::textRect() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .marginsRemoved(textMargins())
        .adjusted(lineEditMargin, 0, -lineEditMargin, 0);
}

bool ResultBox::textFits() const
{
    return fontMetrics().horizontalAdvance(text()) <= textRect().width();
}

QRect ResultBox::characterRect(int offset) const
{
    // The text fits and starts at the left (fitText() sees to both).
    if (offset < 0 || offset >= text().size())
        return QRect();
    const QFontMetrics metrics = fontMetrics();
    const QRect room = textRect();
    const int x = room.left() + metrics.horizontalAdvance(text().left(offset));
    const int y = room.top() + (room.height() - metrics.height()) / 2;
    return QRect(x, y, metrics.horizontalAdvance(text().at(offset)), metrics.height());
}

void ResultBox::fitText()
{
    if (m_fitting)
        return;
    m_fitting = true; // setFont() below comes back through changeEvent()
    const QFont fitting = condensedToFit(font(), text(), textRect().width());
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

void ResultBox::keyPressEvent(QKeyEvent *event)
{
    if (!openContextMenuByKey(this, event, cursorRect().center()))
        QLineEdit::keyPressEvent(event);
}

void ResultBox::focusInEvent(QFocusEvent *event)
{
    const QScopedValueRollback moving(m_focusMoving, true);
    QLineEdit::focusInEvent(event);
}

void ResultBox::focusOutEvent(QFocusEvent *event)
{
    const QScopedValueRollback moving(m_focusMoving, true);
    QLineEdit::focusOutEvent(event);
}

QMenu *ResultBox::createStandardContextMenu()
{
    useRussianQtTexts();
    return QLineEdit::createStandardContextMenu();
}

void ResultBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    Q_EMIT contextMenuOpening(menu);
    popUpContextMenu(menu, event);
}

} // namespace zomar
