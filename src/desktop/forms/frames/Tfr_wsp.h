#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/frames/EntryFrame.h"
#include "core/records/partner_use.h"

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
    // Once the bindings have loaded `entry` of `record`: an entry out of use
    // shows what a new frame shows instead; one in use whose reason byte is
    // of no option shows no reason and keeps that byte until the operator
    // chooses one.
    void finishLoading(ConstBytes record, const Field& entry);
    // A reason (chosen or kept) and a name: only then is the partner stored.
    bool inUse() const;
    // Stores the frame into its entry.
    void save(Bytes record, const Field& entry) const;

    // The headings keep their numbering; the rest names a person's data for
    // "osoba fizyczna" and a company's for any other kind or none.
    void r_rodz_podmClick();

protected:
    void FrameEnter() override;

private:
    std::vector<std::uint8_t> defaults_; // the new frame, saved as an entry
    std::uint8_t keptReason_ = 0;        // a loaded reason byte of no option, or 0
};
