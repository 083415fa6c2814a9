#include "print/print_job.h"

#include "print/calibration_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Calibrated millimetres to pixels, bounded so that an absurd calibration
// cannot overflow the layouts' further steps.
std::int32_t toPixels(std::int32_t mm, int scale)
{
    const std::int64_t pixels = std::int64_t{mm} * scale;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(pixels, -kCalibratedPixelLimit, kCalibratedPixelLimit));
}

} // namespace

int scaleY(int heightPixels) { return static_cast<int>(std::trunc(heightPixels / 297.0)); }

int scaleX(int widthPixels) { return static_cast<int>(std::trunc(widthPixels / 210.0)); }

int runPrintJob(FormKind kind, ConstBytes record, const BoxTicks& ticked, const PrintSeams& seams)
{
    const PrintForm& form = printForm(kind);
    calibration::MarginTable margins = calibration::loadMargins(form.margins);
    calibration::SpacingTable spacing = calibration::loadSpacings(form.spacings);

    const int sy = scaleY(seams.printer.pageHeightPixels());
    const int sx = scaleX(seams.printer.pageWidthPixels());
    for (calibration::MarginPair& m : margins)
        m = {toPixels(m.left, sx), toPixels(m.top, sy)};
    for (std::int32_t& s : spacing)
        s = toPixels(s, sy);

    if (seams.progress)
        seams.progress->begin(progressMaximum(kind, record));

    int printed = 0;
    for (const JobPage& job : pagesToPrint(kind, record, ticked)) {
        const PrintedPage& page = printedPage(job.page);
        const std::string label(page.label);
        if (!seams.messages.confirm("Włóż druk " + label, std::string(form.promptCaption)))
            continue;
        if (seams.progress)
            seams.progress->pageStarted(label);
        const calibration::MarginPair& margin = margins.at(page.marginPair - 1);
        Canvas& canvas = seams.printer.beginDocument();
        PageWriter writer(canvas, sx, sy, spacing, margin.left, margin.top);
        seams.render(job.page, writer, record, job.sheet);
        seams.printer.endDocument();
        ++printed;
    }
    return printed;
}
