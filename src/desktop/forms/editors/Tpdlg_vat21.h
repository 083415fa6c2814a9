#pragma once
#include "desktop/forms/frames/NoticeEditor.h"
#include "core/records/vat_records.h"

#include <array>

class QGroupBox;
class RadioGroup;
class Tfr_adr;
class Tfr_wyb_kr;

// The VAT-21 editor: the notice of the choice of, or the resignation from,
// the place of taxation of sales to other member states, edited in the
// VAT-21 record buffer and saved to the VAT-21 file.
class Tpdlg_vat21 : public NoticeEditor {
    Q_OBJECT
public:
    explicit Tpdlg_vat21(QWidget* parent = nullptr);

    // Page "A-B.2"
    QGroupBox* g_adr;
    Tfr_adr* fr_adr_s;
    // Pages "C-F" and "F c.d."
    RadioGroup* R_CEL;
    QGroupBox* g_wyb_kr;
    // Row k (1 to 24), the frame named "fr_wyb_kr" + k: country entry k.
    Tfr_wyb_kr* fr_wyb_kr(int k) const { return rows_.at(static_cast<std::size_t>(k - 1)); }

    void R_CELClick();

protected:
    void applyRules() override;
    void storeExtras(Bytes record) override;

private:
    QWidget* newRowList(QWidget* parent, int first, int last);
    bool resigning() const;
    BindingTable rowBindings(int k) const;
    BindingTable bindControls() const;

    std::array<Tfr_wyb_kr*, vat21::kCountryCount> rows_{};
};
