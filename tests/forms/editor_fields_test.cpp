// Each editor's own fields, those outside the entry frames and option
// groups: what the operator gives a control is saved at its field's offset,
// encoded as the form defines it, and shows again when the record is opened.
#include "desktop/forms/controls/CheckList.h"
#include "desktop/forms/controls/TriStateBox.h"
#include "forms/editor_test_support.h"

#include <QMetaProperty>

#include <variant>

namespace {

// A text (its length, then its code-page letters), a number of the field's width (lowest byte first),
// a date (the year lowest byte first, month, day) or the bytes themselves.
using Stored = std::variant<std::monostate, std::string, int, Date4, Record>;

struct OwnField {
    const char* control; // a name, or "group/name" where the name repeats
    Field field;
    QString given = {}; // none: a text as wide as the field; "x" ticks a box
    Stored stored = {}; // none: the text given
    std::optional<QString> shown = {}; // on reopening; none: as given
};

Record bytesOf(const Field& f, const Stored& value)
{
    if (const auto* text = std::get_if<std::string>(&value)) {
        Record bytes{static_cast<std::uint8_t>(text->size())};
        bytes.insert(bytes.end(), text->begin(), text->end());
        return bytes;
    }
    if (const auto* date = std::get_if<Date4>(&value))
        return {std::uint8_t(date->year & 0xFF), std::uint8_t(date->year >> 8), date->month, date->day};
    if (const auto* bytes = std::get_if<Record>(&value))
        return *bytes;
    Record bytes;
    for (std::uint32_t i = 0; i < f.width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(std::get<int>(value) >> (8 * i)));
    return bytes;
}

// A row without a value gets a text as wide as its field: "Ż" for the code page, then letters.
OwnField withValue(OwnField row, int n)
{
    if (!std::holds_alternative<std::monostate>(row.stored))
        return row;
    if (row.given.isEmpty()) {
        std::string letters;
        for (std::uint32_t i = 1; i < row.field.width - 1; ++i)
            letters += static_cast<char>('A' + (n + i) % 26);
        row.given = "Ż" + QString::fromLatin1(letters);
        row.stored = '\xAF' + letters;
    } else {
        row.stored = row.given.toStdString();
    }
    return row;
}

// A text, "x" to tick a box ("" clears it, "?" a three-state box not stated), an option's index, a
// date as shown, a check list's items as "x" or "-".
void enter(QObject* c, const QString& value)
{
    auto* button = qobject_cast<QAbstractButton*>(c);
    if (auto* masked = qobject_cast<MaskedEdit*>(c))
        masked->setText(value);
    else if (auto* tri = qobject_cast<TriStateBox*>(c))
        tri->setCheckState(value == "x" ? Qt::Checked : value.isEmpty() ? Qt::Unchecked : Qt::PartiallyChecked);
    else if (button && button->isChecked() != (value == "x"))
        button->click();
    else if (auto* options = qobject_cast<RadioGroup*>(c))
        options->button(value.toInt())->click();
    else if (auto* picker = qobject_cast<DatePicker*>(c))
        picker->setDate(QDate::fromString(value, "dd-MM-yyyy"));
    else if (auto* list = qobject_cast<CheckList*>(c))
        for (int i = 0; i < value.size(); ++i)
            list->setChecked(i, value[i] == 'x');
    else if (!button)
        c->metaObject()->userProperty().write(c, value); // a text box
}

// What the control shows, in the terms of enter().
QString shownIn(QObject* c)
{
    const auto* tri = qobject_cast<TriStateBox*>(c);
    const auto* list = qobject_cast<CheckList*>(c);
    QString ticks;
    for (int i = 0; list && i < list->count(); ++i)
        ticks += list->isChecked(i) ? 'x' : '-';
    if (auto* masked = qobject_cast<MaskedEdit*>(c))
        return masked->isBlank() ? QString() : masked->text().trimmed();
    if (tri && tri->checkState() == Qt::PartiallyChecked)
        return "?";
    if (auto* button = qobject_cast<QAbstractButton*>(c))
        return button->isChecked() ? "x" : "";
    if (auto* options = qobject_cast<RadioGroup*>(c))
        return QString::number(options->itemIndex());
    if (auto* picker = qobject_cast<DatePicker*>(c))
        return picker->date().toString("dd-MM-yyyy");
    return list ? ticks : c->metaObject()->userProperty().read(c).toString();
}

// Each form's rows, an option that shows a field before the field.
std::vector<OwnField> ownFields(Form form)
{
    using namespace nip;
    const Field c5 = vat21::countries.item(4);
    switch (form) {
    case Form::Nip1:
        return {{"m_nip", nip::nip, "1234567890", "1234567890", "123-456-78-90"}, {"c_urzsk", tax_office},
                {"rb_us", office_changed, "x", 1}, {"c_pop_us", prev_tax_office}, {"z_nazwisko", surname},
                {"z_imie1", first_name}, {"z_im2", second_name}, {"z_imojca", father_name}, {"z_immatki", mother_name},
                {"z_mur", birth_place}, {"z_nazw_rod", family_name}, {"z_nrdok_t", id_doc_no}, {"c_obyw", citizenship},
                {"m_pesel", pesel, "44051401359", "44051401359"},
                {"m_dur", birth_date, "31-02-2005", Date4{}, ""},        // no such day: no date
                {"c_rodz_dok_t", id_doc_kind, "", "", "DOWÓD OSOBISTY"}, // none stored, the default shown
                {"chbox_kor_adzam", corr_to_residence, "x", 1},
                {"d_rozp", activity_date, "29-02-2004", Date4{2004, 2, 29}},
                {"chbox_zw_pod", refund_to_account1, "x", 1}, {"z_nazpel", full_name}, {"z_nazskr", short_name},
                {"chbox_kor_siedz", corr_to_seat, "x", 1}};
    case Form::Nip3:
        return {{"m_nip", nip::nip, "123-456-78-90", "1234567890"}, {"c_urzsk", tax_office},
                {"m_dur", birth_date, "14-05-1944", Date4{1944, 5, 14}}, {"c_rodz_dok_t", id_doc_kind},
                {"z_infzm1", nip3_change1_items}, {"m_dzm1", nip3_change1_date, "01-02-2003", Date4{2003, 2, 1}},
                {"z_infzm2", nip3_change2_items}, {"m_dzm2", nip3_change2_date, "28-02-2006", Date4{2006, 2, 28}},
                {"chbox_kor_adzam", nip3_corr_to_residence, "x", 1},
                {"d_zak", activity_date, "31-12-2005", Date4{2005, 12, 31}}, {"nr_nip_br", nip3_agent_nip},
                {"z_nazwa_br", nip3_agent_name}};
    case Form::Nip2: // B.6: ticked 1, cleared 2, not stated 0, which the balance sheet loads as cleared
        return {{"m_nip", nip::nip, "1234567890", "1234567890", "123-45-67-890"}, {"c_urzsk", tax_office},
                {"rb_us", office_changed, "x", 1}, {"c_pop_us", prev_tax_office}, {"z_nazpel", full_name},
                {"z_nazskr", short_name}, {"m_l_reg", regon, "123456785", "123456785"},
                {"d_rozp", activity_date, "29-02-2004", Date4{2004, 2, 29}}, {"z_kod_fpr", nip2_special_form_code},
                {"chbox_bil", nip2_flag_balance_sheet, "?", 0, ""}, {"chbox_bank", nip2_flag_bank, "x", 1},
                {"chbox_zagr_drw", nip2_flag_foreign_small_firm, "", 2},
                {"chbox_zpch", nip2_flag_sheltered_workshop, "?", 0},
                {"chbox_kapzagr", nip2_flag_foreign_capital, "x", 1},
                {"chbox_sp_skar", nip2_flag_state_sole_company, "", 2},
                {"chbox_sp_prh", nip2_flag_state_minor_company, "?", 0},
                {"chbox_zaktz", nip2_flag_activity_centre, "x", 1},
                {"chbox_zw_pod", refund_to_account1, "x", 1}, {"nazp_mac", nip2_parent_full_name},
                {"nazskr_mac", nip2_parent_short_name}, {"m_reg_mac", nip2_parent_regon, "987654321", "987654321"},
                {"m_nip_mac", nip2_parent_nip, "987-654-32-10", "9876543210", "987-65-43-210"}};
    case Form::NipB: // texts stored without the blanks around them
        return {{"m_nip", nipb::nip, "123-456-78-90", "123-456-78-90"}, {"Ch_os", nipb::is_person, "x", 1},
                {"z_nazwisko", nipb::name, " KOWALSKI ", "KOWALSKI", "KOWALSKI"},
                {"z_imie", nipb::first_name, " JAN ", "JAN", "JAN"},
                {"m_dur", nipb::birth_date, "15-03-1970", Date4{1970, 3, 15}},
                {"m_pesel", nipb::id_no, "70031512345", "70031512345"}};
    case Form::VatR: { // a company's local unit: a REGON of fourteen digits
        using namespace vatr;
        return {{"m_nip", vatr::nip, "FR12345678901", "FR12345678901", "FR123-456-78-901"},
                {"c_urzsk", vatr::tax_office}, {"rb_us", vatr::office_changed, "x", 1},
                {"c_pop_us", vatr::prev_tax_office},
                {"z_nazwisko", name}, {"z_imojca", name_2}, {"m_pesel", id_no, "12345678901234", "12345678901234"},
                {"m_dur", birth_or_start_date, "01-01-1980", Date4{1980, 1, 1}}, {"z_nipzagr", foreign_vat_no},
                {"ch_obow_pod", c1_items, "x-x------x", Record{1, 0, 1, 0, 0, 0, 0, 0, 0, 1}},
                {"dt_obow", c1_date, "02-03-2004", Date4{2004, 3, 2}}, {"rb_kas2", cash_method, "x", 2},
                {"cb_dt2_m", cash_method_period, "5", 5}, {"m_dt2_rok", cash_method_year, "2004", 2004},
                {"rb_kw3", quarterly, "x", 3}, {"cb_dt3_m", quarterly_quarter, "2", 2},
                {"m_dt3_rok", quarterly_year, "2003", 2003}, {"RB_proc2", special_proc, "x", 2},
                {"cb_dt4_m", special_proc_month, "11", 11}, {"m_dt4_rok", special_proc_year, "2002", 2002},
                {"rb_dek3", first_decl_form, "x", 3}, {"cb_dt5_m", first_decl_period, "7", 7},
                {"m_dt5_rok", first_decl_year, "2001", 2001}, {"ch_zalue", vat_r_ue_attached, "x", 1},
                {"g_d/z_osw_tel", declarant_phone}, {"g_d/z_email", declarant_email},
                {"ch_wdt", ue_kinds.item(0), "x", 1}, {"Ch_wnt", ue_kinds.item(1), "", 0},
                {"ch_wnt1", ue_kinds.item(2), "x", 1}, {"Ch_usl", ue_kinds.item(3), "", 0},
                {"dt_rozp", ue_start_date, "01-05-2004", Date4{2004, 5, 1}},
                {"ch_rez_wdt", ue_end_kinds.item(0), "", 0},
                {"ch_rez_wnt", ue_end_kinds.item(1), "x", 1}, {"ch_rez_usl", ue_end_kinds.item(2), "", 0},
                {"ch_rez", ue_end_kinds.item(3), "x", 1}, {"dt_zak", ue_end_date, "30-06-2004", Date4{2004, 6, 30}},
                {"ch_kaucja", deposit, "x", 1}};
    }
    case Form::VatZ: {
        using namespace vatz;
        return {{"m_nip", vatz::nip, "PL5260250274", "PL5260250274", "PL526-025-02-74"}, {"c_urzsk", vatz::tax_office},
                {"r_rodzpod", taxpayer_kind, "1", 1}, {"z_nazwisko", name},
                {"m_dur", vatz::birth_date, "15-03-1970", Date4{1970, 3, 15}},
                {"dt_zap", cessation_date, "30-11-2004", Date4{2004, 11, 30}}, {"c_us_ost", last_decl_office},
                {"cb_dt_ost_m", last_decl_period, "11", 11}, {"m_dt_ost_rok", last_decl_year, "2003", 2003}};
    }
    case Form::Vat21: // a resignation: the three dates of a named row
        return {{"m_nip", vat21::nip, "PL1234567890", "PL1234567890", "PL123-456-78-90"},
                {"R_CEL", vat21::purpose, "1", 1}, {"fr_wyb_kr5/c_kraj", c5 / country_entry::country},
                {"fr_wyb_kr5/dt_dost", c5 / country_entry::first_supply, "01-06-2005", Date4{2005, 6, 1}},
                {"fr_wyb_kr5/dt_zgl", c5 / country_entry::choice_notified, "02-06-2005", Date4{2005, 6, 2}},
                {"fr_wyb_kr5/dt_dost_po_rez", c5 / country_entry::planned_supply_after, "03-06-2005",
                 Date4{2005, 6, 3}}};
    }
    return {};
}

} // namespace

class EditorFieldsTest : public EditorTest {
    Q_OBJECT

private slots:
    void eachFieldIsSavedAtItsOffsetAndShownAgain()
    {
        for (const FormInfo& form : forms()) {
            std::vector<OwnField> rows = ownFields(form.form);
            for (std::size_t n = 0; n < rows.size(); ++n)
                rows[n] = withValue(rows[n], static_cast<int>(n));
            const auto where = [&form](const OwnField& row) { return QString(form.name.data()) + " " + row.control; };
            auto d = openEditor(form.form, EditorDialog::NewRecord);
            for (const OwnField& row : rows) {
                QVERIFY2(control(*d, row.control), qPrintable(where(row)));
                enter(control(*d, row.control), row.given);
            }
            d->kl_okClick();
            const Record saved = storedRecord(form.form);
            for (const OwnField& row : rows) {
                const Record expected = bytesOf(row.field, row.stored);
                QVERIFY2(bytesAt(saved, row.field.offset, std::uint32_t(expected.size())) == expected,
                         qPrintable(where(row)));
            }
            d = openEditor(form.form, EditorDialog::Update);
            for (const OwnField& row : rows)
                QCOMPARE(where(row) + ": " + shownIn(control(*d, row.control)),
                         where(row) + ": " + row.shown.value_or(row.given));
        }
    }
};

int runEditorFieldsTest(int argc, char** argv) { return runTest<EditorFieldsTest>(argc, argv); }

#include "editor_fields_test.moc"
