#pragma once

class QComboBox;
class QWidget;

// A drop-down of the period numbers "1" to `periods` (months or quarters)
// that also takes typed text. Leaving it with a text that is none of its
// numbers shows that text followed by `notAPeriod` and keeps the focus
// there.
QComboBox* newPeriodBox(QWidget* parent, const char* name, int periods, const char* notAPeriod);
