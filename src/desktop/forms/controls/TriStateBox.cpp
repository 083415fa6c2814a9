#include "desktop/forms/controls/TriStateBox.h"

TriStateBox::TriStateBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent)
{
    setTristate(true);
    setCheckState(Qt::PartiallyChecked);
}

void TriStateBox::nextCheckState()
{
    switch (checkState()) {
    case Qt::Unchecked:
        setCheckState(Qt::Checked);
        break;
    case Qt::Checked:
        setCheckState(Qt::PartiallyChecked);
        break;
    case Qt::PartiallyChecked:
        setCheckState(Qt::Unchecked);
        break;
    }
}
