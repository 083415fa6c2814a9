#pragma once
#include "core/common/date4.h"

#include <QDateEdit>

// A date chosen in a drop-down calendar or typed, shown "dd-mm-yyyy". A
// picker always holds a date: it starts at today's date (the program's
// clock), and a record date that does not exist leaves it where it is.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    DatePicker(QWidget* parent, const char* name);

    void setToday();
    // False, the picker unchanged, when the date does not exist.
    bool setDate4(Date4 date);
    Date4 date4() const;
};
