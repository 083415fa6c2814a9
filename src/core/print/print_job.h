#pragma once
#include "core/common/messages.h"
#include "core/common/record_access.h"
#include "core/print/page_writer.h"
#include "core/print/print_forms.h"
#include "core/print/calibration_files.h"
#include "core/print/printer_device.h"

#include <functional>
#include <string>
#include <vector>

// How the print dialog follows a job: begin() once before the first prompt
// (the dialog lets pending events run and resets its bar to the maximum),
// then pageStarted() for every page about to print (step, label, repaint).
class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    virtual void begin(int maximum) = 0;
    virtual void pageStarted(const std::string& label) = 0;
};

// Draws one page; production code passes renderPage (print/page_layouts.h).
using PageRenderer = std::function<void(PageId page, PageWriter& writer, ConstBytes record, int sheet)>;

// How a job prints. Over pre-printed sheets the operator inserts each sheet
// when asked; on plain paper nothing is asked and each page gets its blank
// form under the data, at the exact scale.
struct PrintOptions {
    bool plainPaper = false;
    // True millimetres; else the form scale, whole pixels per millimetre of
    // the printable area, which the calibrations of pre-printed sheets were
    // made with.
    bool exactScale = false;
    bool exact() const { return plainPaper || exactScale; }
    bool operator==(const PrintOptions&) const = default;
};

struct PrintSeams {
    PrinterDevice& printer;
    Messenger& messages; // the page prompts
    PageRenderer render;
    PrintProgress* progress = nullptr;
    PrintOptions options{};
};

// The farthest a calibrated margin or spacing reaches, in pixels (hundreds
// of metres off any sheet): a calibration beyond it is cut to it.
inline constexpr int kCalibratedPixelLimit = 1 << 24;

// Pixels per millimetre of an A4 sheet whose printable area is this size.
int scaleY(int heightPixels);
int scaleX(int widthPixels);

// What a job draws, worked out before any page: the scale of the printable
// area, the calibration in pixels and the pages in the order they print.
// The print job, the preview and the calibration test sheet all draw from it,
// so what the operator sees is what the printer gets.
struct PlannedPage {
    JobPage job;
    std::string label;        // "NIP-1 1/4"
    std::string documentName; // "NIP-1 014 1/4"
    int originX = 0;          // the page's calibrated margins, in pixels
    int topY = 0;
};
// At the exact scale a job plans in hundredths of a millimetre, so that the
// layouts' whole-number steps stay exact (8.3 mm is 830 units), and the
// painter maps them to the device's pixels.
inline constexpr int kExactUnitsPerMm = 100;

struct JobPlan {
    int scaleX = 0; // units per millimetre: device pixels at the form scale
    int scaleY = 0;
    calibration::SpacingTable spacing{}; // in units
    std::vector<PlannedPage> pages;
    PrintOptions options{};
    PrintableArea area{};
    // What one unit is on the device: 1 at the form scale.
    double devicePixelsPerUnit() const;
};

// The plan for a printable area of the given size, with margins and
// spacings in millimetres (as the calibration files or dialogs hold them).
JobPlan planPrintJob(FormKind kind, ConstBytes record, const BoxTicks& ticked, int pageWidthPixels,
                     int pageHeightPixels, const calibration::MarginTable& margins,
                     const calibration::SpacingTable& spacings);
// The same with the form's calibration files; throws their IoError.
JobPlan planPrintJob(FormKind kind, ConstBytes record, const BoxTicks& ticked, int pageWidthPixels,
                     int pageHeightPixels);
// The plan of a job with its options on a printer's printable area.
JobPlan planPrintJob(FormKind kind, ConstBytes record, const BoxTicks& ticked, const PrintableArea& area,
                     const PrintOptions& options, const calibration::MarginTable& margins,
                     const calibration::SpacingTable& spacings);
JobPlan planPrintJob(FormKind kind, ConstBytes record, const BoxTicks& ticked, const PrintableArea& area,
                     const PrintOptions& options);

// Draws one planned page onto a canvas whose origin is the printable area's.
void drawPlannedPage(const JobPlan& plan, const PlannedPage& page, Canvas& canvas, ConstBytes record,
                     const PageRenderer& render);

// Prints the ticked pages of the record, each after its prompt "Włóż druk "
// + page label (none on plain paper); a cancelled prompt skips only its
// page. The device readies each page (preparePage) before its data. The
// form's margin and spacing files are read first: an IoError from them ends
// the job before any page. A page the printer could not complete ends the
// job with a PrinterError naming it. Returns the number of pages printed.
int runPrintJob(FormKind kind, ConstBytes record, const BoxTicks& ticked, const PrintSeams& seams);
