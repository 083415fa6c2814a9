// What every editor of the form table must do with its record, checked over
// its binding table: every field of the form is shown by a control or left
// out on purpose; each control lands in the field the form puts it in; a
// record goes through loading and saving byte for byte, and no byte outside
// the bound fields changes.
#include "desktop/widgets/MaskedEdit.h"
#include "core/common/edit_mask.h"
#include "desktop/widgets/record_text.h"
#include "desktop/forms/shell/EditorDialog.h"
#include "desktop/forms/controls/Memo.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/controls/UpDown.h"
#include "desktop/forms/editors/editor_factory.h"
#include "forms/editor_placements.h"
#include "forms/editor_test_support.h"
#include "core/records/cleared_record.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/register/register_state.h"
#include "support/ui_test_environment.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <random>
#include <vector>

namespace {

constexpr std::uint8_t kPattern = 0xA5;

// Repeated entries a form keeps only while in use (a reason given and a
// name): saving stores the whole area afresh, so an entry out of use comes
// back as zeros and one in use keeps nothing beyond its texts.
struct EntriesInUse {
    Field area; // the repeated entries
    Field reason; // members of an entry; a reason of no width: the name alone tells
    Field name;
};
const EntriesInUse kNip2Partners = {nip::partners, partner_entry::reason, partner_entry::name};
// The countries of a VAT-21: in use while they name a country (no reason).
const EntriesInUse kVat21Countries = {vat21::countries, {}, country_entry::country};

struct EditorCase {
    Form form;
    Placement (*placement)();
    const EntriesInUse* entries = nullptr;
    // A second state of the sample, gone through in rounds 3 and 4, for a
    // form that stores some fields from another control's state: sets that
    // control's field in both records and what the form then stores instead
    // in `expected`.
    void (*otherState)(Bytes sample, Bytes expected) = nullptr;
};

// A NIP-B of a company: a nine-digit REGON, and an empty first name and no
// birth date stored whatever the hidden boxes were loaded with.
void nipbOfACompany(Bytes sample, Bytes expected)
{
    for (Bytes rec : {sample, expected}) {
        setU8(rec, nipb::is_person, 0);
        setStr(rec, nipb::id_no, getStr(rec, nipb::id_no).substr(0, 9));
    }
    setStr(expected, nipb::first_name, "");
    setDate(expected, nipb::birth_date, Date4{});
}

// A VAT-Z or VAT-21 of a company: the birth date stays as it was stored.
void noticeOfACompany(Bytes sample, Bytes expected)
{
    for (Bytes rec : {sample, expected})
        setU8(rec, notice_head::taxpayer_kind, 0);
}

// One row per editor.
const EditorCase kCases[] = {
    {Form::Nip1, nip1Placement},
    {Form::Nip3, nip3Placement},
    {Form::Nip2, nip2Placement, &kNip2Partners},
    {Form::VatR, vatrPlacement},
    {Form::NipB, nipbPlacement, nullptr, nipbOfACompany},
    {Form::Vat21, vat21Placement, &kVat21Countries, noticeOfACompany},
    {Form::VatZ, vatzPlacement, nullptr, noticeOfACompany},
};

bool contains(const Field& outer, const Field& inner)
{
    return inner.offset >= outer.offset && inner.end() <= outer.end();
}

// The name the form gives a bound control: its own, the checked button's of
// a button group, or the nearest frame's that the placement names.
QString placedName(const QObject* control, const Placement& placement)
{
    if (auto* group = qobject_cast<const QButtonGroup*>(control))
        return group->button(1)->objectName();
    for (auto* w = qobject_cast<const QWidget*>(control); w; w = w->parentWidget())
        if (placement.count(w->objectName()))
            return w->objectName();
    return control->objectName();
}

// Every non-reserved field of the layouts, blocks opened into their members.
void leafFields(const Layout& layout, std::uint32_t base, std::vector<Field>& out)
{
    for (const Field& f : layout.fields) {
        if (f.type == FieldType::Reserved)
            continue;
        if (f.type != FieldType::Group) {
            // Items of a repeated field may go to controls of their own.
            for (std::uint32_t k = 0; k < f.count; ++k) {
                Field at = f.item(k);
                at.offset += base;
                out.push_back(at);
            }
            continue;
        }
        for (std::uint32_t k = 0; k < f.count; ++k)
            leafFields(*f.group, base + f.item(k).offset, out);
    }
}

// A text for the field that the control shows and gives back unchanged: a
// masked edit's positions all filled, any other box filled to the field's
// width with letters that differ from field to field.
std::string sampleText(const QObject* control, const Field& f, int n)
{
    if (auto* m = qobject_cast<const MaskedEdit*>(control); m && !m->editMask().isEmpty()) {
        EditMask mask(toRecordText(m->editMask()));
        for (std::size_t pos = mask.nextEditable(0); pos < mask.length(); pos = mask.nextEditable(pos + 1))
            for (char c : std::string("123456789ABC"))
                if (mask.type(pos, static_cast<char>(c + (c <= '9' ? 0 : n % 20))))
                    break;
        return mask.text().substr(0, f.capacity());
    }
    std::string text;
    for (std::uint32_t i = 0; i < f.capacity(); ++i)
        text += static_cast<char>('A' + (n + i) % 26);
    text[0] = static_cast<char>(0xAF); // "Ż": the code page goes through too
    return text;
}

int optionCount(const QObject* control)
{
    if (auto* r = qobject_cast<const RadioGroup*>(control))
        return r->count();
    return static_cast<int>(qobject_cast<const QButtonGroup*>(control)->buttons().size());
}

// Puts a value the binding's control can show into its field.
void putSample(const Binding& b, Bytes rec, int n)
{
    const Field& f = b.field;
    switch (b.conv) {
    case Conv::Text:
    case Conv::TextOrDefault:
    case Conv::TrimmedText:
        setStr(rec, f, sampleText(b.control, f, n));
        break;
    case Conv::Nip:
        setStr(rec, f, std::to_string(1234567000 + n));
        break;
    case Conv::EuVat:
        setStr(rec, f, "DE" + std::to_string(123456000 + n));
        break;
    case Conv::Postcode:
        setStr(rec, f, "8" + std::to_string(n % 10) + "-" + std::to_string(100 + n));
        break;
    case Conv::Date:
    case Conv::PickerDate:
        setDate(rec, f,
                Date4{static_cast<std::uint16_t>(1990 + n % 30), static_cast<std::uint8_t>(1 + n % 12),
                      static_cast<std::uint8_t>(1 + n % 28)});
        break;
    case Conv::Choice:
        setU8(rec, f, static_cast<std::uint8_t>(1 + n % optionCount(b.control)));
        break;
    case Conv::Index:
    case Conv::Code:
        setU8(rec, f, static_cast<std::uint8_t>(n % optionCount(b.control)));
        break;
    case Conv::ButtonFlag:
    case Conv::Flag:
    case Conv::TriStateFlag:
        setU8(rec, f, 1);
        break;
    case Conv::TriState:
        setU8(rec, f, static_cast<std::uint8_t>(n % 3));
        break;
    case Conv::Count:
        setU8(rec, f, static_cast<std::uint8_t>(11 + n % 89)); // beyond the buttons' range
        break;
    case Conv::MemoLines:
    case Conv::MemoFilledLines:
        for (std::uint32_t k = 0; k < f.count; ++k)
            setStr(rec, f.item(k), sampleText(b.control, f.item(k), n + static_cast<int>(k)));
        break;
    case Conv::ComboChoice:
        setU8(rec, f, static_cast<std::uint8_t>(1 + n % qobject_cast<const QComboBox*>(b.control)->count()));
        break;
    case Conv::Year:
        setI32(rec, f, 1990 + n % 100);
        break;
    case Conv::CheckList:
        for (std::uint32_t k = 0; k < f.count; ++k)
            setU8(rec, f.item(k), static_cast<std::uint8_t>((n + k) % 2));
        break;
    }
}

// Takes one entry in three out of use by its reason and one by its name, and
// cuts the name of each entry left in use short, the old letters after it;
// `expected` gets what the form stores instead.
void putEntriesOutOfUse(const EntriesInUse& e, Bytes rec, Bytes expected)
{
    for (std::uint32_t k = 0; k < e.area.count; ++k) {
        const Field entry = e.area.item(k);
        const Field name = entry / e.name;
        switch (k % 3) {
        case 0: {
            const std::string shortName = getStr(rec, name).substr(0, 5);
            setStr(rec, name, shortName);
            setStr(expected, name, shortName);
            std::fill(expected.begin() + name.offset + 1 + shortName.size(), expected.begin() + name.end(), 0);
            break;
        }
        case 1:
            if (e.reason.width != 0)
                setU8(rec, entry / e.reason, 0);
            else
                setStr(rec, name, "");
            clearField(expected, entry);
            break;
        case 2:
            setStr(rec, name, "");
            clearField(expected, entry);
            break;
        }
    }
}

QString fieldAt(const std::vector<Field>& fields, std::size_t offset)
{
    for (const Field& f : fields)
        if (offset >= f.offset && offset < f.end())
            return QString::fromUtf8(f.name.data(), static_cast<int>(f.name.size()));
    return "a byte of no bound field";
}

} // namespace

class EditorTableTest : public QObject {
    Q_OBJECT
    std::unique_ptr<UiTestEnvironment<>> env;

    void addForms()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < std::size(kCases); ++i)
            QTest::newRow(formInfo(kCases[i].form).name.data()) << static_cast<int>(i);
    }
    std::unique_ptr<EditorDialog> editorOf(const EditorCase& c)
    {
        std::unique_ptr<EditorDialog> d = newEditor(c.form, nullptr);
        if (!d)
            QTest::qFail("the form has no editor", __FILE__, __LINE__);
        return d;
    }

private slots:
    void init() { env = std::make_unique<UiTestEnvironment<>>(); }
    void cleanup() { env.reset(); }

    void everyFieldIsBoundOrLeftOutOnPurpose_data() { addForms(); }
    void everyFieldIsBoundOrLeftOutOnPurpose()
    {
        QFETCH(int, row);
        const EditorCase& c = kCases[row];
        auto d = editorOf(c);
        QVERIFY(d);
        std::vector<Field> fields;
        for (const Layout* layout : d->form().layouts)
            leafFields(*layout, 0, fields);
        for (const Field& f : fields) {
            bool covered = f.offset == nip::account_no.offset || (d->form().formType && f.offset == nip::form_type.offset);
            for (const Binding& b : d->bindings())
                covered = covered || contains(b.field, f);
            for (const Field& u : d->unboundFields())
                covered = covered || contains(u, f);
            QVERIFY2(covered, qPrintable(QString::fromUtf8(f.name.data(), int(f.name.size())) + " is not bound"));
        }
    }

    void eachControlLandsInItsOwnField_data() { addForms(); }
    void eachControlLandsInItsOwnField()
    {
        QFETCH(int, row);
        const EditorCase& c = kCases[row];
        auto d = editorOf(c);
        QVERIFY(d);
        const Placement placement = c.placement();
        std::map<QString, int> uses;
        for (const Binding& b : d->bindings()) {
            const QString name = placedName(b.control, placement);
            const auto at = placement.find(name);
            QVERIFY2(at != placement.end(), qPrintable(name + " is bound but the form does not place it"));
            bool inside = true; // a memo's lines go to fields of their own
            for (std::uint32_t k = 0; k < b.field.count; ++k) {
                bool itemInside = false;
                for (const Field& f : at->second)
                    itemInside = itemInside || contains(f, b.field.item(k));
                inside = inside && itemInside;
            }
            QVERIFY2(inside, qPrintable(name + " is bound to " + QString::fromUtf8(b.field.name.data())));
            ++uses[name];
        }
        for (const auto& [name, fields] : placement)
            QVERIFY2(uses[name] > 0, qPrintable(name + " is bound to nothing"));
    }

    void aRecordGoesThroughLoadingAndSavingByteForByte_data() { addForms(); }
    void aRecordGoesThroughLoadingAndSavingByteForByte()
    {
        QFETCH(int, row);
        const EditorCase& c = kCases[row];
        const FormInfo& form = formInfo(c.form);
        writeRecordFile(c.form);
        Bytes buffer = bufferOf(c.form);
        std::fill(buffer.begin(), buffer.end(), kPattern);
        {
            auto probe = editorOf(c);
            QVERIFY(probe);
            // Each sample goes into the probe at once, so that later samples
            // see the controls as loading leaves them (a mask that follows
            // an option) and a field the form keeps only in some states of
            // other controls is expected as the form then stores it.
            int n = 0;
            for (const Binding& b : probe->bindings()) {
                putSample(b, buffer, ++n);
                LoadBindings({b}, buffer);
                if (!b.isApplied() && b.otherwise == Otherwise::Zero)
                    clearField(buffer, b.field);
            }
        }
        setStr(buffer, nip::account_no, kAccountText);
        if (form.formType)
            setU8(buffer, nip::form_type, form.formType);
        std::vector<std::uint8_t> expected(buffer.begin(), buffer.end());
        if (c.entries)
            putEntriesOutOfUse(*c.entries, buffer, expected);

        for (int round = 1; round <= (c.otherState ? 4 : 2); ++round) {
            if (round == 3)
                c.otherState(buffer, expected);
            auto d = editorOf(c);
            d->prepare(kAccountText, "", "", EditorDialog::Update);
            QVERIFY(showActive(d.get()));
            d->kl_ok->click();
            QCOMPARE(d->result(), int(QDialog::Accepted));
            const std::vector<std::uint8_t> saved(buffer.begin(), buffer.end());
            std::vector<Field> bound;
            for (const Binding& b : d->bindings())
                bound.push_back(b.field);
            for (std::size_t i = 0; i < saved.size(); ++i)
                QVERIFY2(saved[i] == expected[i],
                         qPrintable(QString("round %1: byte %2 (%3) changed from %4 to %5")
                                        .arg(round)
                                        .arg(i)
                                        .arg(fieldAt(bound, i))
                                        .arg(expected[i])
                                        .arg(saved[i])));
        }
        QVERIFY(env->messages.shown.empty());
    }

    // A damaged record (random bytes under a sound account) becomes on its
    // first save whatever the form makes of it: saving it again unchanged
    // gives the same bytes.
    void savingAnUnchangedRecordTwiceGivesTheSameBytes_data() { addForms(); }
    void savingAnUnchangedRecordTwiceGivesTheSameBytes()
    {
        QFETCH(int, row);
        const EditorCase& c = kCases[row];
        writeRecordFile(c.form);
        Bytes buffer = bufferOf(c.form);
        for (std::uint32_t seed = 1; seed <= 16; ++seed) {
            std::mt19937 random(seed);
            std::uniform_int_distribution<int> anyByte(0, 255);
            std::generate(buffer.begin(), buffer.end(), [&] { return static_cast<std::uint8_t>(anyByte(random)); });
            setStr(buffer, nip::account_no, kAccountText);
            std::vector<std::uint8_t> saved[2];
            BindingTable bindings;
            for (std::vector<std::uint8_t>& save : saved) {
                auto d = editorOf(c);
                d->prepare(kAccountText, "", "", EditorDialog::Update);
                QVERIFY(showActive(d.get()));
                d->kl_ok->click();
                QCOMPARE(d->result(), int(QDialog::Accepted));
                save.assign(buffer.begin(), buffer.end());
                bindings = d->bindings();
            }
            std::vector<Field> bound;
            for (const Binding& b : bindings)
                bound.push_back(b.field);
            QStringList changed;
            for (std::size_t i = 0; i < buffer.size(); ++i)
                if (saved[0][i] != saved[1][i])
                    changed << QString("byte %1 (%2) saved as %3, then as %4")
                                   .arg(i)
                                   .arg(fieldAt(bound, i))
                                   .arg(saved[0][i])
                                   .arg(saved[1][i]);
            QVERIFY2(changed.isEmpty(), qPrintable(QString("seed %1: ").arg(seed) + changed.join("; ")));
        }
        QVERIFY(env->messages.shown.empty());
    }

    void noBoxTakesMoreTypedTextThanItsFieldStores_data() { addForms(); }
    void noBoxTakesMoreTypedTextThanItsFieldStores()
    {
        QFETCH(int, row);
        auto d = editorOf(kCases[row]);
        QVERIFY(d);
        for (const Binding& b : d->bindings()) {
            if (b.conv != Conv::Text && b.conv != Conv::TextOrDefault && b.conv != Conv::TrimmedText)
                continue;
            auto* combo = qobject_cast<QComboBox*>(b.control);
            auto* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(b.control);
            if (!edit || qobject_cast<MaskedEdit*>(edit))
                continue;
            edit->clear();
            QTest::keyClicks(edit, QString(int(b.field.capacity()) + 3, 'X'));
            QVERIFY2(edit->text().size() <= int(b.field.capacity()),
                     qPrintable(b.control->objectName() + " took " + QString::number(edit->text().size())));
        }
    }

    void aControlOfTheWrongKindIsPassedOver()
    {
        QCheckBox box;
        QLineEdit edit;
        const BindingTable table = {{&box, nip::surname, Conv::Text}, {&edit, nip::purpose, Conv::Choice}};
        QVERIFY(!controlFitsConversion(table[0]) && !controlFitsConversion(table[1]));
        std::vector<std::uint8_t> record(nip::kRecordSize, kPattern);
        SaveBindings(table, record);
        LoadBindings(table, record);
        QCOMPARE(record, std::vector<std::uint8_t>(nip::kRecordSize, kPattern));
    }
};

int runEditorTableTest(int argc, char** argv)
{
    EditorTableTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "editor_table_test.moc"
