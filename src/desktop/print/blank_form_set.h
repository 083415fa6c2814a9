#pragma once
#include "core/print/blank_alignment.h"
#include "desktop/print/blank_form_page.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Messenger;
class QPainter;
class QRectF;

// The blank forms of one job or preview, each page opened once on first use
// with its correction. What is wrong with a blank, and the notices about
// the blanks (one fitted to A4, a whole-form PDF short of pages), go to the
// messenger once per file and run of the program.
class BlankFormSet {
public:
    explicit BlankFormSet(Messenger& messages);

    // The page's blank; null when there is none or it cannot be used.
    const BlankFormPage* page(std::string_view label);
    // Those of the labels whose page has no usable blank, in their order,
    // each once.
    std::vector<std::string> pagesWithoutBlank(const std::vector<std::string>& labels);

    // The page's correction, read once (nonsense in it is told, and the
    // defaults used).
    const BlankAlignment& alignment(std::string_view label);
    // Keeps a new correction; throws IoError naming the file.
    void setAlignment(std::string_view label, const BlankAlignment& alignment);

private:
    void tellOnce(const std::string& text);

    Messenger& messages_;
    std::map<std::string, std::optional<BlankFormPage>, std::less<>> pages_;
    std::map<std::string, BlankAlignment, std::less<>> alignments_;
};

// A new run as far as the notices go (for tests).
void forgetToldBlankNotices();

// Where a blank lies in a painter's coordinates, `sheet` being where the A4
// sheet lies in them.
QRectF blankRect(const BlankFormPage& blank, const BlankAlignment& alignment, const QRectF& sheet);

// Draws the blank of a page there; `devicePixelsPerMm` is the resolution
// the page ends up at (a PDF page is rendered for it).
void drawBlankForm(QPainter& painter, const BlankFormPage& blank, const BlankAlignment& alignment, const QRectF& sheet,
                   double devicePixelsPerMm);
