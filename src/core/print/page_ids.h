#pragma once

// Every printed page (one pre-printed sheet each).
enum class PageId {
    Nip1_1, Nip1_2, Nip1_3, Nip1_4,
    Nip2_1, Nip2_2, Nip2_3, Nip2_4,
    NipD_1, NipD_2,
    Nip3_1, Nip3_2,
    NipB_1, NipB_2,
    VatR_1, VatR_2, VatRUe_1,
    VatZ_1,
    Vat21_1, Vat21_2,
};
