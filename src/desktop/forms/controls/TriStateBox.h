#pragma once
#include <QCheckBox>

// A tick box with a third, greyed state for "not stated". Clicks go from
// cleared to ticked to greyed and back to cleared; a new box is greyed.
class TriStateBox : public QCheckBox {
    Q_OBJECT
public:
    TriStateBox(const QString& caption, QWidget* parent);

protected:
    void nextCheckState() override;
};
