#include "desktop/print/blank_underlay.h"

#include "desktop/print/blank_form_set.h"

#include <QPainter>

namespace {
constexpr double kMmPerInch = 25.4;
}

BlankUnderlay::BlankUnderlay(BlankFormSet& blanks, bool intoPdfFile) : blanks_(blanks), intoPdfFile_(intoPdfFile) { }

void BlankUnderlay::drawUnder(QPainter& painter, const PrintableArea& area, std::string_view label, int pageIndex)
{
    const BlankFormPage* blank = blanks_.page(label);
    if (!blank)
        return;
    const BlankAlignment& alignment = blanks_.alignment(label);
    if (intoPdfFile_ && blank->isPdf()) {
        kept_.push_back(
            {pageIndex, blank->source(), blankPlacement(blank->sizeMm().width(), blank->sizeMm().height(), alignment)});
        return;
    }
    const double pixelsPerMm = area.dotsPerInch / kMmPerInch;
    const QRectF sheet(-area.leftPixels, -area.topPixels, kA4WidthMm * pixelsPerMm, kA4HeightMm * pixelsPerMm);
    drawBlankForm(painter, *blank, alignment, sheet, pixelsPerMm);
}

void BlankUnderlay::layUnderPdf(const std::string& pdfFile) const { layPdfUnderlays(pdfFile, kept_); }
