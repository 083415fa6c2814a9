#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/frames/EntryFrame.h"

#include <array>

class MaskedEdit;
class QLabel;
class UpDown;

// Attachment counts: four pairs of a two-digit field and its up-down
// (NIP-1/A, NIP-B, NIP-C, NIP-D). Editors hide the pairs their form lacks.
class Tfr_zal : public EntryFrame {
    Q_OBJECT
public:
    explicit Tfr_zal(QWidget* parent);

    MaskedEdit* m_zal_a;
    UpDown* ud_zal_a;
    MaskedEdit* m_zal_b;
    UpDown* ud_zal_b;
    MaskedEdit* m_zal_c;
    UpDown* ud_zal_c;
    MaskedEdit* m_zal_d;
    UpDown* ud_zal_d;

    // Pair 0 to 3 (A to D) shown or hidden, caption included.
    void setPairVisible(int pair, bool visible);

    // The counts of the first pairs, A onwards, one field each.
    BindingTable bindings(std::initializer_list<Field> counts) const;

private:
    std::array<QWidget*, 4> pairs_{};
    std::array<UpDown*, 4> upDowns_{};
};
