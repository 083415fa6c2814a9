#include "desktop/app/form_commands.h"

#include "core/records/nip_record.h"
#include "core/records/vat_records.h"

namespace {

template <const Field& F> std::string text(ConstBytes rec) { return getStr(rec, F); }

template <const Field& First, const Field& Second> std::string joined(ConstBytes rec)
{
    return getStr(rec, First) + " " + getStr(rec, Second);
}

std::string fullNameOrPerson(ConstBytes rec)
{
    const std::string full = getStr(rec, nip::full_name);
    return !full.empty() ? full : joined<nip::surname, nip::first_name>(rec);
}

constexpr std::size_t kNameWidth = 40;
constexpr std::size_t kNipBNameWidth = 80;
constexpr const char* kNewNotice = "nowe zgłoszenie";

constexpr FormCommand kCommands[] = {
    {Form::Nip1, "Zgłoszenie NIP-1 na podstawie danych z systemu PKPiR", nullptr, kNewNotice,
     "Aktualizacja danych zgłoszenia NIP-1", "Wydruk zgłoszenia NIP-1", kNameWidth, false, text<nip::full_name>,
     fullNameOrPerson},
    {Form::Nip2, "Zgłoszenie NIP-2 na podstawie danych z systemu PKPiR", "Zgłoszenie NIP-2", kNewNotice,
     "Aktualizacja danych zgłoszenia NIP-2", "Wydruk zgłoszenia NIP-2", kNameWidth, false, text<nip::full_name>,
     text<nip::full_name>},
    {Form::Nip3, nullptr, "Zgłoszenie NIP-3", kNewNotice, "Aktualizacja danych zgłoszenia NIP-3",
     "Wydruk zgłoszenia NIP-3", kNameWidth, false, joined<nip::surname, nip::first_name>,
     joined<nip::surname, nip::first_name>},
    {Form::NipB, "Informacja NIP-B na podstawie danych z systemu PKPiR", "Informacja NIP-B", kNewNotice,
     "Aktualizacja danych zgłoszenia NIP-B", "Wydruk informacji NIP-B", kNipBNameWidth, true, text<nipb::name>,
     joined<nipb::name, nipb::first_name>},
    {Form::VatR, "Zgłoszenie VAT-R na podstawie danych z systemu PKPiR", "Zgłoszenie VAT-R", kNewNotice,
     "Aktualizacja danych zgłoszenia VAT-R", "Wydruk zgłoszenia VAT-R", kNameWidth, false, text<vatr::name>,
     text<vatr::name>},
    {Form::VatZ, nullptr, "Zgłoszeenie VAT-Z", kNewNotice, "Aktualizacja danych zgłoszenia VAT-Z",
     "Wydruk zgłoszenia VAT-Z", kNameWidth, false, text<vatz::name>, text<vatz::name>},
    {Form::Vat21, nullptr, "Zawiadomienie VAT-21", "nowe zawiadomienie", "Aktualizacja danych zawiadomienia VAT-21",
     "Wydruk zawiadomienia VAT-21", kNameWidth, false, text<vat21::name>, text<vat21::name>},
};

// Indexed by the form, like the form table.
constexpr bool inFormOrder()
{
    for (std::size_t i = 0; i < std::size(kCommands); ++i)
        if (static_cast<std::size_t>(kCommands[i].form) != i)
            return false;
    return std::size(kCommands) == static_cast<std::size_t>(Form::Vat21) + 1;
}
static_assert(inFormOrder());

} // namespace

const FormCommand& formCommand(Form form) { return kCommands[static_cast<std::size_t>(form)]; }
