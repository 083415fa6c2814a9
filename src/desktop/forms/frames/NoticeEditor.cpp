#include "desktop/forms/frames/NoticeEditor.h"

#include "desktop/widgets/MaskedEdit.h"
#include "core/common/clock.h"
#include "core/common/date_text.h"
#include "desktop/widgets/record_text.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/Tfr_osw.h"
#include "core/records/vat_records.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int kPerson = 1; // r_rodzpod: "osoba fizyczna"

QVBoxLayout* columnOf(QWidget* page) { return static_cast<QVBoxLayout*>(page->layout()); }
} // namespace

NoticeEditor::NoticeEditor(QWidget* parent, Form form, const char* pagesName, const QString& caption)
    : EditorDialog(parent, form, pagesName)
{
    setWindowTitle(caption);
    identification_ = addPage("A-B.2");
    QWidget* page = identification_;
    auto* top = new QGridLayout;
    m_nip = newVatNumberField(page, "m_nip");
    c_urzsk = newCombo(page, "c_urzsk", storedLength(notice_head::tax_office));
    placeBelowCaption(top, 0, 0, newCaption(page, "&NIP", m_nip), m_nip);
    placeBelowCaption(top, 2, 0, newCaption(page, "&Urząd Skarbowy do którego kierowane jest zawiadomienie", c_urzsk),
                      c_urzsk, 2);
    top->setColumnStretch(1, 1);
    columnOf(page)->addLayout(top);

    g_ident = newGroup(page, "g_ident", "B.1. DANE IDENTYFIKACYJNE");
    z_nazwisko = newEdit(g_ident, "z_nazwisko", storedLength(notice_head::name));
    e_nazwisko = newCaption(g_ident, "N&azwa pełna", z_nazwisko, "e_nazwisko");
    m_dur = newDateField(g_ident, "m_dur");
    e_dur = newCaption(g_ident, "Da&ta urodzenia (dzień-miesiąc-rok)", m_dur, "e_dur");
    r_rodzpod = newRadioGroup(g_ident, "r_rodzpod", "Rodzaj podatnika", {"niebędący osobą fizyczną", "osoba fizyczna"},
                              2, 0);
    auto* grid = new QGridLayout(g_ident);
    grid->setVerticalSpacing(1);
    placeBelowCaption(grid, 0, 0, e_nazwisko, z_nazwisko, 2);
    placeBelowCaption(grid, 2, 0, e_dur, m_dur);
    grid->addWidget(r_rodzpod, 2, 1, 2, 1);
    grid->setColumnStretch(1, 1);
    columnOf(page)->addWidget(g_ident);

    connect(r_rodzpod, &RadioGroup::itemIndexChanged, this, &NoticeEditor::r_rodzpodClick);
}

void NoticeEditor::addDeclarant(QWidget* page, const QString& caption)
{
    g_osw = newGroup(page, "g_osw", caption);
    fr_osw1 = newFrame<Tfr_osw>(g_osw, "fr_osw1");
    newColumn(g_osw)->addWidget(fr_osw1);
    columnOf(page)->addWidget(g_osw);
}

BindingTable NoticeEditor::headBindings() const
{
    using namespace notice_head;
    return {
        {m_nip, vat_head::nip, Conv::EuVat},
        {c_urzsk, tax_office, Conv::Text},
        {r_rodzpod, taxpayer_kind, Conv::Index},
        {z_nazwisko, name, Conv::Text},
        // Only a person has a birth date; another taxpayer's stays as stored.
        {m_dur, birth_date, Conv::Date, 1, [this] { return isPerson(); }},
    };
}

void NoticeEditor::setDefaults()
{
    if (mode() == NewRecord)
        fr_osw1->m_dwyp->setText(fromRecordText(DateText(today())));
}

void NoticeEditor::applyRules() { r_rodzpodClick(); }

bool NoticeEditor::isPerson() const { return r_rodzpod->itemIndex() == kPerson; }

void NoticeEditor::r_rodzpodClick()
{
    const bool person = isPerson();
    e_nazwisko->setText(person ? "N&azwisko, pierwsze imię" : "N&azwa pełna");
    m_dur->setVisible(person);
    e_dur->setVisible(person);
    addressBox_->setTitle(person ? "B.2. ADRES ZAMIESZKANIA" : "B.2. ADRES SIEDZIBY");
}
