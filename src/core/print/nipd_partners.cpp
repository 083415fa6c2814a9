#include "core/print/nipd_partners.h"

#include "core/records/partner_use.h"

#include <cstddef>
#include <span>

namespace nipd_partners {

namespace {

constexpr int kPartnersPerSheet = 3;

} // namespace

int sheetsNeeded(ConstBytes nipRecord)
{
    int needed = 0;
    for (std::uint32_t k = 0; k < nip::kPartnerCount; ++k)
        if (partnerInUse(nipRecord, nip::partners.item(k)))
            needed = static_cast<int>(k) / kPartnersPerSheet + 1;
    return needed;
}

std::optional<std::string> unprintedNotice(ConstBytes nipRecord)
{
    const int printed = nipDSheets(nipRecord);
    if (sheetsNeeded(nipRecord) <= printed)
        return std::nullopt;
    return "Dane wspólników " + std::to_string(printed * kPartnersPerSheet + 1) + "–"
           + std::to_string(nip::kPartnerCount) + " nie zostaną wydrukowane: liczba załączników NIP-D wynosi "
           + std::to_string(getU8(nipRecord, nip::attach_d_count)) + ".";
}

void printSheetsNeeded(std::vector<std::uint8_t>& nipRecord, BoxTicks& ticked)
{
    const int needed = sheetsNeeded(nipRecord);
    if (needed <= nipDSheets(nipRecord))
        return;
    setU8(nipRecord, nip::attach_d_count, static_cast<std::uint8_t>(needed));
    const std::span<const PageBoxEntry> boxes = printForm(FormKind::Nip2).boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].page == PageId::NipD_1 || boxes[i].page == PageId::NipD_2)
            ticked[i] = true;
}

} // namespace nipd_partners
