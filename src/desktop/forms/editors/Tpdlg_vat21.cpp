#include "desktop/forms/editors/Tpdlg_vat21.h"

#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/Tfr_adr.h"
#include "desktop/forms/frames/Tfr_osw.h"
#include "desktop/forms/frames/Tfr_wyb_kr.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kResignation = 1; // R_CEL: "2. rezygnacja z wyboru"
constexpr int kRowsOnFirstPage = 11;
constexpr int kRows = static_cast<int>(vat21::kCountryCount);

QVBoxLayout* columnOf(QWidget* page) { return static_cast<QVBoxLayout*>(page->layout()); }

} // namespace

Tpdlg_vat21::Tpdlg_vat21(QWidget* parent)
    : NoticeEditor(parent, Form::Vat21, "pcnt_vat21",
                   "VAT-21 ZAWIADOMIENIE O WYBORZE / REZYGNACJI Z  WYBORU MIEJSCA OPODATKOWANIA")
{
    setObjectName("pdlg_vat21");
    QWidget* identification = identificationPage();
    g_adr = newGroup(identification, "g_adr", "B.2. ADRES SIEDZIBY");
    fr_adr_s = newFrame<Tfr_adr>(g_adr, "fr_adr_s");
    fr_adr_s->e_ad_zam->hide();
    // The notice keeps no telephone or fax.
    for (QLineEdit* unkept : {fr_adr_s->z_tel, fr_adr_s->z_faks}) {
        unkept->hide();
        captionOf(unkept)->hide();
    }
    newColumn(g_adr)->addWidget(fr_adr_s);
    columnOf(identification)->addWidget(g_adr);
    columnOf(identification)->addStretch(1);
    setAddressBox(g_adr);

    QWidget* choice = addPage("C-F");
    R_CEL = newRadioGroup(choice, "R_CEL", "C. CEL SKŁADANIA ZAWIADOMIENIA",
                          {"1. wybór miejsca opodatkowania", "2. rezygnacja z wyboru"}, 2, 0);
    g_wyb_kr = newGroup(choice, "g_wyb_kr",
                        "F. INFORMACJA O WYBORZE MIEJSCA OPODATKOWANIA/REZYGNACJI Z WYBORU MIEJSCA OPODATKOWANIA");
    newColumn(g_wyb_kr)->addWidget(newRowList(g_wyb_kr, 1, kRowsOnFirstPage));
    columnOf(choice)->addWidget(R_CEL);
    columnOf(choice)->addWidget(g_wyb_kr, 1);

    QWidget* more = addPage("F c.d.");
    columnOf(more)->addWidget(newRowList(more, kRowsOnFirstPage + 1, kRows), 1);

    QWidget* declarant = addPage("G");
    addDeclarant(declarant, "D. DANE OSOBY SKŁADAJĄCEJ ZAWIADOMIENIE");
    columnOf(declarant)->addStretch(1);

    finishBuilding({bindControls(), m_nip, {c_urzsk}, {}});
    connect(R_CEL, &RadioGroup::itemIndexChanged, this, &Tpdlg_vat21::R_CELClick);
}

QWidget* Tpdlg_vat21::newRowList(QWidget* parent, int first, int last)
{
    auto* list = new QWidget(parent);
    auto* column = new QVBoxLayout(list);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(Tfr_wyb_kr::newHeader(list));
    // The rows scroll under their header where the window is too low for them.
    auto* scroll = new QScrollArea(list);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    auto* rows = new QWidget;
    auto* rowColumn = new QVBoxLayout(rows);
    rowColumn->setContentsMargins(0, 0, 0, 0);
    rowColumn->setSpacing(2);
    for (int k = first; k <= last; ++k) {
        auto* row = new Tfr_wyb_kr(rows, k);
        rows_.at(static_cast<std::size_t>(k - 1)) = row;
        rowColumn->addWidget(row);
    }
    rowColumn->addStretch(1);
    scroll->setWidget(rows);
    column->addWidget(scroll, 1);
    return list;
}

bool Tpdlg_vat21::resigning() const { return R_CEL->itemIndex() == kResignation; }

BindingTable Tpdlg_vat21::rowBindings(int k) const
{
    return fr_wyb_kr(k)->bindings(vat21::countries.item(static_cast<std::uint32_t>(k - 1)),
                                  [this] { return resigning(); });
}

BindingTable Tpdlg_vat21::bindControls() const
{
    using namespace vat21;
    BindingTable bindings = headBindings();
    bindings += fr_adr_s->bindings(addr);
    bindings.push_back({R_CEL, purpose, Conv::Index});
    for (int k = 1; k <= kRows; ++k)
        bindings += rowBindings(k);
    bindings += fr_osw1->bindings({declarant_first_name, declarant_surname, fill_date});
    return bindings;
}

void Tpdlg_vat21::applyRules()
{
    NoticeEditor::applyRules();
    R_CELClick();
}

void Tpdlg_vat21::storeExtras(Bytes record)
{
    // The countries are written afresh: a row without a country leaves its
    // entry all zero, and nothing of an earlier, longer name stays behind.
    clearField(record, vat21::countries);
    for (int k = 1; k <= kRows; ++k)
        if (fr_wyb_kr(k)->inUse())
            SaveBindings(rowBindings(k), record);
}

void Tpdlg_vat21::R_CELClick()
{
    for (Tfr_wyb_kr* row : rows_)
        row->showDatesFor(resigning());
}
