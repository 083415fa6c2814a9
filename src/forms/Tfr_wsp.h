#pragma once
#include "forms/Binding.h"
#include "forms/EntryFrame.h"

#include <cstdint>
#include <vector>

class MaskedEdit;
class QLabel;
class QLineEdit;
class RadioGroup;
class Tfr_adr;

// One partner of a partnership, or one company of a tax group: why it is
// reported, how it takes part, who it is and its address. The editor places
// it once per partner and numbers its headings; the headings and labels name
// a person's or a company's data as the kind of partner says.
class Tfr_wsp : public EntryFrame {
    Q_OBJECT
public:
    explicit Tfr_wsp(QWidget* parent);

    QLabel* e_d_wsp;
    RadioGroup* r_pow_zl;
    RadioGroup* r_for_ucz;
    MaskedEdit* m_d_przyst;
    QLabel* e_d_ident;
    RadioGroup* r_rodz_podm;
    QLabel* e_naz_pel;
    QLineEdit* z_naz_pel;
    QLabel* e_nip_wsp;
    MaskedEdit* m_nip_wsp;
    QLabel* e_reg_wsp;
    MaskedEdit* m_reg_wsp;
    Tfr_adr* fr_adr_wsp;

    // Headings of partner k: "B.k.", "B.k.1." and "B.k.2.".
    void setPartnerNumber(int k);

    // The frame bound to one partner entry of the record.
    BindingTable bindings(const Field& entry) const;
    // A reason chosen and a name given: only then is the partner stored.
    bool inUse() const;
    // Shows again what the frame showed when it was made.
    void restoreDefaults();

    // The headings keep their numbering; the rest names a person's data for
    // "osoba fizyczna" and a company's for any other kind or none.
    void r_rodz_podmClick();

protected:
    void FrameEnter() override;

private:
    std::vector<std::uint8_t> defaults_; // the new frame, saved as an entry
};

// True when the record's partner entry is in use: a reason and a name.
bool partnerInUse(ConstBytes record, const Field& entry);
