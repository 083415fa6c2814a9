#pragma once
#include "core/print/a4_sheet.h"
#include "desktop/print/preview_source.h"

#include <QImage>

#include <cstddef>
#include <functional>

// Draws the blank form under a sheet, `sheet` being where the A4 sheet
// lies in the painter's coordinates.
using PreviewUnderlay = std::function<void(QPainter& painter, const QRectF& sheet)>;

// One sheet of the source as the preview shows it, `pixelsPerMm` image
// pixels to the millimetre: a white A4 page, the blank form drawn on it by
// `underlay` when given, the part outside the printable area shaded
// with the area's outline just outside it, and the sheet drawn into the
// printable area, clipped to it as the printer clips. At the printer's own
// pixels per millimetre the printable area holds the very pixels the sheet
// draws onto a white image of the printer's resolution.
QImage renderPreviewPage(const PreviewSource& source, std::size_t sheet, double pixelsPerMm,
                         const PreviewUnderlay& underlay = {});

// The printable area of a rendering at `pixelsPerMm`, in whole pixels.
QRect printableRect(const PreviewSource& source, double pixelsPerMm);
