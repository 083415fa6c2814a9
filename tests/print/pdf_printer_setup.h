#pragma once
#include "desktop/print/PrinterSetup.h"
#include "desktop/print/qt_printer_device.h"

#include <QPrinter>

// The printer of the dialog tests: a PDF file of whole A4 sheets. The set-up
// dialog and the question before a job answer as the test says.
class PdfPrinterSetup : public PrinterSetup {
public:
    explicit PdfPrinterSetup(const QString& file, int dpi) { setUpPdfPrinter(printer_, file, dpi); }

    QPrinter& printer() override { return printer_; }
    QString printerName() const override { return name; }
    bool runSetupDialog(QWidget*) override
    {
        if (setupAccepted)
            name = chosenName;
        return setupAccepted;
    }
    bool readyToPrint(QWidget*) override { return ready; }

    QString name = "Drukarka testowa";
    QString chosenName;
    bool setupAccepted = false;
    bool ready = true;

private:
    QPrinter printer_{QPrinter::HighResolution};
};
