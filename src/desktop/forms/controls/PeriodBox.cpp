#include "desktop/forms/controls/PeriodBox.h"

#include "desktop/widgets/FocusMoves.h"
#include "desktop/widgets/ui_messages.h"
#include "desktop/forms/controls/FormControls.h"

#include <QComboBox>

namespace {
constexpr int kWidestPeriod = 2;
}

QComboBox* newPeriodBox(QWidget* parent, const char* name, int periods, const char* notAPeriod)
{
    QStringList numbers;
    for (int n = 1; n <= periods; ++n)
        numbers << QString::number(n);
    QComboBox* box = newCombo(parent, name, kWidestPeriod, numbers);
    box->setMaximumWidth(60);
    addLeaveCheck(box, [box, notAPeriod] {
        if (box->findText(box->currentText().trimmed()) >= 0)
            return true;
        UiMessages::current().inform(box->currentText().toStdString() + notAPeriod);
        return false;
    });
    return box;
}
