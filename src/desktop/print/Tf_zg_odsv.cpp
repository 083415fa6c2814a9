#include "desktop/print/Tf_zg_odsv.h"

Tf_zg_odsv::Tf_zg_odsv(QWidget* parent)
    : CalibrationDialog(Values::Spacings, "Odległości między częściami formularzy VAT",
          {{{calibration::kVatSpacingFiles[0], "g_vatr", "VAT-&R", "sg_vatr"},
              {calibration::kVatSpacingFiles[1], "g_vatz", "VAT-&Z", "sg_vatz"},
              {calibration::kVatSpacingFiles[2], "g_vat21", "VAT-&21", "sg_vat21"}}},
          parent)
{
    setObjectName("f_zg_odsv");
}
