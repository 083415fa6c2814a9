// When an editor's "OK" cannot or must not store the record (a failed write, an account of no number,
// a field refusing the focus, "Anuluj"): the editor keeps what was typed and no file changes.
#include "core/common/io_error.h"
#include "desktop/forms/editors/Tpdlg_nip1.h"
#include "forms/editor_test_support.h"

#include <filesystem>
#include <map>

namespace {

using Snapshot = std::map<std::string, Record>;

Snapshot snapshot()
{
    Snapshot files;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        files[entry.path().filename().string()] = fileBytes(entry.path().string());
    return files;
}

} // namespace

class EditorSaveFaultsTest : public EditorTest {
    Q_OBJECT
protected:
    // Every record file, each record a pattern no editor writes.
    void writeFiles() override
    {
        for (const FormInfo& f : forms())
            writeRecordFile(f.form, newRecord(f.form, 0x5A), newRecord(f.form));
    }

private slots:
    void aFailedSaveKeepsTheEditorOpenAndTheFilesWhole_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("failAfter"); // -1: the file does not open
        for (const FormInfo& f : forms()) {
            const int size = static_cast<int>(f.recordSize());
            for (const int n : {-1, 0, 3, size / 2, size - 1})
                QTest::addRow("%s after %d bytes", f.name.data(), n) << int(f.form) << n;
        }
    }
    void aFailedSaveKeepsTheEditorOpenAndTheFilesWhole()
    {
        QFETCH(int, form);
        QFETCH(int, failAfter);
        const Form f = static_cast<Form>(form);
        const std::string file = recordFileName(f);
        const std::size_t size = formInfo(f).recordSize();
        auto d = openEditor(f, EditorDialog::Update);
        auto* nip = control<MaskedEdit>(*d, "m_nip");
        nip->setText("5260250274");
        const QString typed = nip->text();
        const Record buffer = bufferRecord(f);
        Snapshot before = snapshot();

        if (failAfter < 0) {
            ioFaults().failOpenPath = file;
            ioFaults().failOpenCode = IoError::AccessDenied;
        } else {
            ioFaults().failWriteAfterBytes = static_cast<std::uint64_t>(failAfter);
            ioFaults().failCode = IoError::DiskFull;
        }
        d->kl_okClick();
        QVERIFY(d->isVisible() && d->result() == QDialog::Rejected); // not done yet
        const std::string error = failAfter < 0 ? IoError::textFor(IoError::AccessDenied) : "Disk full";
        QVERIFY((env->messages.shown == std::vector<ScriptedMessages::Shown>{{"error", error + ": " + file, ""}}));
        QVERIFY(bufferRecord(f) == buffer);
        QCOMPARE(nip->text(), typed);

        Snapshot after = snapshot(); // the record itself may be half written
        const auto record = static_cast<std::ptrdiff_t>(kAccount * size);
        QCOMPARE(after[file].size(), before[file].size());
        std::copy_n(before[file].begin() + record, size, after[file].begin() + record);
        QVERIFY2(after == before, "a byte outside the record changed");

        resetIoFaults();
        d->kl_okClick();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QVERIFY(getStr(storedRecord(f), vat_head::nip).find("0274") != std::string::npos);
    }

    // Enter, or a click on "OK", saves only once the focused field's and its frame's rules let it go.
    void enterSavesOnlyAfterTheLeaveRulesOfTheFocusedField()
    {
        const Record before = storedRecord(Form::Nip1);
        auto d = openEditor<Tpdlg_nip1>(EditorDialog::NewRecord);
        focusOn(d->m_dur);
        d->m_dur->setText("30-02-2004");
        QTest::keyClick(d->m_dur, Qt::Key_Return);
        QTest::mouseClick(d->kl_ok, Qt::LeftButton);
        QApplication::processEvents();
        QCOMPARE(env->messages.texts(), (std::vector<std::string>{"Niepoprawna data", "Niepoprawna data"}));
        QVERIFY(d->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->m_dur));
        QCOMPARE(storedRecord(Form::Nip1), before);

        d->m_dur->setText("29-02-2004");
        d->r_pow_zgl_adr2->setItemIndex(0);
        control<QComboBox>(*d, "fr_adr_dz2/c_gmina")->setEditText("Sopot");
        focusOn(control(*d, "fr_adr_dz2/z_ul"));
        QTest::keyClick(control(*d, "fr_adr_dz2/z_ul"), Qt::Key_Return);
        QCOMPARE(d->result(), int(QDialog::Accepted));
        const Record saved = storedRecord(Form::Nip1);
        QCOMPARE(saved[1817], std::uint8_t(0)); // the second place of business has no voivodeship: no reason
        QVERIFY(!std::filesystem::exists("slgmin.Rdx")); // nor words for the lists
        QCOMPARE(getDate(saved, nip::birth_date), (Date4{2004, 2, 29}));
    }

    // An account of no number is reported, not written; "Anuluj" and Escape touch neither buffer nor file.
    void nothingIsWrittenForAnAccountOfNoNumberOrOnCancel()
    {
        const Record file = fileBytes("REJFOR.Rdx");
        const Record buffer = bufferRecord(Form::Nip1);
        auto d = std::make_unique<Tpdlg_nip1>();
        d->prepare("ABC", "", "", EditorDialog::NewRecord);
        QVERIFY(showActive(d.get()));
        d->kl_okClick();
        QCOMPARE(env->messages.texts(),
                 std::vector<std::string>{"Konto ABC nie jest dodatnią liczbą. Zgłoszenie nie zostało zapisane."});
        QVERIFY(d->isVisible());
        d = openEditor<Tpdlg_nip1>(EditorDialog::NewRecord);
        d->z_nazwisko->setText("NOWAK");
        QTest::keyClick(d.get(), Qt::Key_Escape);
        QCOMPARE(d->result(), int(QDialog::Rejected));
        d = openEditor<Tpdlg_nip1>(EditorDialog::NewRecord);
        d->kl_anuluj->click();
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(fileBytes("REJFOR.Rdx"), file);
        QCOMPARE(bufferRecord(Form::Nip1), buffer);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return runTest<EditorSaveFaultsTest>(argc, argv);
}

#include "editor_save_faults_test.moc"
