#pragma once
#include "desktop/print/CalibrationDialog.h"

// The spacings between the sections of the VAT-R (with VAT-R/UE), VAT-Z and VAT-21 forms.
class Tf_zg_odsv : public CalibrationDialog {
    Q_OBJECT
public:
    explicit Tf_zg_odsv(QWidget* parent = nullptr);
};
