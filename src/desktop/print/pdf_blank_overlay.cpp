#include "desktop/print/pdf_blank_overlay.h"

#include "core/common/file_io.h"
#include "core/common/utf8_path.h"
#include "core/print/printer_device.h"

#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFMatrix.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

std::unique_ptr<QPDF> openPdf(const std::string& path)
{
    auto pdf = std::make_unique<QPDF>();
    pdf->setSuppressWarnings(true);
    pdf->processFile(path.c_str());
    return pdf;
}

// The form of a blank page, copied into the written file.
QPDFObjectHandle blankForm(QPDF& into, QPDF& blankFile, const PdfUnderlay& underlay)
{
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(blankFile).getAllPages();
    if (underlay.blank.pdfPage < 0 || static_cast<std::size_t>(underlay.blank.pdfPage) >= pages.size())
        throw PrinterError("W pliku \"" + underlay.blank.path + "\" brakuje strony "
                           + std::to_string(underlay.blank.pdfPage + 1) + ".");
    return into.copyForeignObject(pages[static_cast<std::size_t>(underlay.blank.pdfPage)].getFormXObjectForPage());
}

// The drawing that puts the form where the blank lies: the form's box, as
// its own matrix places it, stretched onto the placement.
std::string placing(QPDFObjectHandle form, const std::string& name, const RectMm& placement, double pageHeightPt)
{
    QPDFMatrix matrix;
    if (form.getDict().hasKey("/Matrix"))
        matrix = QPDFMatrix(form.getDict().getKey("/Matrix").getArrayAsMatrix());
    const QPDFObjectHandle::Rectangle box
        = matrix.transformRectangle(form.getDict().getKey("/BBox").getArrayAsRectangle());
    const double width = placement.width * kPointsPerMm;
    const double height = placement.height * kPointsPerMm;
    const double left = placement.x * kPointsPerMm;
    const double bottom = pageHeightPt - placement.y * kPointsPerMm - height;
    const double sx = width / (box.urx - box.llx);
    const double sy = height / (box.ury - box.lly);
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(6);
    out << std::fixed << "q " << sx << " 0 0 " << sy << " " << left - sx * box.llx << " " << bottom - sy * box.lly
        << " cm " << name << " Do Q\n";
    return out.str();
}

void layUnder(QPDF& into, QPDFPageObjectHelper& page, QPDFObjectHandle form, const RectMm& placement)
{
    QPDFObjectHandle resources = page.getAttribute("/Resources", true);
    if (!resources.isDictionary()) {
        resources = QPDFObjectHandle::newDictionary();
        page.getObjectHandle().replaceKey("/Resources", resources);
    }
    if (!resources.getKey("/XObject").isDictionary())
        resources.replaceKey("/XObject", QPDFObjectHandle::newDictionary());
    int suffix = 1;
    const std::string name = resources.getUniqueResourceName("/Blank", suffix);
    resources.getKey("/XObject").replaceKey(name, form);
    const QPDFObjectHandle::Rectangle media = page.getMediaBox().getArrayAsRectangle();
    page.addPageContents(QPDFObjectHandle::newStream(&into, placing(form, name, placement, media.ury - media.lly)),
                         true);
}

// The rewritten file takes the place, and the mode, of the one it replaces.
bool putInPlace(const std::string& rewritten, const std::string& path)
{
    try {
        copyFileMode(path, rewritten);
    } catch (const IoError&) {
        return false;
    }
    std::error_code error;
    std::filesystem::rename(utf8Path(rewritten), utf8Path(path), error);
    return !error;
}

void writeInPlace(QPDF& pdf, const std::string& path)
{
    const std::string rewritten = path + ".blanks";
    std::error_code ignored;
    try {
        QPDFWriter writer(pdf, rewritten.c_str());
        // Packed streams go out as they came; the blank pages' forms, which
        // qpdf makes unpacked, are packed quickly rather than tightly.
        writer.setDecodeLevel(qpdf_dl_none);
        Pl_Flate::setCompressionLevel(1);
        writer.write();
    } catch (...) {
        std::filesystem::remove(utf8Path(rewritten), ignored);
        throw;
    }
    if (!putInPlace(rewritten, path)) {
        std::filesystem::remove(utf8Path(rewritten), ignored);
        throw PrinterError("Nie można zapisać pliku " + path);
    }
}

} // namespace

void layPdfUnderlays(const std::string& pdfFile, const std::vector<PdfUnderlay>& underlays)
{
    if (underlays.empty())
        return;
    std::string reading = pdfFile;
    try {
        std::unique_ptr<QPDF> written = openPdf(pdfFile);
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(*written).getAllPages();
        // Each blank file is read once, and only for the pages it gives.
        std::map<std::string, std::unique_ptr<QPDF>> blankFiles;
        std::map<std::pair<std::string, int>, QPDFObjectHandle> forms;
        for (const PdfUnderlay& underlay : underlays) {
            if (underlay.pageIndex < 0 || static_cast<std::size_t>(underlay.pageIndex) >= pages.size())
                continue;
            reading = underlay.blank.path;
            std::unique_ptr<QPDF>& blankFile = blankFiles[underlay.blank.path];
            if (!blankFile)
                blankFile = openPdf(underlay.blank.path);
            QPDFObjectHandle& form = forms[{underlay.blank.path, underlay.blank.pdfPage}];
            if (!form.isInitialized())
                form = blankForm(*written, *blankFile, underlay);
            reading = pdfFile;
            layUnder(*written, pages[static_cast<std::size_t>(underlay.pageIndex)], form, underlay.placement);
        }
        writeInPlace(*written, pdfFile);
    } catch (const PrinterError&) {
        throw;
    } catch (const QPDFExc&) {
        throw PrinterError("Plik PDF \"" + reading + "\" jest uszkodzony lub niekompletny.");
    } catch (const std::exception& e) {
        throw PrinterError("Nie można połączyć druku formularza z plikiem " + pdfFile + ": " + e.what());
    }
}
