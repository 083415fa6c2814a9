#pragma once
#include "common/messages.h"
#include "common/record_access.h"
#include "print/page_writer.h"
#include "print/print_forms.h"
#include "print/printer_device.h"

#include <functional>
#include <string>

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

struct PrintSeams {
    PrinterDevice& printer;
    Messenger& messages; // the page prompts
    PageRenderer render;
    PrintProgress* progress = nullptr;
};

// The farthest a calibrated margin or spacing reaches, in pixels (hundreds
// of metres off any sheet): a calibration beyond it is cut to it.
inline constexpr int kCalibratedPixelLimit = 1 << 24;

// Pixels per millimetre of an A4 sheet whose printable area is this size.
int scaleY(int heightPixels);
int scaleX(int widthPixels);

// Prints the ticked pages of the record, each after its prompt "Włóż druk "
// + page label; a cancelled prompt skips only its page. The form's margin
// and spacing files are read first: an IoError from them ends the job
// before any page. Returns the number of pages printed.
int runPrintJob(FormKind kind, ConstBytes record, const BoxTicks& ticked, const PrintSeams& seams);
