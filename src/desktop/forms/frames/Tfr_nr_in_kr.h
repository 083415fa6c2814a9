#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/frames/Tfr_zg_in_kr.h"

#include <QFrame>

class QGroupBox;
class QLabel;

// Identification numbers obtained abroad: two rows under a section heading.
class Tfr_nr_in_kr : public QFrame {
    Q_OBJECT
public:
    explicit Tfr_nr_in_kr(QWidget* parent);

    QGroupBox* g_nrinnek;
    QLabel* e_kom;
    Tfr_zg_in_kr* fr_zg_in_kr1;
    Tfr_zg_in_kr* fr_zg_in_kr2;

    BindingTable bindings(const ForeignIdFields& row1, const ForeignIdFields& row2) const;
};
