#include "forms/editor_placements.h"
#include "core/records/vat_records.h"

Placement nipbPlacement()
{
    using namespace nipb;
    return {
        {"m_nip", {nipb::nip}},
        {"Ch_os", {is_person}},
        {"z_nazwisko", {name}},
        {"z_imie", {first_name}},
        {"m_dur", {birth_date}},
        {"m_pesel", {id_no}},
        {"fr_nrrach1", {banks.item(0)}},
        {"fr_nrrach2", {banks.item(1)}},
        {"fr_nrrach3", {banks.item(2)}},
        {"fr_nrrach4", {banks.item(3)}},
        {"fr_nrrach5", {banks.item(4)}},
        {"fr_nrrach6", {banks.item(5)}},
        {"fr_osw1", {declarant_first_name, declarant_surname, fill_date}},
    };
}
