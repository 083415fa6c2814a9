#include "desktop/forms/frames/PersonalDataGroup.h"

#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "core/records/nip_record.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

QGroupBox* PersonalDataGroup::buildPersonalData(QWidget* parent)
{
    g_d_pers = newGroup(parent, "g_d_pers", "B.1. DANE PERSONALNE SKŁADAJĄCEGO");
    QWidget* g = g_d_pers;
    m_pesel = newMasked(g, "m_pesel", "99999999999;1;_");
    z_nazwisko = newEdit(g, "z_nazwisko", 40);
    z_imie1 = newEdit(g, "z_imie1", 20);
    z_im2 = newEdit(g, "z_im2", 20);
    z_imojca = newEdit(g, "z_imojca", 20);
    z_immatki = newEdit(g, "z_immatki", 20);
    m_dur = newDateField(g, "m_dur");
    z_mur = newEdit(g, "z_mur", 20);
    r_plec = newRadioGroup(g, "r_plec", "Płeć", {"kobieta", "mężczyzna"}, 2, 0);
    z_nazw_rod = newEdit(g, "z_nazw_rod", 40);
    c_rodz_dok_t = newCombo(g, "c_rodz_dok_t", storedLength(nip::id_doc_kind),
                            {"DOWÓD OSOBISTY", "PASZPORT", "PRAWO JAZDY", "LEG UBEZPIECZ."}, "DOWÓD OSOBISTY");
    z_nrdok_t = newEdit(g, "z_nrdok_t", 20);
    c_obyw = newCombo(g, "c_obyw", 40, {"POLSKIE"}, "POLSKIE");

    auto* grid = new QGridLayout(g_d_pers);
    grid->setVerticalSpacing(1);
    placeBelowCaption(grid, 0, 0, newCaption(g, "P&ESEL", m_pesel), m_pesel);
    placeBelowCaption(grid, 0, 1, newCaption(g, "N&azwisko", z_nazwisko), z_nazwisko, 2);
    placeBelowCaption(grid, 0, 3, newCaption(g, "Pierwsze &imię", z_imie1), z_imie1);
    placeBelowCaption(grid, 2, 0, newCaption(g, "D&rugie imię", z_im2), z_im2);
    placeBelowCaption(grid, 2, 1, newCaption(g, "Imię &ojca", z_imojca), z_imojca);
    placeBelowCaption(grid, 2, 2, newCaption(g, "Imię &matki", z_immatki), z_immatki);
    placeBelowCaption(grid, 2, 3, newCaption(g, "Da&ta urodzenia (dzień-miesiąc-rok)", m_dur), m_dur);
    placeBelowCaption(grid, 4, 0, newCaption(g, "Mie&jsce urodzenia", z_mur), z_mur);
    placeBelowCaption(grid, 4, 1, newCaption(g, "Naz&wisko rodowe", z_nazw_rod), z_nazw_rod, 2);
    grid->addWidget(r_plec, 4, 3, 2, 1);
    placeBelowCaption(grid, 6, 0, newCaption(g, "Rodzaj do&k. tożsamości", c_rodz_dok_t), c_rodz_dok_t);
    placeBelowCaption(grid, 6, 1, newCaption(g, "Seria i nr dowodu tożsamoś&ci", z_nrdok_t), z_nrdok_t);
    placeBelowCaption(grid, 6, 2,
                      newCaption(g, "Ob&ywatelstwo (należy podać wszystkie posiadane obywatelstwa)", c_obyw), c_obyw,
                      2);
    for (int c = 0; c < 4; ++c)
        grid->setColumnStretch(c, 1);
    return g_d_pers;
}

BindingTable PersonalDataGroup::personalDataBindings() const
{
    using namespace nip;
    return {
        {m_pesel, pesel, Conv::Text},
        {z_nazwisko, surname, Conv::Text},
        {z_imie1, first_name, Conv::Text},
        {z_im2, second_name, Conv::Text},
        {z_imojca, father_name, Conv::Text},
        {z_immatki, mother_name, Conv::Text},
        {m_dur, birth_date, Conv::Date},
        {z_mur, birth_place, Conv::Text},
        {r_plec, sex, Conv::Code},
        {z_nazw_rod, family_name, Conv::Text},
        {c_rodz_dok_t, id_doc_kind, Conv::TextOrDefault},
        {z_nrdok_t, id_doc_no, Conv::Text},
        {c_obyw, citizenship, Conv::TextOrDefault},
    };
}
