#pragma once
#include "core/common/record_access.h"
#include "core/print/calibration_files.h"
#include "core/print/page_ids.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The printable forms, their pages and the page boxes of the print dialog.

enum class FormKind : std::uint8_t { Nip1 = 1, Nip2 = 2, Nip3 = 3, NipB = 4, VatR = 10, VatZ = 11, Vat21 = 12 };

struct PrintedPage {
    PageId id;
    std::string_view label; // "NIP-D 1/2": as the prompt names the sheet
    std::size_t marginPair; // row of the form's margin file, from 1
};

// One check box of the print dialog and the page it stands for.
struct PageBoxEntry {
    std::string_view label; // "NIP-D  1/2": the box's own text
    PageId page;
};

inline constexpr std::size_t kPageBoxes = 6;

struct PrintForm {
    FormKind kind;
    std::string_view name; // "NIP-1"
    int recordKind;        // KindIndex of the record printed
    const calibration::CalibrationFile& margins;
    const calibration::CalibrationFile& spacings;
    int progressMaximum; // NIP-2: without its NIP-D sheets
    std::string_view promptCaption;
    std::span<const PageBoxEntry> boxes; // boxes 1.. in order; the rest are hidden
};

std::span<const PrintForm> printForms();
const PrintForm& printForm(FormKind kind);

const PrintedPage& printedPage(PageId id);
// The form that prints the page (the NIP-D pages: NIP-2).
const PrintForm& printFormOf(PageId id);

// The dialog's page boxes for a record, as they stand when it opens.
struct PageBox {
    std::string label;
    bool visible = false;
    bool enabled = false;
    bool ticked = false;
};
using PageBoxes = std::array<PageBox, kPageBoxes>;
PageBoxes pageBoxes(FormKind kind, ConstBytes record);

// Number of NIP-D sheets a NIP-2 record prints: its attachments, at most 2.
int nipDSheets(ConstBytes nipRecord);

// The progress bar's maximum for a print job of the record.
int progressMaximum(FormKind kind, ConstBytes record);

// The pages a print job prints, in order, with the ticks of the dialog's
// boxes: hidden and disabled boxes print nothing whatever their tick.
struct JobPage {
    PageId page;
    int sheet; // NIP-D sheet 1 or 2; 1 elsewhere
};
using BoxTicks = std::array<bool, kPageBoxes>;
std::vector<JobPage> pagesToPrint(FormKind kind, ConstBytes record, const BoxTicks& ticked);
