#include "desktop/forms/controls/DatePicker.h"

#include "core/common/clock.h"

#include <QDate>

DatePicker::DatePicker(QWidget* parent, const char* name) : QDateEdit(parent)
{
    setObjectName(name);
    setDisplayFormat("dd-MM-yyyy");
    setCalendarPopup(true);
    // The earliest day the platform's calendar control offers.
    setMinimumDate(QDate(1601, 1, 1));
    setToday();
}

void DatePicker::setToday() { setDate4(today()); }

bool DatePicker::setDate4(Date4 d)
{
    const QDate date(d.year, d.month, d.day);
    if (!date.isValid() || date < minimumDate() || date > maximumDate())
        return false;
    setDate(date);
    return true;
}

Date4 DatePicker::date4() const
{
    const QDate d = date();
    return Date4{static_cast<std::uint16_t>(d.year()), static_cast<std::uint8_t>(d.month()),
                 static_cast<std::uint8_t>(d.day())};
}
