#pragma once
#include "core/print/print_job.h"

class QString;

// How the operator prints on each printer, kept in the program's settings
// under the printer's name: on plain paper or over pre-printed sheets, and
// whether sheets get the exact scale. A printer never chosen before prints
// over sheets at the form scale, as existing calibrations expect.
PrintOptions rememberedPrintOptions(const QString& printerName);
void rememberPrintOptions(const QString& printerName, const PrintOptions& options);
