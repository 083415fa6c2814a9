#pragma once
#include "desktop/print/painter_canvas.h"
#include "core/print/printer_device.h"

#include <QPainter>

#include <optional>

class BlankUnderlay;
class QPrinter;
class QString;

// The printer device over a QPrinter, drawing in the printing font. On a
// printer every page is a document (a print job) of its own. When the
// printer writes a PDF file, the pages are collected as the pages of one
// file instead, so that a job gives one PDF page per printed sheet; the
// file is complete after finish() (or the device's end).
class QtPrinterDevice : public PrinterDevice {
public:
    explicit QtPrinterDevice(QPrinter& printer);
    ~QtPrinterDevice() override;
    QtPrinterDevice(const QtPrinterDevice&) = delete;
    QtPrinterDevice& operator=(const QtPrinterDevice&) = delete;

    PrintableArea printableArea() const override;
    // Throws PrinterError when the printer or the file cannot be opened.
    Canvas& beginDocument(const std::string& name) override;
    bool endDocument() override;
    // The plan's units and font; on plain paper the blank under the data.
    void preparePage(const JobPlan& plan, const PlannedPage& page) override;

    // The blanks of a plain-paper job; none: the data alone.
    void setBlanks(BlankUnderlay* blanks) { blanks_ = blanks; }

    // Ends the document still open (the PDF file of a job); false when it
    // could not be completed.
    bool finish();

    // The painter of the open document, for drawing more than texts.
    QPainter& painter() { return painter_; }

private:
    bool collectsPages() const;

    QPrinter& printer_;
    QPainter painter_;
    std::optional<PainterCanvas> canvas_;
    BlankUnderlay* blanks_ = nullptr;
    int pagesBegun_ = 0;
};

// The printer's printable area and resolution.
PrintableArea printableAreaOf(const QPrinter& printer);

// Sets a printer up to write a PDF file of whole A4 sheets (no margins) at
// `dpi` pixels per inch: its printable area is the full 210 x 297 mm.
void setUpPdfPrinter(QPrinter& printer, const QString& fileName, int dpi);
