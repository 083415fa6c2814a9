// What every editor of the form table must do with its record, checked over
// its binding table: every field of the form is shown by a control or left
// out on purpose, by one control only; saving keeps the reserved bytes and
// the fields the form leaves out, and gives what it loaded back unchanged.
#include "desktop/widgets/MaskedEdit.h"
#include "forms/editor_test_support.h"
#include "core/records/nip_record.h"

#include <QComboBox>
#include <QtTest>

#include <random>

namespace {

constexpr Form kForms[] = {Form::Nip1, Form::Nip2, Form::Nip3, Form::NipB, Form::VatR, Form::VatZ, Form::Vat21};

bool overlap(const Field& a, const Field& b) { return a.offset < b.end() && b.offset < a.end(); }

// Every non-reserved field of the layouts, blocks opened into their members.
void leafFields(const Layout& layout, std::uint32_t base, std::vector<Field>& out)
{
    for (const Field& f : layout.fields) {
        if (f.type == FieldType::Reserved)
            continue;
        for (std::uint32_t k = 0; k < f.count; ++k) {
            Field at = f.item(k);
            at.offset += base;
            if (f.type == FieldType::Group)
                leafFields(*f.group, at.offset, out);
            else
                out.push_back(at); // items of a repeated field may go to controls of their own
        }
    }
}

} // namespace

class EditorTableTest : public QObject {
    Q_OBJECT
    std::unique_ptr<UiTestEnvironment<>> env;

    void addForms()
    {
        QTest::addColumn<int>("row");
        for (Form form : kForms)
            QTest::newRow(formInfo(form).name.data()) << static_cast<int>(form);
    }

private slots:
    void init() { env = std::make_unique<UiTestEnvironment<>>(); }
    void cleanup() { env.reset(); }

    void everyFieldIsBoundOnceOrLeftOutOnPurpose_data() { addForms(); }
    void everyFieldIsBoundOnceOrLeftOutOnPurpose()
    {
        QFETCH(int, row);
        const auto form = static_cast<Form>(row);
        auto d = newEditor(form, nullptr);
        std::vector<Field> fields;
        for (const Layout* layout : d->form().layouts)
            leafFields(*layout, 0, fields);
        for (const Field& f : fields) {
            int bound = 0;
            for (const Binding& b : d->bindings())
                bound += overlap(b.field, f) ? 1 : 0;
            // The account and the form's type the editor stores itself.
            bool leftOut = f.offset == 0 || (formInfo(form).formType && f.offset == nip::form_type.offset);
            for (const Field& u : d->unboundFields())
                leftOut = leftOut || overlap(u, f);
            QVERIFY2(bound == 1 || (bound == 0 && leftOut),
                     (std::string(f.name) + " is bound to " + std::to_string(bound) + " controls").c_str());
        }
    }

    // A damaged record (random bytes under a sound account) keeps, on its
    // first save, its reserved bytes and the fields the form leaves out, and
    // becomes whatever the form makes of it: saving it again unchanged gives
    // the same bytes.
    void savingKeepsWhatTheFormLeavesOutAndGivesTheSameBytesTwice_data() { addForms(); }
    void savingKeepsWhatTheFormLeavesOutAndGivesTheSameBytesTwice()
    {
        QFETCH(int, row);
        const auto form = static_cast<Form>(row);
        writeRecordFile(form);
        Bytes buffer = bufferOf(form);
        std::vector<Field> leftOut = newEditor(form, nullptr)->unboundFields();
        for (const Layout* layout : formInfo(form).layouts)
            for (const Field& f : layout->fields)
                if (f.type == FieldType::Reserved)
                    leftOut.push_back(f);
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            std::mt19937 random(seed);
            std::uniform_int_distribution<int> anyByte(0, 255);
            std::generate(buffer.begin(), buffer.end(), [&] { return static_cast<std::uint8_t>(anyByte(random)); });
            setStr(buffer, nip::account_no, kAccountText);
            const std::vector<std::uint8_t> damaged(buffer.begin(), buffer.end());
            std::vector<std::uint8_t> saved[2];
            for (std::vector<std::uint8_t>& save : saved) {
                auto d = openEditor(form, EditorDialog::Update);
                d->kl_ok->click();
                QCOMPARE(d->result(), int(QDialog::Accepted));
                save.assign(buffer.begin(), buffer.end());
            }
            const std::string at = "seed " + std::to_string(seed) + ": ";
            for (const Field& f : leftOut)
                QVERIFY2(std::equal(damaged.begin() + f.offset, damaged.begin() + f.end(), saved[0].begin() + f.offset),
                         (at + std::string(f.name) + " changed").c_str());
            const auto again = std::mismatch(saved[0].begin(), saved[0].end(), saved[1].begin()).first;
            QVERIFY2(again == saved[0].end(),
                     (at + "byte " + std::to_string(again - saved[0].begin()) + " changed when saved again").c_str());
        }
    }

    void noBoxTakesMoreTypedTextThanItsFieldStores_data() { addForms(); }
    void noBoxTakesMoreTypedTextThanItsFieldStores()
    {
        QFETCH(int, row);
        const auto form = static_cast<Form>(row);
        auto d = newEditor(form, nullptr);
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
};

int runEditorTableTest(int argc, char** argv)
{
    EditorTableTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "editor_table_test.moc"
