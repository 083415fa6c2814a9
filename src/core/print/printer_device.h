#pragma once
#include "core/print/canvas.h"

#include <stdexcept>
#include <string>

struct JobPlan;
struct PlannedPage;

// A printer's printable area in its device pixels and where it lies on the
// A4 sheet, at the printer's resolution.
struct PrintableArea {
    int widthPixels = 0;
    int heightPixels = 0;
    double dotsPerInch = 0.0;
    int leftPixels = 0; // from the sheet's top-left corner
    int topPixels = 0;
};

// Where a print job sends its pages. Every page is a document of its own,
// so a printer ejects each sheet before the next one is asked for.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;

    virtual PrintableArea printableArea() const = 0;

    // The canvas of a new document (in the printing font) and its end. The
    // name is what printer queues and PDF files show for the document. The
    // end is false when the printer could not complete the page.
    virtual Canvas& beginDocument(const std::string& name) = 0;
    [[nodiscard]] virtual bool endDocument() = 0;

    // Readies the open document for a planned page before its data is drawn
    // (the plan's units and font, the blank form under the data on plain
    // paper). A device that takes the canvas as it is needs nothing.
    virtual void preparePage(const JobPlan&, const PlannedPage&) { }
};

// A document the printing layer could not start (no printer, an output
// file that cannot be created) or a page it could not complete.
class PrinterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
