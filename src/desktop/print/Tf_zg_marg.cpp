#include "desktop/print/Tf_zg_marg.h"

Tf_zg_marg::Tf_zg_marg(QWidget* parent)
    : CalibrationDialog(Values::Margins, "Marginesy wydruku zgłoszeń NIP",
          {{{calibration::kNipMarginFiles[0], "g_nip1", "NIP-&1", "sg_nip1"},
              {calibration::kNipMarginFiles[1], "g_nip2", "NIP-&2", "sg_nip2"},
              {calibration::kNipMarginFiles[2], "G_nip3", "NIP-&3", "sg_nip3"}}},
          parent)
{
    setObjectName("f_zg_marg");
}
