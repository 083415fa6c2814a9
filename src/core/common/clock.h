#pragma once
#include "core/common/date4.h"

#include <functional>

// Today's date, injectable so that tests do not depend on the calendar.
Date4 today();
// Replaces the source of today's date; an empty function restores the system clock.
void setTodayProvider(std::function<Date4()> provider);
