#pragma once
#include "desktop/forms/shell/Binding.h"

class MaskedEdit;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QWidget;
class RadioGroup;

// The personal data of the natural person who files the form (group B.1 of
// NIP-1 and NIP-3): one group box whose controls, captions, limits, items,
// defaults and tab order are the same on both forms. An editor derives from
// it, builds the group onto its first page and adds the group's share to
// its binding table.
class PersonalDataGroup {
public:
    QGroupBox* g_d_pers = nullptr;
    MaskedEdit* m_pesel = nullptr;
    QLineEdit* z_nazwisko = nullptr;
    QLineEdit* z_imie1 = nullptr;
    QLineEdit* z_im2 = nullptr;
    QLineEdit* z_imojca = nullptr;
    QLineEdit* z_immatki = nullptr;
    MaskedEdit* m_dur = nullptr;
    QLineEdit* z_mur = nullptr;
    RadioGroup* r_plec = nullptr;
    QLineEdit* z_nazw_rod = nullptr;
    QComboBox* c_rodz_dok_t = nullptr;
    QLineEdit* z_nrdok_t = nullptr;
    QComboBox* c_obyw = nullptr;

protected:
    // Makes the group in `parent` (the editor places it) and returns it.
    QGroupBox* buildPersonalData(QWidget* parent);
    // `pesel` to `citizenship` of the NIP record.
    BindingTable personalDataBindings() const;
};
