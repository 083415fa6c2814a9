#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/frames/EntryFrame.h"

class Memo;
class QLabel;
class QLineEdit;

// The kind of business: a description of up to three lines of 30 characters
// and two codes.
class Tfr_dzial : public EntryFrame {
    Q_OBJECT
public:
    explicit Tfr_dzial(QWidget* parent);

    QLabel* e_dzial;
    Memo* m_dzial;
    QLabel* e_maks; // hint on the memo's limit, shown when an editor gives one
    QLineEdit* z_pkd;
    QLineEdit* z_ekd;

    // A hint on the memo's limit shown below it.
    void setMemoHint(const QString& hint);

    // `lines` is the repeated field of the description lines: the memo's
    // first lines are stored, each cut to the line width; further ones are
    // dropped.
    BindingTable bindings(const Field& lines, const Field& pkd, const Field& ekd) const;
};
