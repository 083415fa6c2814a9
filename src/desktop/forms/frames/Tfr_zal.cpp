#include "desktop/forms/frames/Tfr_zal.h"

#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/UpDown.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
constexpr int kMinimum = 0;
constexpr int kMaximum = 10;
} // namespace

Tfr_zal::Tfr_zal(QWidget* parent) : EntryFrame(parent)
{
    setObjectName("fr_zal");
    struct Pair {
        MaskedEdit*& edit;
        UpDown*& upDown;
        const char* editName;
        const char* upDownName;
        const char* caption;
    };
    const Pair pairs[] = {
        {m_zal_a, ud_zal_a, "m_zal_a", "ud_zal_a", "NIP-1/A"},
        {m_zal_b, ud_zal_b, "m_zal_b", "ud_zal_b", "NIP-B"},
        {m_zal_c, ud_zal_c, "m_zal_c", "ud_zal_c", "NIP-C"},
        {m_zal_d, ud_zal_d, "m_zal_d", "ud_zal_d", "NIP-D"},
    };
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(2, 2, 2, 2);
    for (std::size_t i = 0; i < std::size(pairs); ++i) {
        const Pair& p = pairs[i];
        auto* pair = new QWidget(this);
        auto* row = new QHBoxLayout(pair);
        row->setContentsMargins(0, 0, 12, 0);
        row->setSpacing(2);
        p.edit = newMasked(pair, p.editName, "#9;1;_");
        p.edit->setText("0 ");
        p.upDown = new UpDown(kMinimum, kMaximum, pair);
        p.upDown->setObjectName(p.upDownName);
        p.upDown->associate(p.edit);
        row->addWidget(newCaption(pair, p.caption, p.edit));
        row->addWidget(p.edit);
        row->addWidget(p.upDown);
        line->addWidget(pair);
        pairs_[i] = pair;
        upDowns_[i] = p.upDown;
    }
    line->addStretch(1);
}

void Tfr_zal::setPairVisible(int pair, bool visible) { pairs_.at(static_cast<std::size_t>(pair))->setVisible(visible); }

BindingTable Tfr_zal::bindings(std::initializer_list<Field> counts) const
{
    BindingTable table;
    std::size_t pair = 0;
    for (const Field& count : counts)
        table.push_back({upDowns_.at(pair++), count, Conv::Count});
    return table;
}
