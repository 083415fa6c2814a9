#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/frames/EntryFrame.h"

#include <functional>

class DatePicker;
class QComboBox;
class QLabel;

// One member state of a VAT-21 notice, row k of its list (named
// "fr_wyb_kr" + k): the country and four dates, of which the notice's
// purpose shows either the planned first supply (a choice of the place of
// taxation) or the three dates of a resignation.
class Tfr_wyb_kr : public EntryFrame {
    Q_OBJECT
public:
    Tfr_wyb_kr(QWidget* parent, int row);

    QLabel* e_lp;
    QComboBox* c_kraj;
    DatePicker* dt_pld;
    DatePicker* dt_dost;
    DatePicker* dt_zgl;
    DatePicker* dt_dost_po_rez;

    // Only a row that names a country is kept in the record.
    bool inUse() const;
    // The row bound to its country entry. A date is loaded only for a named
    // country, and stored only for a named country while `resigning` says
    // it belongs to the purpose; otherwise it is stored as zero.
    BindingTable bindings(const Field& entry, const std::function<bool()>& resigning) const;
    void showDatesFor(bool resigning);

    // The column captions over a list of rows, each as wide as its column.
    static QWidget* newHeader(QWidget* parent);
};
