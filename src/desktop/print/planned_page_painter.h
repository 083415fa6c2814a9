#pragma once
#include "core/print/print_job.h"

class QPainter;

// Readies a painter in device pixels, its origin at the printable area's
// corner, for the data of a planned page: the plan's units (hundredths of a
// millimetre at the exact scale) and the 12-point printing font in them.
// The printer, the PDF file and the preview all go through here, so all
// three agree.
void setPlanUnits(QPainter& painter, const JobPlan& plan);

// setPlanUnits, then the page's data; the painter is left as it was.
void paintPlannedPage(QPainter& painter, const JobPlan& plan, const PlannedPage& page, ConstBytes record,
                      const PageRenderer& render);
