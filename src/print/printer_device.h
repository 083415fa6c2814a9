#pragma once
#include "print/canvas.h"

#include <stdexcept>
#include <string>

// Where a print job sends its pages. Every page is a document of its own,
// so a printer ejects each sheet before the next one is asked for.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;

    // The printable area in device pixels.
    virtual int pageWidthPixels() const = 0;
    virtual int pageHeightPixels() const = 0;

    // The canvas of a new document (in the printing font) and its end. The
    // name is what printer queues and PDF files show for the document.
    virtual Canvas& beginDocument(const std::string& name) = 0;
    virtual void endDocument() = 0;
};

// A document the printing layer could not start (no printer, an output
// file that cannot be created).
class PrinterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
