// The exporter's command line as typed: the input is its arguments, each
// ended by a NUL byte. What parses must be usable: a form of the table, a
// resolution in range, pages among the boxes; the output name is checked
// against the data files and the pages against a free record of the form.
#include "core/common/io_error.h"
#include "exporter_arguments.h"
#include "input_directory.h"
#include "core/records/cleared_record.h"
#include "core/register/record_kind.h"

#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const InputDirectory dir;
    std::vector<std::string> words{"zgloszenia-pdf"};
    std::string word;
    for (std::size_t i = 0; i < size && words.size() < 16; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word.push_back(static_cast<char>(data[i]));
        }
    }
    std::vector<const char*> argv;
    for (const std::string& w : words)
        argv.push_back(w.c_str());
    argv.push_back(nullptr);

    const auto parsed = parseArguments(static_cast<int>(words.size()), argv.data());
    if (const Failure* failure = std::get_if<Failure>(&parsed)) {
        if (failure->code != UsageError || failure->message.empty())
            std::abort();
        return 0;
    }
    const ExporterOptions& options = std::get<ExporterOptions>(parsed);
    if (options.resolution < kMinResolution || options.resolution > kMaxResolution
        || printForm(options.kind).name != options.formName)
        std::abort();
    (void)isDataFile(options.output);
    std::vector<std::uint8_t> record(kindAt(printForm(options.kind).recordKind).recordSize);
    ClearRecordBytes(record);
    (void)ticksFor(options, record);
    try {
        (void)storedRecord(printForm(options.kind), 1);
    } catch (const IoError&) {
    }
    return 0;
}
