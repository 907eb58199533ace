#pragma once

#include <QRadioButton>

namespace zomar {

// A radio button that is selected by a click anywhere on its rectangle, not
// only on its indicator and caption.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

    // The width its caption has beside the indicator.
    int captionRoom() const;

protected:
    bool hitButton(const QPoint &pos) const override;
};

} // namespace zomar
