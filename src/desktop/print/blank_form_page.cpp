#include "desktop/print/blank_form_page.h"

#include "core/print/a4_sheet.h"

#include <QFile>
#include <QImageReader>

#include <poppler-qt6.h>

#include <algorithm>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerInch = 72.0;
// A scan of A4 at 600 dpi has 35 million pixels; one past this is no scan
// of a form but a file that would take gigabytes to decode.
constexpr qint64 kMaxScanPixels = 60'000'000;
// Every PDF ends with this mark within its last kilobyte; a file cut short
// does not.
constexpr qint64 kEndMarkWithin = 1024;

// The program's names are UTF-8 on every platform (QFile::decodeName would
// take Windows' ANSI code page).
QString fileName(const std::string& path) { return QString::fromStdString(path); }

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

bool hasPdfHeader(QFile& file) { return file.read(kEndMarkWithin).contains("%PDF-"); }

bool hasPdfEnd(QFile& file)
{
    file.seek(std::max<qint64>(0, file.size() - kEndMarkWithin));
    return file.read(kEndMarkWithin).contains("%%EOF");
}

const char* const kNotUsable = ": nie można go użyć jako druku formularza.";

std::string wrongKind(const std::string& path)
{
    return "Plik " + quoted(path) + " nie jest plikiem PDF, PNG ani JPEG" + kNotUsable;
}

std::string damaged(const std::string& path)
{
    return "Plik PDF " + quoted(path) + " jest uszkodzony lub niekompletny" + kNotUsable;
}

std::string damagedImage(const std::string& path)
{
    return "Nie można odczytać obrazu " + quoted(path) + ": plik jest uszkodzony.";
}

// The pages of a whole-form PDF that it lacks: "3/4, 4/4".
std::string missingPages(int pagesInFile, int formPages)
{
    std::string list;
    for (int page = pagesInFile + 1; page <= formPages; ++page)
        list += (list.empty() ? "" : ", ") + std::to_string(page) + "/" + std::to_string(formPages);
    return list;
}

} // namespace

BlankFormPage::BlankFormPage(BlankFormPage&&) noexcept = default;
BlankFormPage& BlankFormPage::operator=(BlankFormPage&&) noexcept = default;
BlankFormPage::~BlankFormPage() = default;

std::variant<BlankFormPage, std::string> BlankFormPage::open(const BlankSource& source)
{
    const std::string& path = source.path;
    QFile file(fileName(path));
    if (!file.open(QIODevice::ReadOnly))
        return "Nie można odczytać pliku " + quoted(path) + " z drukiem formularza.";
    BlankFormPage blank;
    blank.source_ = source;
    const bool pdf = hasPdfHeader(file);
    if (source.pdfPage >= 0 || pdf) {
        if (!pdf)
            return wrongKind(path);
        if (!hasPdfEnd(file))
            return damaged(path);
        file.close();
        blank.source_.pdfPage = std::max(source.pdfPage, 0);
        blank.document_ = Poppler::Document::load(fileName(path));
        if (!blank.document_)
            return damaged(path);
        if (blank.document_->isLocked())
            return "Plik PDF " + quoted(path) + " jest zabezpieczony hasłem" + kNotUsable;
        const int pages = blank.document_->numPages();
        if (pages < 1)
            return "Plik PDF " + quoted(path) + " nie ma żadnej strony" + kNotUsable;
        if (blank.source_.pdfPage >= pages)
            return "W pliku " + quoted(path) + " brakuje stron formularza " + missingPages(pages, source.formPages)
                + ": drukują się bez druku formularza.";
        blank.page_ = blank.document_->page(blank.source_.pdfPage);
        if (!blank.page_)
            return damaged(path);
        blank.document_->setRenderHint(Poppler::Document::Antialiasing);
        blank.document_->setRenderHint(Poppler::Document::TextAntialiasing);
        blank.sizeMm_ = blank.page_->pageSizeF() * (kMmPerInch / kPointsPerInch);
        return blank;
    }
    file.close();
    QImageReader reader(fileName(path));
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg")
        return wrongKind(path);
    const QSize size = reader.size();
    if (!size.isValid())
        return damagedImage(path);
    if (qint64(size.width()) * size.height() > kMaxScanPixels)
        return "Obraz " + quoted(path) + " jest za duży (" + std::to_string(size.width()) + " × "
            + std::to_string(size.height()) + " punktów): druk formularza może mieć najwyżej 60 milionów punktów.";
    reader.setAutoTransform(true); // a photo taken sideways still stands upright
    blank.scan_ = reader.read();
    if (blank.scan_.isNull())
        return damagedImage(path);
    blank.sizeMm_ = QSizeF(kA4WidthMm, kA4HeightMm);
    return blank;
}

QImage BlankFormPage::image(double pixelsPerMm) const
{
    if (!page_)
        return scan_;
    const double dpi = std::min(pixelsPerMm * kMmPerInch, kMaxBlankDpi);
    return page_->renderToImage(dpi, dpi);
}
