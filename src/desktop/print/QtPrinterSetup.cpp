#include "desktop/print/QtPrinterSetup.h"

#include "desktop/print/qt_printer_device.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinterInfo>

namespace {
// The resolution of the exporter: the same job gives the same pages.
constexpr int kPdfResolution = 1200;
} // namespace

const QString QtPrinterSetup::kPdfPrinterName = QStringLiteral("Plik PDF");

QtPrinterSetup::QtPrinterSetup()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        setUpPdfPrinter(printer_, QDir::home().filePath("wydruk.pdf"), kPdfResolution);
}

QString QtPrinterSetup::printerName() const
{
    return printer_.outputFormat() == QPrinter::PdfFormat ? kPdfPrinterName : printer_.printerName();
}

bool QtPrinterSetup::runSetupDialog(QWidget* parent)
{
    QPrintDialog dialog(&printer_, parent);
    dialog.setWindowTitle("Ustawienia drukarki");
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinterSetup::readyToPrint(QWidget* parent)
{
    if (printer_.outputFormat() != QPrinter::PdfFormat)
        return true;
    QFileDialog dialog(parent, "Zapisz wydruk do pliku PDF", printer_.outputFileName(), "Pliki PDF (*.pdf)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    printer_.setOutputFileName(dialog.selectedFiles().front());
    return true;
}
