#pragma once
#include "core/print/blank_forms.h"

#include <QImage>
#include <QSizeF>

#include <memory>
#include <string>
#include <variant>

namespace Poppler {
class Document;
class Page;
}

// One blank form page opened for drawing: a page of a PDF (only that page
// is read, however large the file) or a scan, whose size is checked before
// it is decoded.
class BlankFormPage {
public:
    // The page, or the message naming the file when it cannot be used (a
    // damaged, encrypted or empty PDF, a PDF without that page, a file that
    // is no PDF, PNG or JPEG, an image of absurd size).
    static std::variant<BlankFormPage, std::string> open(const BlankSource& source);

    BlankFormPage(BlankFormPage&&) noexcept;
    BlankFormPage& operator=(BlankFormPage&&) noexcept;
    ~BlankFormPage();

    const BlankSource& source() const { return source_; }
    bool isPdf() const { return source_.pdfPage >= 0; }
    // A PDF page's own size; a scan is stretched to the sheet, so A4.
    QSizeF sizeMm() const { return sizeMm_; }
    // The page as an image of `pixelsPerMm` pixels to its millimetre: a PDF
    // page rendered (at most kMaxBlankDpi), a scan as it was decoded. A null
    // image when the page could not be rendered.
    QImage image(double pixelsPerMm) const;

private:
    BlankFormPage() = default;

    BlankSource source_;
    QSizeF sizeMm_;
    std::unique_ptr<Poppler::Document> document_;
    std::unique_ptr<Poppler::Page> page_;
    QImage scan_;
};

// The finest resolution a PDF blank is rendered at for a printer: finer
// than the printed lines need, and a 1200 dpi A4 page would take 560 MB.
inline constexpr double kMaxBlankDpi = 600.0;
