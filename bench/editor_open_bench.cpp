// Opening and closing each of the seven editors, offscreen: from building
// the dialog to its first page painted with a full record loaded (the
// "popraw" opening), and from closing it to its being gone. Ten
// repetitions of twenty each, so that the medians hold on a busy machine.
// The working directory holds the ledger's sample data, so the tax-office
// lists are full, and word lists for every address box.
#include "core/common/data_files.h"
#include "desktop/widgets/MaskedEdit.h"
#include "core/common/file_io.h"
#include "desktop/widgets/record_text.h"
#include "core/common/record_access.h"
#include "desktop/widgets/ui_messages.h"
#include "desktop/forms/shell/EditorDialog.h"
#include "desktop/forms/editors/editor_factory.h"
#include "core/forms/form_table.h"
#include "core/records/cleared_record.h"
#include "core/records/nip_record.h"
#include "core/register/register_state.h"
#include "sample_ledger.h"

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>

#include "bench_support.h"
#include "gui_bench_main.h"
#include "full_record.h"

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

int main(int argc, char** argv) { return runGuiBenchmarks(argc, argv, registerAll); }
