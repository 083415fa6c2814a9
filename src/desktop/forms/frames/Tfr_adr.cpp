#include "desktop/forms/frames/Tfr_adr.h"

#include "desktop/widgets/MaskedEdit.h"
#include "desktop/widgets/FocusMoves.h"
#include "desktop/forms/controls/FormControls.h"
#include "core/records/address_block.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
// The official names, in Polish alphabetical order.
const QStringList kVoivodeships = {
    "DOLNOŚLĄSKIE", "KUJAWSKO-POMORSKIE", "LUBELSKIE", "LUBUSKIE", "ŁÓDZKIE", "MAŁOPOLSKIE",
    "MAZOWIECKIE", "OPOLSKIE", "PODKARPACKIE", "PODLASKIE", "POMORSKIE",
    "ŚLĄSKIE", "ŚWIĘTOKRZYSKIE", "WARMIŃSKO-MAZURSKIE", "WIELKOPOLSKIE", "ZACHODNIOPOMORSKIE",
};
constexpr int kColumns = 4;
} // namespace

Tfr_adr::Tfr_adr(QWidget* parent) : EntryFrame(parent)
{
    setObjectName("fr_adr");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    e_ad_zam = newHeading(this, "ADRES ZAMIESZKANIA", "e_ad_zam");
    column->addWidget(e_ad_zam);
    auto* body = new QWidget(this);
    column->addWidget(body);
    build(body);
}

Tfr_adr::Tfr_adr(QWidget* parent, const QString& boxCaption) : EntryFrame(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    box_ = new QGroupBox(boxCaption, this);
    column->addWidget(box_);
    build(box_);
}

void Tfr_adr::build(QWidget* body)
{
    c_kraj = newCombo(body, "c_kraj", 20, {"POLSKA"}, "POLSKA");
    c_woj = newCombo(body, "c_woj", 20, kVoivodeships);
    c_pow = newCombo(body, "c_pow", 20);
    c_gmina = newCombo(body, "c_gmina", 20);
    z_ul = newEdit(body, "z_ul", 20);
    z_nrd = newEdit(body, "z_nrd", 10);
    z_nrlok = newEdit(body, "z_nrlok", 5);
    c_miejsc = newCombo(body, "c_miejsc", 25);
    m_kodp = newMasked(body, "m_kodp", "99-999;1;_");
    z_poczta = newEdit(body, "z_poczta", 25);
    z_tel = newEdit(body, "z_tel", 20);
    z_faks = newEdit(body, "z_faks", storedLength(address_block::fax));

    const std::pair<QWidget*, const char*> captions[] = {
        {c_kraj, "&Kraj"},           {c_woj, "&Województwo"},  {c_pow, "Pow&iat"},        {c_gmina, "&Gmina"},
        {z_ul, "U&lica"},            {z_nrd, "N&r domu"},      {z_nrlok, "Nr l&okalu"},   {c_miejsc, "&Miejscowość"},
        {m_kodp, "Kod po&cztowy"},   {z_poczta, "Pocz&ta"},    {z_tel, "T&elefon"},       {z_faks, "&Faks"},
    };
    grid_ = new QGridLayout(body);
    grid_->setContentsMargins(4, 2, 4, 4);
    grid_->setVerticalSpacing(1);
    for (int i = 0; i < static_cast<int>(std::size(captions)); ++i) {
        const auto& [control, caption] = captions[i];
        placeBelowCaption(grid_, i / kColumns * 2, i % kColumns, newCaption(body, caption, control), control);
    }
    for (int c = 0; c < kColumns; ++c)
        grid_->setColumnStretch(c, 1);

    wordLists_ = {WordList(c_kraj, "slkraj.", true), WordList(c_woj, "slwoj.", true),
                  WordList(c_pow, "slpow.", true), WordList(c_gmina, "slgmin.", true),
                  WordList(c_miejsc, "slmiejsc.", true)};
    onLeaving(c_miejsc, [this] { c_miejscExit(); });
}

BindingTable Tfr_adr::bindings(const Field& block) const
{
    namespace a = address_block;
    const Binding members[] = {
        {c_kraj, a::country, Conv::Text},     {c_woj, a::voivodeship, Conv::Text},
        {c_pow, a::county, Conv::Text},       {c_gmina, a::commune, Conv::Text},
        {z_ul, a::street, Conv::Text},        {z_nrd, a::house_no, Conv::Text},
        {z_nrlok, a::flat_no, Conv::Text},    {c_miejsc, a::locality, Conv::Text},
        {m_kodp, a::postcode, Conv::Postcode}, {z_poczta, a::post_office, Conv::Text},
        {z_tel, a::phone, Conv::Text},        {z_faks, a::fax, Conv::Text},
    };
    BindingTable table;
    for (const Binding& member : members)
        if (member.field.end() <= block.width)
            table.push_back({member.control, block / member.field, member.conv});
    return table;
}

void Tfr_adr::c_miejscExit()
{
    if (!c_miejsc->currentText().isEmpty() && z_poczta->text().isEmpty())
        z_poczta->setText(c_miejsc->currentText());
}

void Tfr_adr::FrameEnter()
{
    for (WordList& list : wordLists_)
        list.load();
}

void Tfr_adr::FrameExit()
{
    for (WordList& list : wordLists_)
        list.learn();
}
