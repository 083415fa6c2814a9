#pragma once
#include "desktop/print/preview_source.h"
#include "core/print/print_job.h"

class QPrinter;

// The printer's printable area in its pixels, from the sheet's corner.
QRect printablePixels(const QPrinter& printer);
// A preview of the printer's sheet without sheets yet: its printable area
// and resolution.
PreviewSource emptyPreview(const QPrinter& printer);

// The preview of the print job that the printer would get: the ticked
// pages in the job's order, planned for the printer's printable area and
// resolution with the form's calibration files, each drawn as the job
// draws it, at the scale its options give. Throws the calibration files'
// IoError, as the job does. The preview keeps its own copy of the record.
PreviewSource jobPreview(FormKind kind, ConstBytes record, const BoxTicks& ticked, const QPrinter& printer,
                         const PrintOptions& options = {});
