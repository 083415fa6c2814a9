#pragma once
#include "desktop/print/CalibrationDialog.h"

// The spacings between the sections of the NIP-1, NIP-2 and NIP-3 forms and their attachments.
class Tf_zg_ods : public CalibrationDialog {
    Q_OBJECT
public:
    explicit Tf_zg_ods(QWidget* parent = nullptr);
};
