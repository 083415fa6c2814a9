#pragma once
#include "desktop/forms/frames/Tfr_adr.h"

class QGroupBox;
class QLineEdit;

// An address with an e-mail, framed by the group box `g_adr`.
class TFr_adr1 : public Tfr_adr {
    Q_OBJECT
public:
    explicit TFr_adr1(QWidget* parent);

    QGroupBox* g_adr;
    QLineEdit* z_email;

    BindingTable bindings(const Field& block, const Field& email) const;
};
