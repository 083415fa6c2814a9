#include "core/print/page_writer.h"

#include "core/common/date_text.h"
#include "core/common/text_routines.h"
#include "core/records/address_block.h"

#include <cmath>

PageWriter::PageWriter(Canvas& canvas, int scaleX, int scaleY, const SpacingTable& spacing, int originX, int topY)
    : scale_x(scaleX), scale_y(scaleY), origin_x(originX), pen_y(topY), canvas_(canvas), spacing_(spacing)
{
}

void PageWriter::fractionalStep(double mm) { pen_y += static_cast<int>(std::trunc(scale_y * mm)); }

void PageWriter::lineStep() { fractionalStep(8.3); }

void PageWriter::section(int entry)
{
    if (entry >= 0 && entry < kSpacingEntries)
        pen_y += spacing_[static_cast<std::size_t>(entry)];
}

void PageWriter::plain(int col, std::string_view text, int belowMm) { canvas_.textOut(xAt(col), yBelow(belowMm), text); }

void PageWriter::spaced(int col, std::string_view text, int belowMm) { plain(col, SpacedCapitals(text), belowMm); }

void PageWriter::nip(int col, std::string_view digits, int formType, bool withPrefix, int belowMm)
{
    spaced(col, withPrefix ? NipTextWithPrefix(digits, formType) : NipText(digits, formType), belowMm);
}

void PageWriter::date(int col, Date4 d, int belowMm) { spaced(col, DateText(d), belowMm); }

void PageWriter::plainDate(int col, Date4 d, int belowMm) { plain(col, DateText(d), belowMm); }

void PageWriter::plainAfterLast(int gapMm, std::string_view text)
{
    canvas_.textOut(canvas_.currentX() + scale_x * gapMm, canvas_.currentY(), text);
}

void PageWriter::postalAddress(ConstBytes rec, const Field& block)
{
    namespace a = address_block;
    plain(20, rec, block / a::country);
    plain(70, rec, block / a::voivodeship);
    plain(150, rec, block / a::county);
    step(9);
    plain(20, rec, block / a::commune);
    plain(70, rec, block / a::street);
    plain(172, rec, block / a::house_no);
    plain(195, rec, block / a::flat_no);
    step(9);
    plain(20, rec, block / a::locality);
    plain(100, rec, block / a::postcode);
    plain(140, rec, block / a::post_office);
}

void PageWriter::address(ConstBytes rec, const Field& block, AddressVariant variant)
{
    namespace a = address_block;
    postalAddress(rec, block);
    step(9);
    plain(40, rec, block / a::phone);
    plain(variant == AddressVariant::Nip ? 120 : 90, rec, block / a::fax);
}
