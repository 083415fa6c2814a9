#include "core/print/page_layouts.h"

#include "core/print/layouts/page_renderers.h"

#include <array>
#include <cstddef>

namespace {

using Renderer = void (*)(PageWriter&, ConstBytes, int sheet);

// Pages printed once per job ignore the sheet number.
template <void (*Render)(PageWriter&, ConstBytes)>
void singleSheet(PageWriter& w, ConstBytes rec, int)
{
    Render(w, rec);
}

struct PageRenderer {
    PageId page;
    Renderer render;
};

using namespace page_layout;

// In the order of PageId.
constexpr std::array kRenderers = {
    PageRenderer{PageId::Nip1_1, singleSheet<nip1Page1>},  PageRenderer{PageId::Nip1_2, singleSheet<nip1Page2>},
    PageRenderer{PageId::Nip1_3, singleSheet<nip1Page3>},  PageRenderer{PageId::Nip1_4, singleSheet<nip1Page4>},
    PageRenderer{PageId::Nip2_1, singleSheet<nip2Page1>},  PageRenderer{PageId::Nip2_2, singleSheet<nip2Page2>},
    PageRenderer{PageId::Nip2_3, singleSheet<nip2Page3>},  PageRenderer{PageId::Nip2_4, singleSheet<nip2Page4>},
    PageRenderer{PageId::NipD_1, nipDPage1},               PageRenderer{PageId::NipD_2, nipDPage2},
    PageRenderer{PageId::Nip3_1, singleSheet<nip3Page1>},  PageRenderer{PageId::Nip3_2, singleSheet<nip3Page2>},
    PageRenderer{PageId::NipB_1, singleSheet<nipBPage1>},  PageRenderer{PageId::NipB_2, singleSheet<nipBPage2>},
    PageRenderer{PageId::VatR_1, singleSheet<vatRPage1>},  PageRenderer{PageId::VatR_2, singleSheet<vatRPage2>},
    PageRenderer{PageId::VatRUe_1, singleSheet<vatRUePage>}, PageRenderer{PageId::VatZ_1, singleSheet<vatZPage>},
    PageRenderer{PageId::Vat21_1, singleSheet<vat21Page1>}, PageRenderer{PageId::Vat21_2, singleSheet<vat21Page2>},
};

constexpr bool inPageOrder()
{
    for (std::size_t i = 0; i < kRenderers.size(); ++i)
        if (static_cast<std::size_t>(kRenderers[i].page) != i)
            return false;
    return true;
}
static_assert(inPageOrder(), "every page has its renderer, in the order of PageId");
static_assert(kRenderers.size() == static_cast<std::size_t>(PageId::Vat21_2) + 1);

} // namespace

void renderPage(PageId page, PageWriter& writer, ConstBytes record, int sheet)
{
    kRenderers[static_cast<std::size_t>(page)].render(writer, record, sheet);
}
