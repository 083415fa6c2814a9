#pragma once
#include "desktop/print/CalibrationDialog.h"

// The margins of the NIP-1, NIP-2 and NIP-3 pages and their attachments.
class Tf_zg_marg : public CalibrationDialog {
    Q_OBJECT
public:
    explicit Tf_zg_marg(QWidget* parent = nullptr);
};
