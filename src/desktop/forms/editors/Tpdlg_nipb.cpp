#include "desktop/forms/editors/Tpdlg_nipb.h"

#include "desktop/widgets/FocusMoves.h"
#include "desktop/widgets/MaskedEdit.h"
#include "core/common/clock.h"
#include "core/common/date_text.h"
#include "desktop/widgets/record_text.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/frames/Tfr_nrrach.h"
#include "desktop/forms/frames/Tfr_osw.h"
#include "core/records/vat_records.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace {

// What the taxpayer's kind changes on page "A-B": a company gives its full
// name and REGON, a person the surname and PESEL.
struct TaxpayerLook {
    const char* nameCaption;
    int nameLeft; // left edge of the name box in its line
    const char* idCaption;
    const char* idMask;
};
constexpr TaxpayerLook kCompany{"N&azwa pełna", 280, "R&EGON", "999999999;1;_"};
constexpr TaxpayerLook kPerson{"N&azwisko", 265, "P&ESEL", "99999999999;1;_"};

constexpr int kNameBoxWidth = 330;
constexpr int kCaptionGap = 6;

QVBoxLayout* columnOf(QWidget* page) { return static_cast<QVBoxLayout*>(page->layout()); }

bool isBlank(const QString& text) { return text.trimmed().isEmpty(); }

// NIP-B keeps every text without the blanks around it, the frames' too.
BindingTable trimmingTexts(BindingTable table)
{
    for (Binding& b : table)
        if (b.conv == Conv::Text)
            b.conv = Conv::TrimmedText;
    return table;
}

} // namespace

Tpdlg_nipb::Tpdlg_nipb(QWidget* parent)
    : EditorDialog(parent, Form::NipB, "pcnt_nipb",
                   ButtonNames{.ok = "OKBtn", .print = "kl_druk", .cancel = "CancelBtn", .help = "HelpBtn"})
{
    setObjectName("pdlg_nipb");
    setWindowTitle("NIP-B     INFORMACJA O RACHUNKACH BANKOWYCH");
    buildTaxpayerPage();
    buildMoreAccountsPage();
    finishBuilding({bindControls(), m_nip, {}, {}});

    connect(Ch_os, &QCheckBox::toggled, this, &Tpdlg_nipb::Ch_osClick);
    onLeaving(z_nazwisko, [this] { z_nazwiskoExit(); });
    onLeaving(z_imie, [this] { z_imieExit(); });
    onLeaving(g_a, [this] { g_aExit(); });
    Ch_osClick();
}

void Tpdlg_nipb::buildTaxpayerPage()
{
    QWidget* page = addPage("A-B");
    auto* top = new QGridLayout;
    m_nip = newMasked(page, "m_nip", "#############;1;_");
    placeBelowCaption(top, 0, 0, newCaption(page, "&NIP", m_nip), m_nip);
    top->setColumnStretch(1, 1);
    columnOf(page)->addLayout(top);

    g_a = newGroup(page, "g_a", "A. Dane podmiotu");
    QVBoxLayout* taxpayer = newColumn(g_a);
    taxpayer->addWidget(buildNameLine(g_a));
    z_imie = newEdit(g_a, "z_imie", 20);
    m_dur = newDateField(g_a, "m_dur");
    m_pesel = newMasked(g_a, "m_pesel", kPerson.idMask);
    e_imie = newCaption(g_a, "Pierwsze &imię", z_imie, "e_imie");
    e_dur = newCaption(g_a, "Da&ta urodzenia (dzień-miesiąc-rok)", m_dur, "e_dur");
    e_pesel = newCaption(g_a, kPerson.idCaption, m_pesel, "e_pesel");
    auto* person = new QGridLayout;
    person->setVerticalSpacing(1);
    person->setHorizontalSpacing(12);
    placeBelowCaption(person, 0, 0, e_imie, z_imie);
    placeBelowCaption(person, 0, 1, e_dur, m_dur);
    placeBelowCaption(person, 0, 2, e_pesel, m_pesel);
    person->setColumnStretch(3, 1);
    taxpayer->addLayout(person);
    columnOf(page)->addWidget(g_a);

    columnOf(page)->addWidget(newHeading(page, "B. WYKAZ RACHUNKÓW BANKOWYCH", "e_wykaz"));
    fr_nrrach1 = newFrame<Tfr_nrrach>(page, "fr_nrrach1");
    fr_nrrach2 = newFrame<Tfr_nrrach>(page, "fr_nrrach2");
    columnOf(page)->addWidget(withPositionPanel(page, "1", fr_nrrach1));
    columnOf(page)->addWidget(withPositionPanel(page, "2", fr_nrrach2));

    g_c = newGroup(page, "g_c", "C. Dane składającego lub osoby reprezentującej składającego");
    fr_osw1 = newFrame<Tfr_osw>(g_c, "fr_osw1");
    fr_osw1->e_dwyp->setText("Data w&ypełnienia informacji (dz-mc-rok)");
    newColumn(g_c)->addWidget(fr_osw1);
    columnOf(page)->addWidget(g_c);
    columnOf(page)->addStretch(1);
}

// The line of the person tick and the name. The name box stands at a fixed
// place that depends on the taxpayer's kind, its caption just before it.
QWidget* Tpdlg_nipb::buildNameLine(QWidget* parent)
{
    nameLine_ = new QWidget(parent);
    nameLine_->setObjectName("P_nazwa");
    Ch_os = newCheckBox(nameLine_, "Ch_os", "osoba &fizyczna");
    z_nazwisko = newEdit(nameLine_, "z_nazwisko", 40);
    e_nazwisko = newCaption(nameLine_, kPerson.nameCaption, z_nazwisko, "e_nazwisko");
    const int height = std::max(Ch_os->sizeHint().height(), z_nazwisko->sizeHint().height());
    Ch_os->setGeometry(0, (height - Ch_os->sizeHint().height()) / 2, Ch_os->sizeHint().width(),
                       Ch_os->sizeHint().height());
    z_nazwisko->resize(kNameBoxWidth, z_nazwisko->sizeHint().height());
    nameLine_->setMinimumSize(std::max(kCompany.nameLeft, kPerson.nameLeft) + kNameBoxWidth, height);
    return nameLine_;
}

void Tpdlg_nipb::placeNameBox(int left)
{
    const int height = nameLine_->minimumHeight();
    z_nazwisko->move(left, (height - z_nazwisko->height()) / 2);
    e_nazwisko->adjustSize();
    e_nazwisko->move(left - kCaptionGap - e_nazwisko->width(), (height - e_nazwisko->height()) / 2);
}

void Tpdlg_nipb::buildMoreAccountsPage()
{
    QWidget* page = addPage("B cd");
    fr_nrrach3 = newFrame<Tfr_nrrach>(page, "fr_nrrach3");
    fr_nrrach4 = newFrame<Tfr_nrrach>(page, "fr_nrrach4");
    fr_nrrach5 = newFrame<Tfr_nrrach>(page, "fr_nrrach5");
    fr_nrrach6 = newFrame<Tfr_nrrach>(page, "fr_nrrach6");
    int position = 3;
    for (Tfr_nrrach* account : {fr_nrrach3, fr_nrrach4, fr_nrrach5, fr_nrrach6})
        columnOf(page)->addWidget(withPositionPanel(page, QString::number(position++), account));
    columnOf(page)->addStretch(1);
}

BindingTable Tpdlg_nipb::bindControls() const
{
    using namespace nipb;
    BindingTable bindings = {
        {m_nip, nipb::nip, Conv::TrimmedText},
        {Ch_os, is_person, Conv::Flag},
        {z_nazwisko, name, Conv::TrimmedText},
        {z_imie, first_name, Conv::TrimmedText},
        {m_dur, birth_date, Conv::Date},
        {m_pesel, id_no, Conv::TrimmedText},
    };
    const Tfr_nrrach* accounts[kBankCount] = {fr_nrrach1, fr_nrrach2, fr_nrrach3, fr_nrrach4, fr_nrrach5, fr_nrrach6};
    for (std::uint32_t i = 0; i < kBankCount; ++i)
        bindings += trimmingTexts(accounts[i]->bindings(banks.item(i)));
    bindings += trimmingTexts(fr_osw1->bindings({declarant_first_name, declarant_surname, fill_date}));
    return bindings;
}

void Tpdlg_nipb::setDefaults()
{
    if (mode() == NewRecord)
        fr_osw1->m_dwyp->setText(fromRecordText(DateText(today())));
}

void Tpdlg_nipb::applyRules() { Ch_osClick(); }

// A company has no first name and no birth date, whatever the hidden boxes
// still hold.
void Tpdlg_nipb::storeExtras(Bytes record)
{
    if (Ch_os->isChecked())
        return;
    setStr(record, nipb::first_name, "");
    setDate(record, nipb::birth_date, Date4{});
}

void Tpdlg_nipb::Ch_osClick()
{
    const bool person = Ch_os->isChecked();
    const TaxpayerLook& look = person ? kPerson : kCompany;
    e_nazwisko->setText(look.nameCaption);
    placeNameBox(look.nameLeft);
    for (QWidget* w : std::initializer_list<QWidget*>{e_imie, z_imie, e_dur, m_dur})
        w->setVisible(person);
    e_pesel->setText(look.idCaption);
    m_pesel->setEditMask(look.idMask);
}

void Tpdlg_nipb::z_nazwiskoExit()
{
    if (Ch_os->isChecked() && isBlank(fr_osw1->z_osw_nazw->text()))
        fr_osw1->z_osw_nazw->setText(z_nazwisko->text());
}

void Tpdlg_nipb::z_imieExit()
{
    if (Ch_os->isChecked() && isBlank(fr_osw1->z_osw_im->text()))
        fr_osw1->z_osw_im->setText(z_imie->text());
}

void Tpdlg_nipb::g_aExit()
{
    QLineEdit* holder = fr_nrrach1->z_pos_rach;
    if (!isBlank(holder->text()))
        return;
    holder->setText(Ch_os->isChecked() ? z_imie->text() + " " + z_nazwisko->text() : z_nazwisko->text());
}
