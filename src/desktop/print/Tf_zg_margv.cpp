#include "desktop/print/Tf_zg_margv.h"

Tf_zg_margv::Tf_zg_margv(QWidget* parent)
    : CalibrationDialog(Values::Margins, "Marginesy wydruku zgłoszeń VAT",
          {{{calibration::kVatMarginFiles[0], "G_vatr", "VAT-&R", "sg_vatr"},
              {calibration::kVatMarginFiles[1], "G_vatz", "VAT-&Z", "sg_vatz"},
              {calibration::kVatMarginFiles[2], "g_vat21", "VAT-&21", "sg_vat21"}}},
          parent)
{
    setObjectName("f_zg_margv");
}
