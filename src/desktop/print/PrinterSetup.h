#pragma once
#include <QString>

class QPrinter;
class QWidget;

// The printer that print jobs go to and its set-up dialog. The print dialog
// reaches them only through here, so tests install a printer that writes a
// PDF file and answers the set-up dialog themselves.
class PrinterSetup {
public:
    virtual ~PrinterSetup() = default;

    // The current printer: jobs print on it.
    virtual QPrinter& printer() = 0;
    // Its name as the print dialog shows it.
    virtual QString printerName() const = 0;
    // Lets the operator choose and set up the printer; true when accepted.
    virtual bool runSetupDialog(QWidget* parent) = 0;
    // Asks what a job needs before its first page (the file that a PDF
    // printer writes); false when the operator cancelled.
    virtual bool readyToPrint(QWidget* parent) = 0;

    // The set-up in force: the system's printers unless a test installed another.
    static PrinterSetup& current();
    static void install(PrinterSetup* setup);
};
