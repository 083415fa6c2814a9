// The bytes each entry frame and each option group stores, against the
// record layouts: a value put into every box of a frame lands at its own
// field's offset, filling the field, in the record's encoding written out
// here; the same bytes loaded show in the same boxes; an option group
// stores the number the form defines for each option.
#include "core/records/nip_record.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/shell/Binding.h"
#include "desktop/widgets/MaskedEdit.h"
#include "forms/editor_test_support.h"

#include <QAbstractButton>
#include <QMetaProperty>
#include <QtTest>

namespace {

constexpr std::uint8_t kPattern = 0x5A;

// A box (a path of object names below its frame) and the record field the
// form stores it in. A masked box shows one of its own two texts, a count's
// stored as its number. A radio group, or buttons named one after the
// other, stores the form's number for each option in the options' order.
// Any other box of a byte is a tick box.
struct Box {
    QString name;
    Field field;
    QStringList masked = {};
    std::vector<int> codes = {};
};
using Boxes = std::vector<Box>;

Boxes operator+(Boxes a, const Boxes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Boxes of a frame in an editor ("" for boxes the editor holds itself).
struct Instance {
    Form form;
    QString frame;
    Boxes boxes;
};

Boxes address(const Field& block, std::size_t boxCount = 12)
{
    namespace a = address_block;
    Boxes boxes = {{"c_kraj", block / a::country},   {"c_woj", block / a::voivodeship},
                   {"c_pow", block / a::county},     {"c_gmina", block / a::commune},
                   {"z_ul", block / a::street},      {"z_nrd", block / a::house_no},
                   {"z_nrlok", block / a::flat_no},  {"c_miejsc", block / a::locality},
                   {"m_kodp", block / a::postcode, {"12-345", "98-765"}},
                   {"z_poczta", block / a::post_office}, {"z_tel", block / a::phone},
                   {"z_faks", block / a::fax}};
    boxes.resize(boxCount);
    return boxes;
}

Boxes bank(const Field& block)
{
    namespace b = bank_block;
    return {{"c_naz_ban", block / b::bank_name}, {"z_nrrach", block / b::number},
            {"z_pos_rach", block / b::holder},   {"chbox_lik_rach", block / b::closed}};
}

Boxes declarant(const Field& firstName, const Field& surname, const Field& fillDate)
{
    return {{"z_osw_im", firstName}, {"z_osw_nazw", surname}, {"m_dwyp", fillDate}};
}

// Counts beyond the up-downs' range (0 to 10).
Boxes attachments(std::initializer_list<Field> counts)
{
    Boxes boxes;
    for (const Field& count : counts) {
        const int n = static_cast<int>(boxes.size());
        boxes.push_back(
            {QString("m_zal_") + QChar('a' + n), count, {QString::number(11 + 11 * n), QString::number(60 + 11 * n)}});
    }
    return boxes;
}

Boxes partner(int k)
{
    namespace p = partner_entry;
    const Field entry = nip::partners.item(static_cast<std::uint32_t>(k - 1));
    return Boxes{{"r_pow_zl", entry / p::reason, {}, {1, 2, 3}},
                 {"m_d_przyst", entry / p::date},
                 {"r_for_ucz", entry / p::participation, {}, {1, 2, 3, 4, 5}},
                 {"r_rodz_podm", entry / p::kind, {}, {1, 2, 3}},
                 {"z_naz_pel", entry / p::name},
                 {"m_nip_wsp", entry / p::nip, {"123-456-78-90", "987-65-43-210"}},
                 {"m_reg_wsp", entry / p::regon_pesel, {"12345678901", "10987654321"}}} +
           address(entry / p::addr);
}

std::vector<Instance> frameInstances()
{
    using namespace nip;
    using F = Form;
    const Boxes foreignIds = {{"fr_zg_in_kr1.z_in_kr", foreign_id1_country},
                              {"fr_zg_in_kr1.r_in_kr_c", foreign_id1_purpose, {}, {1, 2}},
                              {"fr_zg_in_kr1.z_in_kr_nr", foreign_id1_number},
                              {"fr_zg_in_kr2.z_in_kr", foreign_id2_country},
                              {"fr_zg_in_kr2.r_in_kr_c", foreign_id2_purpose, {}, {1, 2}},
                              {"fr_zg_in_kr2.z_in_kr_nr", foreign_id2_number}};
    const Boxes activity = {
        {"m_dzial", consecutiveLines(activity_desc_1, 3)}, {"z_pkd", pkd_code}, {"z_ekd", ekd_code}};
    const Boxes accounting = {{"r_rodz_dok", accounting_kind, {}, {1, 2, 3, 4}},
                              {"r_prow_dok", accounting_keeper, {}, {1, 2}},
                              {"nr_nip_br", office_nip},
                              {"z_nazwa_br", office_name}};
    const Boxes organ = {{"z_naz_org_rej", reg_organ_name}, {"z_nazrej", register_name},
                         {"m_drej", register_date}, {"z_nrrej", register_no}};
    std::vector<Instance> rows = {
        {F::Nip1, "fr_nr_in_kr1", foreignIds},
        {F::Nip1, "", {{"m_l_reg", regon, {"12345678901234", "123456789"}}}}, // a local unit's, then nine digits
        {F::Nip1, "fr_adr_zameld", address(reg_addr)},
        {F::Nip1, "fr_adr1", address(res_addr)},
        {F::Nip1, "fr_rach_os", bank(pers_bank)},
        {F::Nip1, "fr_dzial1", activity},
        {F::Nip1, "fr_dok_rach1", accounting},
        {F::Nip1, "fr_adr_dok_rach", address(records_addr)},
        {F::Nip1, "fr_org_rej1", organ},
        {F::Nip1, "fr_adr_siedz", address(seat_addr)},
        {F::Nip1, "fr_zal1", attachments({attach_a_count, attach_b_count, attach_c_count})},
        {F::Nip2, "fr_org_rej1", organ},
        {F::Nip2, "fr_adr_sie", address(seat_addr)},
        {F::Nip2, "fr_nr_in_kr", foreignIds},
        {F::Nip2, "fr_dzial2", activity},
        {F::Nip2, "", accounting},
        {F::Nip2, "fr_adr1", address(records_addr)},
        {F::Nip2, "fr_org_rej2",
         {{"z_naz_org_rej", nip2_parent_organ_name}, {"z_nazrej", nip2_parent_register_name},
          {"m_drej", nip2_parent_register_date}, {"z_nrrej", nip2_parent_register_no}}},
        {F::Nip2, "fr_adr_siedz", address(nip2_parent_seat_addr)},
        {F::Nip2, "fr_zal1", attachments({attach_a_count, attach_b_count, attach_c_count, attach_d_count})},
        {F::Nip3, "fr_nr_in_kr1", foreignIds},
        {F::Nip3, "fr_adr_zameld", address(nip3_reg_addr)},
        {F::Nip3, "fr_adr1", address(nip3_res_addr)},
        {F::Nip3, "fr_rach_os", bank(nip3_pers_bank)},
        {F::Nip3, "", attachments({attach_a_count})},
        {F::NipB, "fr_osw1", declarant(nipb::declarant_first_name, nipb::declarant_surname, nipb::fill_date)},
        {F::VatR, "Fr_adr_s", address(vatr::addr) + Boxes{{"z_email", vatr::addr_email}}},
        {F::VatR, "fr_osw", declarant(vatr::declarant_first_name, vatr::declarant_surname, vatr::fill_date)},
        {F::VatZ, "Fr_adr_s", address(vatz::addr) + Boxes{{"z_email", vatz::addr_email}}},
        {F::VatZ, "fr_osw1", declarant(vatz::declarant_first_name, vatz::declarant_surname, vatz::fill_date)},
        {F::Vat21, "fr_adr_s", address(vat21::addr, 10)}, // country to post office
        {F::Vat21, "fr_osw1", declarant(vat21::declarant_first_name, vat21::declarant_surname, vat21::fill_date)},
    };
    for (Form form : {F::Nip1, F::Nip2, F::Nip3})
        rows.push_back({form, "fr_osw1", declarant(declarant_first_name, declarant_surname, fill_date)});
    const Field banks[] = {bank1, bank2, bank3, bank4};
    const Field sites[] = {site1_addr, site2_addr, site3_addr};
    for (int k = 1; k <= 6; ++k) {
        const QString n = QString::number(k);
        if (k <= 4)
            rows.push_back({F::Nip1, "fr_nrrach" + n, bank(banks[k - 1])});
        if (k <= 3)
            rows.push_back({F::Nip2, "fr_nrrach" + n, bank(banks[k - 1])});
        if (k <= 2)
            rows.push_back({F::Nip1, "fr_adr_dz" + n, address(sites[k - 1])});
        if (k <= 3)
            rows.push_back({F::Nip2, "fr_adr_dz" + n, address(sites[k - 1])});
        rows.push_back({F::Nip2, "fr_wsp" + n, partner(k)});
        rows.push_back({F::NipB, "fr_nrrach" + n, bank(nipb::banks.item(std::uint32_t(k - 1)))});
    }
    return rows;
}

// Every option group of the editors stored as a number: the editors' own
// and those of the frames.
std::vector<Instance> optionGroups(const std::vector<Instance>& frames)
{
    using namespace nip;
    using F = Form;
    const Box officeChanged = {"rb_nie_us rb_us", office_changed, {}, {0, 1}};
    const Box purposeOf2 = {"r_przez_form", purpose, {}, {1, 2}};
    const Box sexIndex = {"r_plec", sex, {}, {0, 1}};
    const Box siteReasons[] = {{"r_pow_zgl_adr1", site1_reason, {}, {1, 2}},
                               {"r_pow_zgl_adr2", site2_reason, {}, {1, 2}},
                               {"r_pow_zgl_adr3", site3_reason, {}, {1, 2}}};
    std::vector<Instance> groups = {
        {F::Nip1, "",
         {officeChanged, purposeOf2, sexIndex, siteReasons[0], siteReasons[1],
          {"r_rodz_drozp", activity_date_kind, {}, {1, 2, 3}}, {"r_stat_dzial", special_status, {}, {1, 2, 3}}}},
        {F::Nip2, "",
         {officeChanged, siteReasons[0], siteReasons[1], siteReasons[2],
          {"rb_ident rb_akt rb_akt_nip", purpose, {}, {1, 2, 3}}, {"r_rodz_drozp", activity_date_kind, {}, {1, 2}},
          {"r_for_org", nip2_org_form, {}, {1, 2, 3, 4}}, {"r_for_pr", nip2_legal_form, {}, {1, 2}}}},
        {F::Nip3, "", {officeChanged, purposeOf2, sexIndex}},
        {F::VatR, "",
         {{"rb_nie_us rb_us", vatr::office_changed, {}, {0, 1}}, {"r_przez_form", vatr::purpose, {}, {1, 2}},
          {"r_rodzpod", vatr::taxpayer_kind, {}, {0, 1, 2}},
          {"rb_kas1 rb_kas2 rb_kas3 rb_kas0", vatr::cash_method, {}, {1, 2, 3, 0}},
          {"rb_kw1 rb_kw2 rb_kw3 rb_kw0", vatr::quarterly, {}, {1, 2, 3, 0}},
          {"rb_proc1 RB_proc2 rb_proc3 rb_proc4 rb_proc0", vatr::special_proc, {}, {1, 2, 3, 4, 0}},
          {"rb_dek1 rb_dek2 rb_dek3 rb_dek4", vatr::first_decl_form, {}, {1, 2, 3, 4}}}},
        {F::VatZ, "",
         {{"r_rodzpod", vatz::taxpayer_kind, {}, {0, 1}}, {"r_przycz", vatz::cessation_reason, {}, {0, 1, 2, 3}}}},
        {F::Vat21, "", {{"r_rodzpod", vat21::taxpayer_kind, {}, {0, 1}}, {"R_CEL", vat21::purpose, {}, {0, 1}}}},
    };
    for (const Instance& in : frames)
        if (std::any_of(in.boxes.begin(), in.boxes.end(), [](const Box& b) { return !b.codes.empty(); }))
            groups.push_back(in);
    return groups;
}

QWidget* byPath(QWidget* root, const QString& path)
{
    for (const QString& name : path.split('.', Qt::SkipEmptyParts))
        root = root ? root->findChild<QWidget*>(name) : nullptr;
    return root;
}

// The options of a group: a radio group's buttons, or the buttons named.
QList<QAbstractButton*> optionsOf(QWidget* frame, const QString& names)
{
    QList<QAbstractButton*> buttons;
    if (auto* group = qobject_cast<RadioGroup*>(byPath(frame, names)))
        for (int i = 0; i < group->count(); ++i)
            buttons << group->button(i);
    else
        for (const QString& name : names.split(' '))
            buttons << qobject_cast<QAbstractButton*>(byPath(frame, name));
    return buttons;
}

// A value as its box shows it (an option by its index, a tick as "true" or
// "false", memo lines joined by line breaks) and the bytes of its field.
struct Value {
    QString shown;
    std::vector<std::uint8_t> bytes;
};

// Value `seed` (0 or 1) of the box, `salt` telling the boxes of an
// instance apart. A text fills its field: the length byte, then "Ż" (0xAF
// in the record's code page) and letters.
Value valueOf(const Box& b, int seed, int salt)
{
    const auto byte = [](int n) { return static_cast<std::uint8_t>(n); };
    if (!b.codes.empty()) {
        const std::size_t option = seed == 0 ? 0 : b.codes.size() - 1;
        return {QString::number(option), {byte(b.codes[option])}};
    }
    if (b.field.type == FieldType::Date) {
        const int year = 1990 + salt + 20 * seed, month = 1 + (salt + 5 * seed) % 12, day = 10 + salt % 15;
        return {QString::asprintf("%02d-%02d-%04d", day, month, year),
                {byte(year & 0xFF), byte(year >> 8), byte(month), byte(day)}};
    }
    if (b.field.type == FieldType::U8)
        return b.masked.isEmpty() ? Value{seed == 0 ? "true" : "false", {byte(seed == 0)}}
                                  : Value{b.masked[seed], {byte(b.masked[seed].toInt())}};
    if (!b.masked.isEmpty()) {
        Value v{b.masked[seed], {byte(int(b.masked[seed].size()))}};
        for (QChar c : b.masked[seed])
            v.bytes.push_back(byte(c.toLatin1()));
        return v;
    }
    Value v;
    for (std::uint32_t line = 0; line < b.field.count; ++line) { // a memo's lines: one string each
        v.shown += line ? "\nŻ" : "Ż";
        v.bytes.insert(v.bytes.end(), {byte(int(b.field.capacity())), 0xAF});
        for (std::uint32_t i = 1; i < b.field.capacity(); ++i) {
            const char c = static_cast<char>('A' + (salt * 3 + seed * 7 + int(line) * 5 + int(i)) % 26);
            v.shown += QChar(c);
            v.bytes.push_back(byte(c));
        }
    }
    return v;
}

// What the box shows; with `put`, the operator first puts that value in.
// Boxes other than masked ones are read and set through their user
// property (a text, a tick, a memo's text).
QString showing(QWidget* frame, const Box& b, const QString* put = nullptr)
{
    if (!b.codes.empty()) {
        const QList<QAbstractButton*> options = optionsOf(frame, b.name);
        if (put)
            options.at(put->toInt())->click();
        for (int i = 0; i < options.size(); ++i)
            if (options[i]->isChecked())
                return QString::number(i);
        return "none";
    }
    QWidget* box = byPath(frame, b.name);
    if (auto* masked = qobject_cast<MaskedEdit*>(box)) {
        if (put)
            masked->setText(*put);
        return masked->text().trimmed();
    }
    const QMetaProperty value = box->metaObject()->userProperty();
    if (put)
        value.write(box, *put);
    return value.read(box).toString();
}

bool saved(EditorDialog& d)
{
    d.kl_ok->click();
    return d.result() == QDialog::Accepted;
}

void addRows(const std::vector<Instance>& rows)
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < rows.size(); ++i) // named by the frame, or by the editor's first box
        QTest::addRow("%s %s", formInfo(rows[i].form).name.data(),
                      qPrintable(rows[i].frame.isEmpty() ? rows[i].boxes[0].name : rows[i].frame)) << int(i);
}

} // namespace

class FrameBytesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<UiTestEnvironment<>> env;
    const std::vector<Instance> frames = frameInstances();
    const std::vector<Instance> groups = optionGroups(frames);

private slots:
    void init() { env = std::make_unique<UiTestEnvironment<>>(); }
    void cleanup() { env.reset(); }

    // Loaded from bytes written at each box's field, every box shows its
    // value; other values put into the boxes are saved at the same fields,
    // and no byte outside them changes with them.
    void eachBoxShowsAndStoresItsOwnField_data() { addRows(frames); }
    void eachBoxShowsAndStoresItsOwnField()
    {
        QFETCH(int, row);
        const Instance& in = frames[std::size_t(row)];
        Record rec = newRecord(in.form, kPattern);
        for (std::size_t k = 0; k < in.boxes.size(); ++k) {
            const Value v = valueOf(in.boxes[k], 0, int(k));
            std::copy(v.bytes.begin(), v.bytes.end(), rec.begin() + in.boxes[k].field.offset);
        }
        writeRecordFile(in.form, newRecord(in.form), rec);
        auto d = openEditor(in.form, EditorDialog::Update);
        QWidget* frame = byPath(d.get(), in.frame);
        QVERIFY(frame);
        for (std::size_t k = 0; k < in.boxes.size(); ++k)
            QCOMPARE(in.boxes[k].name + ": " + showing(frame, in.boxes[k]),
                     in.boxes[k].name + ": " + valueOf(in.boxes[k], 0, int(k)).shown);

        QVERIFY(saved(*d));
        const Record before = storedRecord(in.form);
        for (std::size_t k = 0; k < in.boxes.size(); ++k) {
            const QString put = valueOf(in.boxes[k], 1, int(k)).shown;
            showing(frame, in.boxes[k], &put);
        }
        QVERIFY(saved(*d));
        Record after = storedRecord(in.form);
        for (std::size_t k = 0; k < in.boxes.size(); ++k) {
            const Field& f = in.boxes[k].field;
            const Value v = valueOf(in.boxes[k], 1, int(k));
            QVERIFY2(std::equal(v.bytes.begin(), v.bytes.end(), after.begin() + f.offset),
                     qPrintable(in.boxes[k].name));
            std::copy(before.begin() + f.offset, before.begin() + f.end(), after.begin() + f.offset);
        }
        for (std::size_t i = 0; i < after.size(); ++i)
            QVERIFY2(after[i] == before[i], qPrintable(QString("byte %1 changed").arg(i)));
    }

    // Each option loads from the form's number for it and saves as it.
    void eachOptionIsStoredAsTheFormsNumber_data() { addRows(groups); }
    void eachOptionIsStoredAsTheFormsNumber()
    {
        QFETCH(int, row);
        const Instance& in = groups[std::size_t(row)];
        writeRecordFile(in.form, newRecord(in.form), newRecord(in.form, kPattern));
        auto d = openEditor(in.form, EditorDialog::Update);
        QWidget* frame = byPath(d.get(), in.frame);
        Bytes buffer = bufferOf(in.form);
        for (const Box& b : in.boxes) {
            const int n = static_cast<int>(b.codes.size());
            for (int i = 0; i < n; ++i) {
                buffer[b.field.offset] = static_cast<std::uint8_t>(b.codes[std::size_t(i)]);
                LoadBindings(d->bindings(), buffer);
                QCOMPARE(b.name + ": " + showing(frame, b), b.name + ": " + QString::number(i));
                const QString next = QString::number((i + 1) % n);
                showing(frame, b, &next);
                QVERIFY(saved(*d));
                QCOMPARE(int(storedRecord(in.form)[b.field.offset]), b.codes[std::size_t((i + 1) % n)]);
            }
        }
    }
};

int runFrameBytesTest(int argc, char** argv)
{
    FrameBytesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "frame_bytes_test.moc"
