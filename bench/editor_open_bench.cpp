// Opening and closing each of the seven editors, offscreen: from building
// the dialog to its first page painted with a full record loaded (the
// "popraw" opening), and from closing it to its being gone. Ten
// repetitions of twenty each, so that the medians hold on a busy machine.
// The working directory holds the ledger's sample data, so the tax-office
// lists are full, and word lists for every address box.
#include "common/data_files.h"
#include "common/MaskedEdit.h"
#include "common/file_io.h"
#include "common/record_text.h"
#include "common/record_access.h"
#include "common/ui_messages.h"
#include "forms/EditorDialog.h"
#include "forms/editor_factory.h"
#include "forms/form_table.h"
#include "records/cleared_record.h"
#include "records/nip_record.h"
#include "register/register_state.h"
#include "sample_ledger.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>

#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// Word lists of 200 entries each, the size an office reaches after a while.
void writeWordLists()
{
    for (const char* base : {"slkraj.", "slwoj.", "slpow.", "slgmin.", "slmiejsc.", "slbank."}) {
        std::string text;
        for (int n = 0; n < 200; ++n)
            text += std::string(base).substr(2, 3) + " " + std::to_string(1000 + n) + "\r\n";
        DataFile(dataFileName(base), DataFile::Mode::Create).writeAt(0, text.data(), text.size());
    }
}

void dir()
{
    static BenchDir d([](const std::string& path) {
        WriteSampleData(path, 50, 1);
        writeWordLists();
    });
}

// A text of the field's full width.
std::string fullText(const Field& f, int n)
{
    std::string text;
    for (std::uint32_t i = 0; i < f.capacity(); ++i)
        text += static_cast<char>('A' + (n + i) % 26);
    return text;
}

// The form's buffer with every text the editor shows filled to its width
// and every flag set: what an editor loads for "popraw" at its fullest.
void fillRecord(const FormInfo& form)
{
    Bytes buffer = recordBuffer(form.recordKind);
    ClearRecordBytes(buffer);
    const std::unique_ptr<EditorDialog> probe = newEditor(form.form, nullptr);
    int n = 0;
    for (const Binding& b : probe->bindings()) {
        ++n;
        switch (b.conv) {
        case Conv::Text:
        case Conv::TextOrDefault:
        case Conv::TrimmedText:
            setStr(buffer, b.field, fullText(b.field, n));
            break;
        case Conv::MemoLines:
        case Conv::MemoFilledLines:
            for (std::uint32_t k = 0; k < b.field.count; ++k)
                setStr(buffer, b.field.item(k), fullText(b.field.item(k), n + static_cast<int>(k)));
            break;
        case Conv::Nip:
            setStr(buffer, b.field, std::to_string(1234567000 + n));
            break;
        case Conv::Postcode:
            setStr(buffer, b.field, "80-" + std::to_string(100 + n));
            break;
        case Conv::Date:
        case Conv::PickerDate:
            setDate(buffer, b.field, Date4{2020, 5, static_cast<std::uint8_t>(1 + n % 28)});
            break;
        case Conv::Flag:
        case Conv::ButtonFlag:
        case Conv::TriState:
        case Conv::TriStateFlag:
        case Conv::Choice:
            setU8(buffer, b.field, 1);
            break;
        default:
            break;
        }
    }
    setStr(buffer, nip::account_no, "7");
}

// True when the first plain text box of the table shows its field's text.
bool showsLoadedText(const EditorDialog& d)
{
    for (const Binding& b : d.bindings())
        if (auto* edit = qobject_cast<QLineEdit*>(b.control);
            edit && !qobject_cast<MaskedEdit*>(edit) && (b.conv == Conv::Text || b.conv == Conv::TrimmedText))
            return edit->text() == fromRecordText(getStr(recordBuffer(d.form().recordKind), b.field));
    return false;
}

std::unique_ptr<EditorDialog> openEditor(const FormInfo& form)
{
    std::unique_ptr<EditorDialog> d = newEditor(form.form, nullptr);
    d->prepare("7", "Firma", "Popraw", EditorDialog::Update);
    d->show();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(d->grab());
    return d;
}

void closeEditor(std::unique_ptr<EditorDialog> d)
{
    d->reject();
    d.reset();
    QCoreApplication::processEvents();
}

void BM_Open(benchmark::State& state, Form which)
{
    dir();
    const FormInfo& form = formInfo(which);
    fillRecord(form);
    {
        // First-use costs (fonts, styles) out of the way, and a check that
        // the record really is loaded into a shown editor.
        std::unique_ptr<EditorDialog> d = openEditor(form);
        if (!d->isVisible() || !showsLoadedText(*d))
            state.SkipWithError("the editor did not show its record");
        closeEditor(std::move(d));
    }
    for (auto _ : state) {
        std::unique_ptr<EditorDialog> d = openEditor(form);
        state.PauseTiming();
        closeEditor(std::move(d));
        state.ResumeTiming();
    }
}

void BM_Close(benchmark::State& state, Form which)
{
    dir();
    const FormInfo& form = formInfo(which);
    fillRecord(form);
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<EditorDialog> d = openEditor(form);
        state.ResumeTiming();
        closeEditor(std::move(d));
    }
}

void registerAll()
{
    for (const char* step : {"Open", "Close"})
        for (const FormInfo& form : forms())
            benchmark::RegisterBenchmark((std::string("BM_") + step + "/" + std::string(form.name)).c_str(),
                                         step[0] == 'O' ? BM_Open : BM_Close, form.form)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->Iterations(20)
                ->Repetitions(10)
                ->ReportAggregatesOnly(true);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CollectingMessenger quiet;
    UiMessages::install(&quiet);
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
