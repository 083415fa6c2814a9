#pragma once
#include "desktop/print/PrinterSetup.h"

#include <QPrinter>

// The system's printers: the default printer, chosen and set up in Qt's
// print dialog. Without any printer installed, jobs go to a PDF file of
// whole A4 sheets, whose name is asked for at every job.
class QtPrinterSetup : public PrinterSetup {
public:
    QtPrinterSetup();

    QPrinter& printer() override { return printer_; }
    QString printerName() const override;
    bool runSetupDialog(QWidget* parent) override;
    bool readyToPrint(QWidget* parent) override;

    // What the print dialog calls the PDF printer.
    static const QString kPdfPrinterName;

private:
    QPrinter printer_{QPrinter::HighResolution};
};
