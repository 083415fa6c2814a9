#pragma once
#include "print/preview_source.h"

#include <QImage>

#include <cstddef>

// The A4 sheet width and height in millimetres.
inline constexpr double kA4WidthMm = 210.0;
inline constexpr double kA4HeightMm = 297.0;

// One sheet of the source as the preview shows it, `pixelsPerMm` image
// pixels to the millimetre: a white A4 page, the blank form's scan over it
// when given (stretched to A4), the part outside the printable area shaded
// with the area's outline just outside it, and the sheet drawn into the
// printable area, clipped to it as the printer clips. At the printer's own
// pixels per millimetre the printable area holds the very pixels the sheet
// draws onto a white image of the printer's resolution.
QImage renderPreviewPage(const PreviewSource& source, std::size_t sheet, double pixelsPerMm, const QImage& scan = {});

// The printable area of a rendering at `pixelsPerMm`, in whole pixels.
QRect printableRect(const PreviewSource& source, double pixelsPerMm);
