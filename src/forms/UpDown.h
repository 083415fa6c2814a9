#pragma once
#include <QWidget>

class MaskedEdit;
class QToolButton;

// A pair of small arrow buttons that steps a number within a range and
// writes it into the edit it is tied to.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, QWidget* parent);

    // The edit that shows the position; stepping starts from its number.
    void associate(MaskedEdit* edit);
    MaskedEdit* associate() const { return edit_; }

    int position() const { return position_; }
    // Kept within the range; the tied edit shows the new number.
    void setPosition(int value);

private:
    void step(int by);
    int minimum_;
    int maximum_;
    int position_;
    MaskedEdit* edit_ = nullptr;
};
