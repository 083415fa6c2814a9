// The marks the editors put on a number that fails its control digits.
#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/shell/ChecksumHints.h"
#include "desktop/forms/frames/Tfr_nrrach.h"
#include "desktop/forms/editors/Tpdlg_nip1.h"
#include "desktop/forms/editors/Tpdlg_nip2.h"
#include "desktop/forms/editors/Tpdlg_nipb.h"
#include "forms/editor_test_support.h"
#include "core/records/nip_record.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

namespace {

const QString kWrongNip = "Błędna cyfra kontrolna NIP";
const QString kWrongPesel = "Błędna cyfra kontrolna PESEL";
const QString kWrongRegon = "Błędna cyfra kontrolna REGON";
const QString kWrongAccount = "Błędna cyfra kontrolna numeru rachunku";

const QWidget* markOf(const QLineEdit* edit) { return edit->findChild<QWidget*>(kChecksumMarkName); }

// What the field tells the operator: its tooltip while the mark shows; ""
// when neither shows, and a note when only one of them does.
QString hintOn(const QLineEdit* edit)
{
    const QWidget* mark = markOf(edit);
    const bool marked = mark && mark->isVisibleTo(edit);
    if (marked != !edit->toolTip().isEmpty())
        return marked ? "mark without tooltip" : "tooltip without mark: " + edit->toolTip();
    return edit->toolTip();
}

// The control at a "frame.control" path under the editor.
QLineEdit* fieldAt(QObject* editor, const QString& path)
{
    QObject* at = editor;
    for (const QString& name : path.split('.'))
        at = at ? at->findChild<QObject*>(name) : nullptr;
    return qobject_cast<QLineEdit*>(at);
}

void setShown(QLineEdit* edit, const QString& text)
{
    if (auto* masked = qobject_cast<MaskedEdit*>(edit))
        masked->setText(text);
    else
        edit->setText(text);
}

} // namespace

class ChecksumHintsTest : public EditorTest {
    Q_OBJECT
public:
    ChecksumHintsTest() : EditorTest(Form::Nip1) {}

protected:
    void writeFiles() override
    {
        for (const FormInfo& f : forms())
            writeRecordFile(f.form);
    }

private slots:
    // Marked only while complete and wrong; saved as typed all the same.
    void aTypedWrongNipIsMarkedAndSavedAsTyped()
    {
        auto d = openEditor<Tpdlg_nip1>(EditorDialog::NewRecord);
        focusOn(d->m_nip);
        QTest::keyClicks(d->m_nip, "526025027");
        QCOMPARE(hintOn(d->m_nip), QString()); // nine digits: not yet a NIP
        QTest::keyClicks(d->m_nip, "5");
        QCOMPARE(hintOn(d->m_nip), kWrongNip);
        QVERIFY(markOf(d->m_nip)->isVisible());
        QCOMPARE(markOf(d->m_nip)->geometry(), d->m_nip->rect());
        QTest::keyClick(d->m_nip, Qt::Key_Backspace);
        QCOMPARE(hintOn(d->m_nip), QString());
        QTest::keyClicks(d->m_nip, "5");
        d->kl_okClick();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        const Record saved = storedRecord(Form::Nip1);
        const Record expectedNip = {10, '5', '2', '6', '0', '2', '5', '0', '2', '7', '5'};
        QCOMPARE(Record(saved.begin() + nip::nip.offset, saved.begin() + nip::nip.end()), expectedNip);
    }

    void aLoadedWrongNumberIsMarkedOnOpening()
    {
        Record rec = newRecord(Form::Nip1);
        setU8(rec, nip::form_type, 1);
        setStr(rec, nip::nip, "5260250275");
        setStr(rec, nip::regon, "123456785");
        setStr(rec, nip::bank2 / bank_block::number, "61 1090 1014 0000 0712 1981 2875");
        writeRecordFile(Form::Nip1, newRecord(Form::Nip1), rec);
        auto d = openEditor<Tpdlg_nip1>(EditorDialog::Update);
        QCOMPARE(hintOn(d->m_nip), kWrongNip);
        QVERIFY(markOf(d->m_nip)->isVisible());
        QCOMPARE(hintOn(d->m_l_reg), QString());
        QCOMPARE(hintOn(d->fr_nrrach2->z_nrrach), kWrongAccount);
    }

    void everyEditorMarksItsNumberFields_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("right");
        const struct {
            Form form;
            const char* fields;
            const char* wrong;
            const QString& hint;
            const char* right;
        } rows[] = {
            {Form::Nip1, "m_nip fr_dok_rach1.nr_nip_br", "526-025-02-75", kWrongNip, "526-025-02-74"},
            {Form::Nip1, "m_pesel", "44051401358", kWrongPesel, "44051401359"},
            {Form::Nip1, "m_l_reg", "12345678512348", kWrongRegon, "12345678512347"},
            {Form::Nip1, "fr_rach_os.z_nrrach fr_nrrach4.z_nrrach",
             "61109010140000071219812875", kWrongAccount, "PL61 1090 1014 0000 0712 1981 2874"},
            {Form::Nip2, "m_nip m_nip_mac nr_nip_br fr_wsp6.m_nip_wsp", "5260250275", kWrongNip,
             "5260250274"},
            {Form::Nip2, "m_l_reg m_reg_mac fr_wsp1.m_reg_wsp", "123456786", kWrongRegon, "123456785"},
            {Form::Nip2, "fr_wsp2.m_reg_wsp", "44051401358", kWrongPesel, "44051401359"},
            {Form::Nip2, "fr_nrrach3.z_nrrach", "61109010140000071219812875", kWrongAccount,
             "61109010140000071219812874"},
            {Form::Nip3, "m_nip nr_nip_br", "5260250275", kWrongNip, "5260250274"},
            {Form::Nip3, "m_pesel", "44051401358", kWrongPesel, "44051401359"},
            {Form::Nip3, "fr_rach_os.z_nrrach", "61109010140000071219812875", kWrongAccount,
             "61109010140000071219812874"},
            {Form::NipB, "m_nip", "5260250275", kWrongNip, "5260250274"},
            {Form::NipB, "m_pesel", "123456786", kWrongRegon, "123456785"},
            {Form::NipB, "fr_nrrach6.z_nrrach", "61109010140000071219812875", kWrongAccount,
             "61109010140000071219812874"},
            {Form::VatR, "m_nip", "PL5260250275", kWrongNip, "PL5260250274"},
            {Form::VatR, "m_pesel", "123456786", kWrongRegon, "123456785"},
            {Form::Vat21, "m_nip", "PL5260250275", kWrongNip, "5260250274"},
        };
        for (const auto& r : rows)
            for (const QString& field : QString(r.fields).split(' '))
                QTest::addRow("%s %s", formInfo(r.form).name.data(), qPrintable(field))
                    << int(r.form) << field << r.wrong << r.hint << r.right;
    }
    void everyEditorMarksItsNumberFields()
    {
        QFETCH(int, form);
        QFETCH(QString, field);
        QFETCH(QString, wrong);
        QFETCH(QString, hint);
        QFETCH(QString, right);
        auto d = openEditor(static_cast<Form>(form), EditorDialog::NewRecord);
        QLineEdit* edit = fieldAt(d.get(), field);
        QVERIFY(edit);
        setShown(edit, wrong);
        QCOMPARE(hintOn(edit), hint);
        setShown(edit, right);
        QCOMPARE(hintOn(edit), QString());
    }

    void aPeselMustAgreeWithTheBirthDate()
    {
        auto d = openEditor<Tpdlg_nip1>(EditorDialog::NewRecord);
        d->m_pesel->setText("44051401359");
        d->m_dur->setText("14-05-1944");
        QCOMPARE(hintOn(d->m_pesel), QString());
        d->m_dur->setText("14-05-1945");
        QCOMPARE(hintOn(d->m_pesel),
                 QString("Data urodzenia w numerze PESEL (14-05-1944) różni się od daty urodzenia (14-05-1945)"));
        d->m_dur->clear();
        QCOMPARE(hintOn(d->m_pesel), QString());
    }

    // Nine digits are a whole REGON but only the start of a PESEL.
    void theIdNumberFollowsTheKindOfTaxpayer()
    {
        auto nipb = openEditor<Tpdlg_nipb>(EditorDialog::NewRecord);
        nipb->m_pesel->setText("123456786");
        QCOMPARE(hintOn(nipb->m_pesel), kWrongRegon);
        nipb->Ch_os->setChecked(true); // a person: the box takes a PESEL
        QCOMPARE(nipb->m_pesel->text().trimmed(), QString("123456786"));
        QCOMPARE(hintOn(nipb->m_pesel), QString());

        // A partner's box takes either: nine digits are judged once the
        // operator has left it.
        auto nip2 = openEditor<Tpdlg_nip2>(EditorDialog::NewRecord);
        QLineEdit* id = fieldAt(nip2.get(), "fr_wsp1.m_reg_wsp");
        focusOn(id);
        QTest::keyClicks(id, "123456786");
        QCOMPARE(hintOn(id), QString());
        moveFocus(fieldAt(nip2.get(), "fr_wsp1.m_nip_wsp"));
        QCOMPARE(hintOn(id), kWrongRegon);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ChecksumHintsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "checksum_hints_test.moc"
