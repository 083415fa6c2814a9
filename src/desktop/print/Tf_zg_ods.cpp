#include "desktop/print/Tf_zg_ods.h"

Tf_zg_ods::Tf_zg_ods(QWidget* parent)
    : CalibrationDialog(Values::Spacings, "Odległości między częściami formularzy NIP",
          {{{calibration::kNipSpacingFiles[0], "g_nip1", "NIP-&1", "sg_nip1"},
              {calibration::kNipSpacingFiles[1], "g_nip2", "NIP-&2", "sg_nip2"},
              {calibration::kNipSpacingFiles[2], "g_nip3", "NIP-&3", "sg_nip3"}}},
          parent)
{
    setObjectName("f_zg_ods");
}
