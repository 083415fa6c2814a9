#include "print/blank_form_scan.h"

#include "print/blank_form_names.h"

#include <QFile>
#include <QImageReader>

#include <filesystem>
#include <memory>

#ifdef ZG_HAVE_POPPLER
#include <poppler-qt6.h>
#endif

namespace {

// A PDF page is rendered finely enough for the largest zoom of the preview.
constexpr double kPdfScanDpi = 200.0;

bool isPdf(const std::string& path)
{
    return QString::fromStdString(path).endsWith(".pdf", Qt::CaseInsensitive);
}

QImage pdfFirstPage([[maybe_unused]] const QString& path)
{
#ifdef ZG_HAVE_POPPLER
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(path);
    if (!document || document->isLocked() || document->numPages() < 1)
        return {};
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    const std::unique_ptr<Poppler::Page> page = document->page(0);
    return page ? page->renderToImage(kPdfScanDpi, kPdfScanDpi) : QImage();
#else
    return {};
#endif
}

} // namespace

std::string blankFormScanPath(std::string_view label)
{
    std::error_code ignored;
    for (const std::string& path : blankFormCandidates(label))
        if (std::filesystem::is_regular_file(path, ignored))
            return path;
    return {};
}

QImage loadBlankFormScan(const std::string& path)
{
    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    QImage scan;
    if (isPdf(path)) {
        scan = pdfFirstPage(name);
    } else {
        QImageReader reader(name);
        reader.setAutoTransform(true); // a photo taken sideways still stands upright
        scan = reader.read();
    }
    return scan.isNull() ? scan : scan.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
