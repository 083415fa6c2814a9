#pragma once
#include "desktop/print/CalibrationDialog.h"

// The margins of the VAT-R (with VAT-R/UE), VAT-Z and VAT-21 pages.
class Tf_zg_margv : public CalibrationDialog {
    Q_OBJECT
public:
    explicit Tf_zg_margv(QWidget* parent = nullptr);
};
