#include "desktop/print/qt_printer_device.h"

#include "desktop/print/blank_underlay.h"
#include "desktop/print/planned_page_painter.h"
#include "desktop/print/print_font.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

QtPrinterDevice::QtPrinterDevice(QPrinter& printer) : printer_(printer) { }

QtPrinterDevice::~QtPrinterDevice() { finish(); }

PrintableArea printableAreaOf(const QPrinter& printer)
{
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    return {area.width(), area.height(), double(printer.resolution()), area.left(), area.top()};
}

PrintableArea QtPrinterDevice::printableArea() const { return printableAreaOf(printer_); }

void QtPrinterDevice::preparePage(const JobPlan& plan, const PlannedPage& page)
{
    // The pages of a PDF file share one painter: each starts in device pixels.
    painter_.resetTransform();
    if (blanks_)
        blanks_->drawUnder(painter_, plan.area, page.label, pagesBegun_ - 1);
    setPlanUnits(painter_, plan);
}

bool QtPrinterDevice::collectsPages() const { return printer_.outputFormat() == QPrinter::PdfFormat; }

Canvas& QtPrinterDevice::beginDocument(const std::string& name)
{
    ++pagesBegun_;
    if (painter_.isActive()) {
        if (!printer_.newPage())
            throw PrinterError("Nie można dodać strony do pliku " + printer_.outputFileName().toStdString());
        return *canvas_;
    }
    printer_.setDocName(QString::fromStdString(name));
    if (!painter_.begin(&printer_)) {
        if (collectsPages())
            throw PrinterError("Nie można utworzyć pliku " + printer_.outputFileName().toStdString());
        throw PrinterError("Nie można rozpocząć wydruku na drukarce " + printer_.printerName().toStdString());
    }
    painter_.setFont(printFont());
    canvas_.emplace(painter_);
    return *canvas_;
}

bool QtPrinterDevice::endDocument() { return collectsPages() || finish(); }

bool QtPrinterDevice::finish()
{
    canvas_.reset();
    return !painter_.isActive() || painter_.end();
}

void setUpPdfPrinter(QPrinter& printer, const QString& fileName, int dpi)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setResolution(dpi);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    printer.setFullPage(true);
}
