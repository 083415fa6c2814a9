#include "desktop/print/blank_form_set.h"

#include "core/common/messages.h"

#include <QPainter>

#include <algorithm>
#include <set>

namespace {

// What the operator has been told about the blanks in this run of the
// program: a notice is worth one reading, not one per print.
std::set<std::string>& toldThisRun()
{
    static std::set<std::string> told;
    return told;
}

std::string fittedNotice(const BlankFormPage& blank)
{
    const QSizeF mm = blank.sizeMm();
    const auto whole = [](double v) { return std::to_string(static_cast<long>(v + 0.5)); };
    return "Strona pliku \"" + blank.source().path + "\" nie ma rozmiaru A4 (" + whole(mm.width()) + " × "
        + whole(mm.height()) + " mm): druk formularza zostanie dopasowany do arkusza A4.";
}

} // namespace

void forgetToldBlankNotices() { toldThisRun().clear(); }

BlankFormSet::BlankFormSet(Messenger& messages) : messages_(messages) { }

void BlankFormSet::tellOnce(const std::string& text)
{
    if (!text.empty() && toldThisRun().insert(text).second)
        messages_.inform(text);
}

const BlankFormPage* BlankFormSet::page(std::string_view label)
{
    auto found = pages_.find(label);
    if (found == pages_.end()) {
        tellOnce(blankFolderProblem());
        std::optional<BlankFormPage> opened;
        if (const std::optional<BlankSource> source = findBlank(label)) {
            std::variant<BlankFormPage, std::string> result = BlankFormPage::open(*source);
            if (BlankFormPage* blank = std::get_if<BlankFormPage>(&result)) {
                if (blank->isPdf() && !isA4(blank->sizeMm().width(), blank->sizeMm().height()))
                    tellOnce(fittedNotice(*blank));
                opened.emplace(std::move(*blank));
            } else {
                tellOnce(std::get<std::string>(result));
            }
        }
        found = pages_.emplace(std::string(label), std::move(opened)).first;
    }
    return found->second ? &*found->second : nullptr;
}

std::vector<std::string> BlankFormSet::pagesWithoutBlank(const std::vector<std::string>& labels)
{
    std::vector<std::string> without;
    for (const std::string& label : labels)
        if (!page(label) && std::find(without.begin(), without.end(), label) == without.end())
            without.push_back(label);
    return without;
}

const BlankAlignment& BlankFormSet::alignment(std::string_view label)
{
    auto found = alignments_.find(label);
    if (found == alignments_.end()) {
        const LoadedAlignment loaded = loadBlankAlignment(label);
        tellOnce(loaded.problem);
        found = alignments_.emplace(std::string(label), loaded.alignment).first;
    }
    return found->second;
}

void BlankFormSet::setAlignment(std::string_view label, const BlankAlignment& alignment)
{
    saveBlankAlignment(label, alignment);
    alignments_.insert_or_assign(std::string(label), alignment);
}

QRectF blankRect(const BlankFormPage& blank, const BlankAlignment& alignment, const QRectF& sheet)
{
    const RectMm mm = blankPlacement(blank.sizeMm().width(), blank.sizeMm().height(), alignment);
    const double sx = sheet.width() / kA4WidthMm;
    const double sy = sheet.height() / kA4HeightMm;
    return QRectF(sheet.x() + mm.x * sx, sheet.y() + mm.y * sy, mm.width * sx, mm.height * sy);
}

void drawBlankForm(QPainter& painter, const BlankFormPage& blank, const BlankAlignment& alignment, const QRectF& sheet,
                   double devicePixelsPerMm)
{
    const RectMm mm = blankPlacement(blank.sizeMm().width(), blank.sizeMm().height(), alignment);
    const QImage image = blank.image(devicePixelsPerMm * mm.width / blank.sizeMm().width());
    if (image.isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(blankRect(blank, alignment, sheet), image);
    painter.restore();
}
