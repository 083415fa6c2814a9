#include "desktop/print/printer_output.h"

#include "desktop/widgets/ui_messages.h"
#include "desktop/print/PrinterSetup.h"
#include "desktop/print/blank_underlay.h"
#include "core/print/pdf_output.h"
#include "desktop/print/qt_printer_device.h"

#include <QPrinter>
#include <QScopeGuard>

#include <optional>

bool printOnChosenPrinter(const std::function<bool(QtPrinterDevice&)>& job, BlankFormSet* blanks)
{
    QPrinter& printer = PrinterSetup::current().printer();
    const QString outputName = printer.outputFileName();
    std::optional<PdfOutput> pdf;
    if (printer.outputFormat() == QPrinter::PdfFormat && !outputName.isEmpty()) {
        pdf.emplace(outputName.toStdString()); // UTF-8, the file layer's names
        printer.setOutputFileName(QString::fromStdString(pdf->temporaryName()));
    }
    const auto keepOutputName = qScopeGuard([&] {
        if (pdf)
            printer.setOutputFileName(outputName);
    });
    std::optional<BlankUnderlay> underlay;
    if (blanks)
        underlay.emplace(*blanks, pdf.has_value());
    QtPrinterDevice device(printer);
    device.setBlanks(underlay ? &*underlay : nullptr);
    bool drawn = false;
    try {
        drawn = job(device);
    } catch (const PrinterError& e) {
        UiMessages::current().inform(e.what());
        return false;
    }
    if (!device.finish()) {
        UiMessages::current().inform("Nie można zakończyć wydruku na drukarce "
                                     + PrinterSetup::current().printerName().toStdString());
        return false;
    }
    if (pdf && drawn) {
        try {
            if (underlay)
                underlay->layUnderPdf(pdf->temporaryName());
        } catch (const PrinterError& e) {
            UiMessages::current().inform(e.what());
            return false;
        }
        pdf->commit();
    }
    return true;
}
