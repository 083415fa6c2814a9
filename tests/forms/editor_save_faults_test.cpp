// Every editor's "OK" when the record file's write fails part-way: the
// operator gets the standard error box, the editor stays open with what was
// typed, and no byte outside the record changes in any file. Saving again
// once the disk has room stores the record.
#include "core/common/io_error.h"
#include "forms/editor_test_support.h"

#include <QtTest>

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
public:
    EditorSaveFaultsTest() : EditorTest(Form::Nip1) {}

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
        QTest::addColumn<int>("failAfter");
        for (const FormInfo& f : forms()) {
            const int size = static_cast<int>(f.recordSize());
            for (const int n : {0, 3, size / 2, size - 1})
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
        const Record buffer(bufferOf(f).begin(), bufferOf(f).end());
        Snapshot before = snapshot();

        ioFaults().failWriteAfterBytes = static_cast<std::uint64_t>(failAfter);
        ioFaults().failCode = IoError::DiskFull;
        d->kl_okClick();
        QVERIFY(d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Rejected)); // not done yet
        const std::vector<ScriptedMessages::Shown> box = {{"error", "Disk full: " + file, ""}};
        QVERIFY(env->messages.shown == box);
        QVERIFY(Record(bufferOf(f).begin(), bufferOf(f).end()) == buffer);

        Snapshot after = snapshot();
        const Record written = after.extract(file).mapped();
        const Record old = before.extract(file).mapped();
        QVERIFY2(after == before, "another file changed");
        QCOMPARE(written.size(), old.size());
        const std::size_t recordStart = kAccount * size;
        for (std::size_t i = 0; i < old.size(); ++i)
            if ((i < recordStart || i >= recordStart + size) && written[i] != old[i])
                QFAIL(qPrintable(QString("byte %1 outside the record changed").arg(i)));

        resetIoFaults();
        d->kl_okClick();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(getStr(storedRecord(f), vat_head::account_no), kAccountText);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    EditorSaveFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "editor_save_faults_test.moc"
