#include "desktop/forms/frames/Tfr_wsp.h"

#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/Tfr_adr.h"
#include "core/records/nip_record.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QString kPartnerHeading = "B.%1. DANE WSPÓLNIKA/SPÓŁKI WCHODZĄCEJ W SKŁAD GRUPY";
const QString kIdentityHeading = "B.%1.1. DANE IDENTYFIKACYJNE/DANE PERSONALNE";
const QString kAddressHeading = "B.%1.2. ADRES SIEDZIBY/ADRES ZAMIESZKANIA";
// "B.4.1.": the numbering the heading rule keeps.
constexpr int kNumbering = 6;

constexpr int kNaturalPerson = 1; // r_rodz_podm: "osoba fizyczna"

// What the labels and headings say for one kind of partner.
struct KindTexts {
    const char* name;
    const char* number;
    const char* identity;
    const char* address;
};
constexpr KindTexts kPersonTexts{"Nazwisko, pierwsze imię, data urodzenia", "Pesel", " DANE PERSONALNE",
                                 " ADRES ZAMIESZKANIA"};
constexpr KindTexts kCompanyTexts{"Nazwa pełna", "Regon", " DANE IDENTYFIKACYJNE", " ADRES SIEDZIBY"};

// A partner entry on its own, as the frame's defaults are kept.
constexpr Field kLoneEntry{"partner", 0, partner_entry::kSize, FieldType::Group, &partner_entry::layout};

} // namespace

Tfr_wsp::Tfr_wsp(QWidget* parent) : EntryFrame(parent)
{
    setObjectName("fr_wsp");
    e_d_wsp = newHeading(this, QString(), "e_d_wsp");
    r_pow_zl = newRadioGroup(this, "r_pow_zl", "Powód złożenia informacji",
                             {"zgłoszenie przystąpienia do spółki/grupy", "wystąpienie ze spółki/grupy", "zmiana danych"},
                             1, 0);
    r_for_ucz = newRadioGroup(this, "r_for_ucz", "Forma uczestnictwa-dot.  spółki komandytowej i grupy",
                              {"wspólnik nie będący komandytariuszem", "komandytariusz", "spółka dominująca",
                               "spółka płatnik grupy", "spółka zależna"},
                              2);
    m_d_przyst = newMasked(this, "m_d_przyst", kDateMask);
    e_d_ident = newHeading(this, QString(), "e_d_ident");
    r_rodz_podm = newRadioGroup(this, "r_rodz_podm", "Rodzaj podatnika",
                                {"wspólnik nie będący osobą fizyczną", "osoba fizyczna", "spółka wchodząca w skłąd grupy"},
                                1, kNaturalPerson);
    z_naz_pel = newEdit(this, "z_naz_pel", storedLength(partner_entry::name));
    m_nip_wsp = newMasked(this, "m_nip_wsp", "#############;1;_");
    m_reg_wsp = newMasked(this, "m_reg_wsp", "99999999999;1;_");
    fr_adr_wsp = newFrame<Tfr_adr>(this, "fr_adr_wsp");

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(e_d_wsp);
    auto* joining = new QGridLayout;
    joining->setVerticalSpacing(1);
    joining->addWidget(r_pow_zl, 0, 0, 3, 1);
    joining->addWidget(r_for_ucz, 0, 1, 3, 1);
    placeBelowCaption(joining, 0, 2, newCaption(this, "&Data przyst./wyst.(dz-mc-rok)", m_d_przyst, "e_d_przyst"),
                      m_d_przyst);
    joining->setRowStretch(2, 1);
    joining->setColumnStretch(1, 1);
    column->addLayout(joining);

    column->addWidget(e_d_ident);
    auto* identity = new QGridLayout;
    identity->setVerticalSpacing(1);
    identity->addWidget(r_rodz_podm, 0, 0, 4, 1);
    e_naz_pel = newCaption(this, "Nazwa pełna/Nazwisko, pierwsze imię, data urodzenia", z_naz_pel, "e_naz_pel");
    placeBelowCaption(identity, 0, 1, e_naz_pel, z_naz_pel, 3);
    e_nip_wsp = newCaption(this, "NIP", m_nip_wsp, "e_nip_wsp");
    placeBelowCaption(identity, 2, 1, e_nip_wsp, m_nip_wsp);
    e_reg_wsp = newCaption(this, "Regon/Pesel", m_reg_wsp, "e_reg_wsp");
    placeBelowCaption(identity, 2, 2, e_reg_wsp, m_reg_wsp);
    identity->setColumnStretch(3, 1);
    column->addLayout(identity);
    column->addWidget(fr_adr_wsp);

    setPartnerNumber(1);
    defaults_.resize(partner_entry::kSize);
    SaveBindings(bindings(kLoneEntry), defaults_);

    connect(r_rodz_podm, &RadioGroup::itemClicked, this, &Tfr_wsp::r_rodz_podmClick);
}

void Tfr_wsp::setPartnerNumber(int k)
{
    e_d_wsp->setText(kPartnerHeading.arg(k));
    e_d_ident->setText(kIdentityHeading.arg(k));
    fr_adr_wsp->e_ad_zam->setText(kAddressHeading.arg(k));
}

BindingTable Tfr_wsp::bindings(const Field& entry) const
{
    namespace p = partner_entry;
    BindingTable table = {
        {r_pow_zl, entry / p::reason, Conv::Choice},
        {m_d_przyst, entry / p::date, Conv::Date},
        {r_for_ucz, entry / p::participation, Conv::Choice},
        {r_rodz_podm, entry / p::kind, Conv::Choice},
        {z_naz_pel, entry / p::name, Conv::Text},
        {m_nip_wsp, entry / p::nip, Conv::Text},
        {m_reg_wsp, entry / p::regon_pesel, Conv::Text},
    };
    table += fr_adr_wsp->bindings(entry / p::addr);
    return table;
}

void Tfr_wsp::finishLoading(ConstBytes record, const Field& entry)
{
    keptReason_ = 0;
    if (!partnerInUse(record, entry))
        LoadBindings(bindings(kLoneEntry), defaults_);
    else if (r_pow_zl->itemIndex() < 0)
        keptReason_ = getU8(record, entry / partner_entry::reason);
}

bool Tfr_wsp::inUse() const
{
    return (r_pow_zl->itemIndex() >= 0 || keptReason_ != 0) && !z_naz_pel->text().isEmpty();
}

void Tfr_wsp::save(Bytes record, const Field& entry) const
{
    SaveBindings(bindings(entry), record);
    if (r_pow_zl->itemIndex() < 0 && keptReason_ != 0)
        setU8(record, entry / partner_entry::reason, keptReason_);
}

void Tfr_wsp::r_rodz_podmClick()
{
    const KindTexts& texts = r_rodz_podm->itemIndex() == kNaturalPerson ? kPersonTexts : kCompanyTexts;
    e_naz_pel->setText(texts.name);
    e_reg_wsp->setText(texts.number);
    e_d_ident->setText(e_d_ident->text().left(kNumbering) + texts.identity);
    fr_adr_wsp->e_ad_zam->setText(fr_adr_wsp->e_ad_zam->text().left(kNumbering) + texts.address);
}

void Tfr_wsp::FrameEnter() { r_rodz_podmClick(); }
