#include "core/print/print_job.h"

#include "core/print/calibration_files.h"
#include "core/records/nip_record.h"

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

double JobPlan::devicePixelsPerUnit() const
{
    constexpr double kMmPerInch = 25.4;
    return options.exact() ? area.dotsPerInch / kMmPerInch / kExactUnitsPerMm : 1.0;
}

JobPlan planPrintJob(FormKind kind, ConstBytes record, const BoxTicks& ticked, int pageWidthPixels,
                     int pageHeightPixels, const calibration::MarginTable& margins,
                     const calibration::SpacingTable& spacings)
{
    return planPrintJob(kind, record, ticked, PrintableArea{pageWidthPixels, pageHeightPixels}, PrintOptions{},
                        margins, spacings);
}

JobPlan planPrintJob(FormKind kind, ConstBytes record, const BoxTicks& ticked, int pageWidthPixels,
                     int pageHeightPixels)
{
    return planPrintJob(kind, record, ticked, PrintableArea{pageWidthPixels, pageHeightPixels}, PrintOptions{});
}

JobPlan planPrintJob(FormKind kind, ConstBytes record, const BoxTicks& ticked, const PrintableArea& area,
                     const PrintOptions& options, const calibration::MarginTable& margins,
                     const calibration::SpacingTable& spacings)
{
    JobPlan plan;
    plan.options = options;
    plan.area = area;
    plan.scaleY = options.exact() ? kExactUnitsPerMm : scaleY(area.heightPixels);
    plan.scaleX = options.exact() ? kExactUnitsPerMm : scaleX(area.widthPixels);
    for (std::size_t i = 0; i < spacings.size(); ++i)
        plan.spacing[i] = toPixels(spacings[i], plan.scaleY);
    for (const JobPage& job : pagesToPrint(kind, record, ticked)) {
        const PrintedPage& page = printedPage(job.page);
        const calibration::MarginPair& margin = margins.at(page.marginPair - 1);
        plan.pages.push_back({job, std::string(page.label), documentName(page.label, record),
                              toPixels(margin.left, plan.scaleX), toPixels(margin.top, plan.scaleY)});
    }
    return plan;
}

JobPlan planPrintJob(FormKind kind, ConstBytes record, const BoxTicks& ticked, const PrintableArea& area,
                     const PrintOptions& options)
{
    const PrintForm& form = printForm(kind);
    const calibration::MarginTable margins = calibration::loadMargins(form.margins);
    const calibration::SpacingTable spacings = calibration::loadSpacings(form.spacings);
    return planPrintJob(kind, record, ticked, area, options, margins, spacings);
}

void drawPlannedPage(const JobPlan& plan, const PlannedPage& page, Canvas& canvas, ConstBytes record,
                     const PageRenderer& render)
{
    PageWriter writer(canvas, plan.scaleX, plan.scaleY, plan.spacing, page.originX, page.topY);
    render(page.job.page, writer, record, page.job.sheet);
}

int runPrintJob(FormKind kind, ConstBytes record, const BoxTicks& ticked, const PrintSeams& seams)
{
    const JobPlan plan = planPrintJob(kind, record, ticked, seams.printer.printableArea(), seams.options);
    if (seams.progress)
        seams.progress->begin(progressMaximum(kind, record));

    int printed = 0;
    for (const PlannedPage& page : plan.pages) {
        // Plain paper needs nothing inserted.
        if (!plan.options.plainPaper
            && !seams.messages.confirm("Włóż druk " + page.label, std::string(printForm(kind).promptCaption)))
            continue;
        if (seams.progress)
            seams.progress->pageStarted(page.label);
        Canvas& canvas = seams.printer.beginDocument(page.documentName);
        seams.printer.preparePage(plan, page);
        drawPlannedPage(plan, page, canvas, record, seams.render);
        // A page the printer lost is not printed: the job ends there, told.
        if (!seams.printer.endDocument())
            throw PrinterError("Drukarka nie zakończyła wydruku strony " + page.label + ". Wydruk przerwano.");
        ++printed;
    }
    return printed;
}
