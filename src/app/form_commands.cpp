#include "app/form_commands.h"

#include "forms/Tpdlg_nip1.h"
#include "records/nip_record.h"
#include "register/record_kind.h"

namespace {

std::string fullName(ConstBytes rec) { return getStr(rec, nip::full_name); }

std::string fullNameOrPerson(ConstBytes rec)
{
    const std::string full = getStr(rec, nip::full_name);
    return !full.empty() ? full : getStr(rec, nip::surname) + " " + getStr(rec, nip::first_name);
}

} // namespace

const FormCommand kNip1Command = {
    "NIP-1    ",
    KindRejfor,
    1,
    "Zgłoszenie NIP-1 na podstawie danych z systemu PKPiR",
    nullptr,
    "nowe zgłoszenie",
    "Aktualizacja danych zgłoszenia NIP-1",
    "Wydruk zgłoszenia NIP-1",
    1,
    40,
    false,
    fullName,
    fullNameOrPerson,
    [](QWidget* parent) -> EditorDialog* { return new Tpdlg_nip1(parent); },
};
