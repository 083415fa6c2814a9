#pragma once
#include <QWidget>

class MaskedEdit;
class QToolButton;

// A pair of small arrow buttons that steps a number and writes it into the
// edit it is tied to. The range bounds the buttons only: a number set by the
// program stands as it is, and the buttons never take a number further
// outside the range.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, QWidget* parent);

    // The edit that shows the position; stepping starts from its number.
    void associate(MaskedEdit* edit);
    MaskedEdit* associate() const { return edit_; }

    int position() const { return position_; }
    // The tied edit shows the number, whatever the range.
    void setPosition(int value);

private:
    void step(int by);
    int minimum_;
    int maximum_;
    int position_;
    MaskedEdit* edit_ = nullptr;
};
