#include "print/print_job.h"

#include "print/calibration_files.h"
#include "records/nip_record.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Calibrated millimetres to pixels, bounded so that an absurd calibration
// cannot overflow the layouts' further steps.
std::int32_t toPixels(std::int32_t mm, int scale)
{
    const std::int64_t pixels = std::int64_t{mm} * scale;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(pixels, -kCalibratedPixelLimit, kCalibratedPixelLimit));
}

// The page's label with the record's account before its sheet number:
// "NIP-1 1/4" of account 014 is the document "NIP-1 014 1/4".
std::string documentName(std::string_view pageLabel, ConstBytes record)
{
    std::string account = getStr(record, nip::account_no);
    account.erase(0, account.find_first_not_of(' '));
    account.erase(account.find_last_not_of(' ') + 1);
    const std::size_t sheetAt = pageLabel.rfind(' ');
    if (account.empty() || sheetAt == std::string_view::npos)
        return std::string(pageLabel);
    return std::string(pageLabel.substr(0, sheetAt)) + " " + account + std::string(pageLabel.substr(sheetAt));
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
        Canvas& canvas = seams.printer.beginDocument(documentName(label, record));
        PageWriter writer(canvas, sx, sy, spacing, margin.left, margin.top);
        seams.render(job.page, writer, record, job.sheet);
        seams.printer.endDocument();
        ++printed;
    }
    return printed;
}
