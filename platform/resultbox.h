#pragma once

#include <QLineEdit>

class QAccessibleInterface;
class QMenu;

namespace zomar {

// A read-only text box for a result: its text can be selected and copied,
// not edited. A text wider than the box is set in a condensed face rather
// than cut off, since the box has a fixed size. A screen reader reads it
// whole, and Shift+F10 opens its context menu, which a reader follows.
class ResultBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit ResultBox(QWidget *parent = nullptr);

    // Whether the whole text shows at the current font.
    bool textFits() const;
    // Where the character at offset is drawn; null outside the text.
    QRect characterRect(int offset) const;
    // Whether the focus is coming or going: the selection that changes with
    // it (all of the text on Tab, none as the focus leaves) is Qt's, not
    // the user's.
    bool focusMoving() const { return m_focusMoving; }
    // QLineEdit's menu, with Qt's texts in Russian.
    QMenu *createStandardContextMenu();

Q_SIGNALS:
    // The standard context menu, before it shows: its owner may add items.
    void contextMenuOpening(QMenu *menu);

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void fitText();
    QRect textRect() const; // the room the text has

    bool m_fitting = false;
    bool m_focusMoving = false;
};

// What a screen reader is given for a result field: the whole text as one
// run, where each character is, and that it is read-only.
QAccessibleInterface *accessibleResultBox(ResultBox *box);

} // namespace zomar
