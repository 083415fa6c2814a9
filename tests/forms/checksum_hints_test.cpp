// The marks the editors put on a number that fails its control digits.
#include "desktop/forms/editors/Tpdlg_nip1.h"
#include "desktop/forms/editors/Tpdlg_nipb.h"
#include "desktop/forms/shell/ChecksumHints.h"
#include "forms/editor_test_support.h"

namespace {

const QString kWrongNip = "Błędna cyfra kontrolna NIP";
const QString kWrongPesel = "Błędna cyfra kontrolna PESEL";
const QString kWrongRegon = "Błędna cyfra kontrolna REGON";
const QString kWrongAccount = "Błędna cyfra kontrolna numeru rachunku";

const QWidget* markOf(const QLineEdit* edit) { return edit->findChild<QWidget*>(kChecksumMarkName); }

// The field's tooltip while the mark shows; "" when neither shows; a note when only one does.
QString hintOn(const QLineEdit* edit)
{
    const bool marked = markOf(edit) && markOf(edit)->isVisibleTo(edit);
    if (marked != !edit->toolTip().isEmpty())
        return marked ? "mark without tooltip" : "tooltip without mark: " + edit->toolTip();
    return edit->toolTip();
}

void setShown(QLineEdit* edit, const QString& text) // a masked edit's setText is its own
{
    auto* masked = qobject_cast<MaskedEdit*>(edit);
    masked ? masked->setText(text) : edit->setText(text);
}

} // namespace

class ChecksumHintsTest : public EditorTest {
    Q_OBJECT

private slots:
    // Marked, over the whole box, only while complete and wrong; saved as typed all the same.
    void aTypedWrongNipIsMarkedAndSavedAsTyped()
    {
        auto d = openEditor<Tpdlg_nip1>(EditorDialog::NewRecord);
        focusOn(d->m_nip);
        QTest::keyClicks(d->m_nip, "526025027");
        QCOMPARE(hintOn(d->m_nip), QString()); // nine digits: not yet a NIP
        QTest::keyClicks(d->m_nip, "5");
        QCOMPARE(hintOn(d->m_nip), kWrongNip);
        QCOMPARE(markOf(d->m_nip)->geometry(), d->m_nip->rect());
        QTest::keyClick(d->m_nip, Qt::Key_Backspace);
        QCOMPARE(hintOn(d->m_nip), QString());
        QTest::keyClicks(d->m_nip, "5");
        QCOMPARE(bytesAt(savedRecord(*d), 9, 11), (Record{10, '5', '2', '6', '0', '2', '5', '0', '2', '7', '5'}));
    }

    // Each kind of number in the boxes that hold it, wrong then right; one loaded is judged alike.
    void everyEditorMarksItsNumberFields()
    {
        const QString account = "61109010140000071219812875", rightAccount = "61109010140000071219812874";
        const struct {
            Form form;
            const char* fields;
            QString wrong;
            const QString& hint;
            QString right;
        } rows[] = {
            {Form::Nip1, "m_nip fr_dok_rach1/nr_nip_br", "526-025-02-75", kWrongNip, "526-025-02-74"},
            {Form::Nip1, "m_pesel", "44051401358", kWrongPesel, "44051401359"},
            {Form::Nip1, "m_l_reg", "12345678512348", kWrongRegon, "12345678512347"},
            {Form::Nip1, "fr_rach_os/z_nrrach fr_nrrach4/z_nrrach", account, kWrongAccount, "PL" + rightAccount},
            {Form::Nip2, "m_nip_mac fr_wsp6/m_nip_wsp", "5260250275", kWrongNip, "5260250274"},
            {Form::Nip2, "m_reg_mac fr_wsp1/m_reg_wsp", "123456786", kWrongRegon, "123456785"},
            {Form::Nip2, "fr_wsp2/m_reg_wsp", "44051401358", kWrongPesel, "44051401359"},
            {Form::Nip3, "nr_nip_br", "5260250275", kWrongNip, "5260250274"},
            {Form::NipB, "m_nip", "5260250275", kWrongNip, "5260250274"},
            {Form::NipB, "m_pesel", "123456786", kWrongRegon, "123456785"},
            {Form::VatR, "m_nip", "PL5260250275", kWrongNip, "PL5260250274"},
            {Form::VatR, "m_pesel", "123456786", kWrongRegon, "123456785"},
        };
        for (const auto& r : rows) {
            auto d = openEditor(r.form, EditorDialog::NewRecord);
            for (const QString& field : QString(r.fields).split(' ')) {
                auto* edit = control<QLineEdit>(*d, field);
                QVERIFY2(edit, qPrintable(field));
                setShown(edit, r.wrong);
                QCOMPARE(field + ": " + hintOn(edit), field + ": " + r.hint);
                setShown(edit, r.right);
                QCOMPARE(field + ": " + hintOn(edit), field + ": ");
            }
        }
        setStr(bufferOf(Form::Nip1), nip::nip, "5260250275");
        QCOMPARE(hintOn(openEditor<Tpdlg_nip1>(EditorDialog::Update)->m_nip), kWrongNip);
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

    // Nine digits are a REGON but half a PESEL: the kind decides, in a partner's box leaving it.
    void theIdNumberFollowsTheKindOfTaxpayer()
    {
        auto nipb = openEditor<Tpdlg_nipb>(EditorDialog::NewRecord);
        nipb->m_pesel->setText("123456786");
        nipb->Ch_os->setChecked(true);
        QCOMPARE(hintOn(nipb->m_pesel), QString());
        auto nip2 = openEditor(Form::Nip2, EditorDialog::NewRecord);
        auto* id = control<QLineEdit>(*nip2, "fr_wsp1/m_reg_wsp");
        focusOn(id);
        QTest::keyClicks(id, "123456786");
        QCOMPARE(hintOn(id), QString());
        moveFocus(control(*nip2, "fr_wsp1/m_nip_wsp"));
        QCOMPARE(hintOn(id), kWrongRegon);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return runTest<ChecksumHintsTest>(argc, argv);
}

#include "checksum_hints_test.moc"
