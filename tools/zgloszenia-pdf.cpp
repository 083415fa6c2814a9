// zgloszenia-pdf FORM ACCOUNT OUTPUT.pdf [--pages LIST] [--resolution DPI] [--with-form]
// Prints a stored form of the data directory (the working directory) into
// a PDF file, one page per printed sheet, as the print dialog would print
// it with every prompt answered OK; with --with-form as it prints on plain
// paper, each page's blank form from the druki folder under the data.
// Needs no display. The output is written whole or not at all, and never
// over one of the data files.
#include "console_arguments.h"
#include "exporter_arguments.h"

#include "core/common/account.h"
#include "core/common/io_error.h"
#include "desktop/print/blank_form_set.h"
#include "desktop/print/blank_underlay.h"
#include "core/print/page_layouts.h"
#include "core/print/pdf_output.h"
#include "core/print/print_job.h"
#include "desktop/print/qt_printer_device.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QString>

#include <iostream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace {

// Qt's own notices about the environment are not the exporter's to tell.
void onlyQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << "\n";
}

int fail(const Failure& failure)
{
    std::cerr << failure.message << (failure.message.ends_with('\n') ? "" : "\n");
    return failure.code;
}

// What the blanks have to say goes to the standard error; nobody is asked.
class ErrorStreamMessages : public Messenger {
public:
    void inform(const std::string& text) override { std::cerr << text << "\n"; }
    bool confirm(const std::string& text, const std::string&) override
    {
        inform(text);
        return true;
    }
};

void tellPagesWithoutBlank(BlankFormSet& blanks, FormKind kind, ConstBytes record, const BoxTicks& ticked)
{
    std::vector<std::string> labels;
    for (const JobPage& page : pagesToPrint(kind, record, ticked))
        labels.emplace_back(printedPage(page.page).label);
    std::string list;
    for (const std::string& label : blanks.pagesWithoutBlank(labels))
        list += (list.empty() ? "" : ", ") + label;
    if (!list.empty())
        std::cerr << "Brak druku formularza dla stron: " << list << ". Drukują się same dane.\n";
}

int exportPdf(const ExporterOptions& options, int argc, char* argv[])
{
    if (isDataFile(options.output))
        return fail({UsageError, "Plik wynikowy nie może być zbiorem danych: " + options.output});
    const PrintForm& form = printForm(options.kind);
    std::optional<std::vector<std::uint8_t>> record;
    try {
        record = storedRecord(form, AccountToInt(options.account));
    } catch (const IoError& e) {
        return fail({InputOutputError, std::string("Błąd we/wy: ") + e.what()});
    }
    if (!record)
        return fail({NoSuchRecord, "Brak formularza " + options.formName + " o numerze konta " + options.account});

    const std::variant<BoxTicks, Failure> ticked = ticksFor(options, *record);
    if (const Failure* f = std::get_if<Failure>(&ticked))
        return fail(*f);

    // No display is needed, whichever platform the environment names.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(onlyQtErrors);
    QGuiApplication app(argc, argv);
    std::optional<PdfOutput> output;
    try {
        output.emplace(options.output);
    } catch (const IoError& e) {
        return fail({InputOutputError, std::string("Nie można zapisać pliku PDF: ") + e.what()});
    }
    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, QString::fromStdString(output->temporaryName()), options.resolution);
    QtPrinterDevice device(printer);
    ErrorStreamMessages toStandardError;
    BlankFormSet blanks(toStandardError);
    BlankUnderlay underlay(blanks, true);
    const PrintOptions printOptions{options.withForm, options.withForm};
    if (options.withForm) {
        tellPagesWithoutBlank(blanks, options.kind, *record, std::get<BoxTicks>(ticked));
        device.setBlanks(&underlay);
    }
    CollectingMessenger everyPromptOk(true);
    bool painted = false;
    const PageRenderer render = [&painted](PageId page, PageWriter& writer, ConstBytes stored, int sheet) {
        painted = true;
        renderPage(page, writer, stored, sheet);
    };
    try {
        runPrintJob(options.kind, *record, std::get<BoxTicks>(ticked),
                    {device, everyPromptOk, render, nullptr, printOptions});
    } catch (const IoError& e) {
        return fail({InputOutputError, std::string("Błąd we/wy plików marginesów i odstępów: ") + e.what()});
    } catch (const PrinterError& e) {
        return fail({InputOutputError, e.what()});
    }
    try {
        if (!device.finish())
            throw IoError(IoError::DeviceFailure, options.output);
        if (painted) {
            underlay.layUnderPdf(output->temporaryName());
            output->commit();
        }
    } catch (const IoError& e) {
        return fail({InputOutputError, std::string("Nie można zapisać pliku PDF: ") + e.what()});
    } catch (const PrinterError& e) {
        return fail({InputOutputError, e.what()});
    }
    return Success;
}

} // namespace

int main(int argc, char* argv[])
{
    const ConsoleArguments arguments(argc, argv);
    const std::variant<ExporterOptions, Failure> parsed = parseArguments(arguments.count(), arguments.values());
    if (const Failure* f = std::get_if<Failure>(&parsed))
        return fail(*f);
    return exportPdf(std::get<ExporterOptions>(parsed), argc, argv);
}
