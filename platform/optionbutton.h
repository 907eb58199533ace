#pragma once

#include <QRadioButton>

namespace zomar {

// A radio button of an option group (the buttons of one parent widget). It
// is selected by a click anywhere on its rectangle, not only on its
// indicator and caption. The keyboard treats the group as one stop: Tab and
// Shift+Tab enter it on its selected button, and the arrow keys move the
// selection to the previous or next shown button (by position: top to
// bottom, left to right), not only the focus.
class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit OptionButton(const QString &text, QWidget *parent = nullptr);

    // The width its caption has beside the indicator.
    int captionRoom() const;

protected:
    bool hitButton(const QPoint &pos) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    QList<OptionButton *> group() const;
    void takeTabStop();
};

} // namespace zomar
