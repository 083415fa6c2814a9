#include "core/print/calibration_files.h"

#include "core/common/data_files.h"
#include "core/common/file_io.h"
#include "core/common/io_error.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>
#include <vector>

namespace calibration {

namespace {

constexpr std::string_view kMargnip1Pages[] = {
    "NIP-1 1/4",
    "NIP-1 2/4",
    "NIP-1 3/4",
    "NIP-1 4/4",
    "NIP-1/A 1/2",
    "NIP-1/A 2/2",
    "NIP-B 1/2",
    "NIP-B 2/2",
    "NIP-C 1/2",
    "NIP-C 2/2",
};
constexpr std::string_view kMargnip2Pages[] = {
    "NIP-2 1/4",
    "NIP-2 2/4",
    "NIP-2 3/4",
    "NIP-2 4/4",
    "NIP-2/A 1/2",
    "NIP-2/A 2/2",
    "NIP-D 1/2",
    "NIP-D 2/2",
};
constexpr std::string_view kMargnip3Pages[] = {"NIP-3 1/2", "NIP-3 2/2"};
constexpr std::string_view kMargvatrPages[] = {"VAT-R 1/2", "VAT-R 2/2", "VAT-R/UE 1/1"};
constexpr std::string_view kMargvatzPages[] = {"VAT-Z 1/1"};
constexpr std::string_view kMarvat21Pages[] = {"VAT-21 1/2", "VAT-21 2/2"};

constexpr std::string_view kOdsnip1Sections[] = {
    "NIP-A",
    "A.4-A.6",
    "A.6-B.1",
    "B.1-B.2",
    "B.3-B.4",
    "B.4-B.5",
    "B.5-C.1",
    "C.1-C.2",
    "C.2-C.3",
    "C.3-C.4",
    "C.4-C.5",
    "C.5-C.6",
    "C.6-C.6.1",
    "C.6.1-C.6.2",
    "C.6.2-C.6.3",
    "C.6.3-C.7.1",
    "C.7.1-C.7.2",
    "C.8-C.9",
    "C.9-D",
    "D-E",
    "A/NIP-A",
    "A/A-B.1.1",
    "A/B.1.1-B.1.2",
    "A/B.1.2-B.1.3",
    "A/B.1.3-B.2.1",
    "A/B.2.1-B.2.2",
    "A/B.2.2-B.2.3",
    "A/B.3.1.-B.3.2",
    "A/B.3.2-B.3.3",
    "A/B.3.3-B.4.1",
    "A/B.4.1-B.4.2",
    "A/B.4.2-B.4.3",
    "A/B.4.3-C",
    "B/NIP-A.1",
    "B/A.1-B",
    "B/B.1-C",
    "C/NIP-A.1",
    "C/A.1-B",
    "C/B.1-C",
};
constexpr std::string_view kOdsnip2Sections[] = {
    "NIP-A",
    "A.4-A.6",
    "A.6-B.1",
    "B.1-B.2",
    "B.2-B.3",
    "B.4-B.5",
    "B.5-B.6",
    "B.6-B.7",
    "B.7-B.8",
    "B.8-B.9",
    "B.10-B.10.1",
    "B.10.1-B.10.2",
    "B.10.2-B.11",
    "C.1-C.2",
    "C.2-C.3",
    "C.3-D",
    "D-E",
    "A/NIP-A",
    "A/A-B.1",
    "A/B.1-B.1.1",
    "A/B.1.1-B.1.2",
    "A/B.1.2-B.2.1",
    "A/B.2.1-B.2.2",
    "A/B.3-B.3.1",
    "A/B.3.1.-B.3.2",
    "A/B.3.2-B.4",
    "A/B.4-B.4.1",
    "A/B.4.1-B.4.2",
    "A/B.4.2-C",
    "D/NIP-A",
    "D/A-B.1",
    "D/B.1-B.1.1",
    "D/B.1.1-B.1.2",
    "D/B.1.2-B.2",
    "D/B.2-B.2.1",
    "D/B.2.2-B.3",
    "D/B.3-B.3.1",
    "D/B.3.1-B.3.2",
    "D/B.3.2-C",
};
constexpr std::string_view kOdsnip3Sections[] = {
    "NIP-A",
    "A-B.1",
    "B.1-B.2",
    "B.2-B.3",
    "B.4-B.5",
    "B.5-B.6",
    "B.6-C",
    "C-D",
    "D-E",
};
constexpr std::string_view kOdsvatrSections[] = {
    "NIP-A",
    "poz.6-poz.7",
    "poz.8-B.1",
    "B.1-B.2",
    "B.2-B.3",
    "poz.28-30",
    "poz.30-32",
    "poz.32-34",
    "poz.34-C.2",
    "C.2-C.3",
    "C.3-D",
    "/UE NIP-A",
    "/UE A-B",
    "/UE 4-5",
    "/UE 5-6",
    "/UE 6-7",
    "/UE 7-8",
};
constexpr std::string_view kOdsvatzSections[] = {"NIP-A", "A.-B.1", "B.1-B.2", "B.2-C", "C-D"};
constexpr std::string_view kOdsv21Sections[] = {"NIP-A", "A.-B.1", "B.1-B.2", "B.2-C", "C-F", "F-G"};

// Reads integers as the run time's text input does: each row takes its
// values from the current line on (blanks and line ends before a value are
// skipped, a value missing at the end of the file reads as 0), then the
// rest of the line is passed over.
class RowReader {
public:
    RowReader(std::string_view text, const std::string& fileName) : text_(text), fileName_(fileName) { }

    bool atEnd() const { return pos_ >= text_.size(); }

    std::int32_t next()
    {
        while (!atEnd() && isSeparator(text_[pos_]))
            ++pos_;
        const std::size_t begin = pos_;
        while (!atEnd() && !isSeparator(text_[pos_]))
            ++pos_;
        const std::optional<std::int32_t> value = toInteger(text_.substr(begin, pos_ - begin));
        if (!value) {
            const auto line = std::count(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(begin), '\n') + 1;
            throw IoError(IoError::InvalidNumber, fileName_ + ", wiersz " + std::to_string(line));
        }
        return *value;
    }

    void skipLine()
    {
        const std::size_t eol = text_.find('\n', pos_);
        pos_ = eol == std::string_view::npos ? text_.size() : eol + 1;
    }

private:
    static bool isSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }

    static std::optional<std::int32_t> toInteger(std::string_view token)
    {
        if (token.empty())
            return 0;
        if (token.front() == '+' && !token.starts_with("+-"))
            token.remove_prefix(1);
        std::int32_t value = 0;
        const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
        if (ec != std::errc() || end != token.data() + token.size())
            return std::nullopt;
        return value;
    }

    std::string_view text_;
    const std::string& fileName_;
    std::size_t pos_ = 0;
};

// The file's content, or nothing when the file does not exist.
std::optional<std::string> contentOf(const std::string& fileName)
{
    std::optional<DataFile> file;
    try {
        file.emplace(fileName);
    } catch (const IoError& e) {
        if (e.code() == IoError::FileNotFound)
            return std::nullopt;
        throw;
    }
    std::string text(static_cast<std::size_t>(file->size()), '\0');
    file->readAt(0, text.data(), text.size());
    return text;
}

// `rows` rows of `perRow` values each; zeros where the file has none. With
// `damage`, a value that is not an integer ends the read there instead of
// throwing: its row and the rest stay zeros.
std::vector<std::int32_t> readRows(const std::string& fileName, std::size_t rows, std::size_t perRow,
                                   std::optional<IoError>* damage = nullptr)
{
    std::vector<std::int32_t> values(rows * perRow, 0);
    const std::optional<std::string> text = contentOf(fileName);
    if (!text)
        return values;
    RowReader reader(*text, fileName);
    for (std::size_t row = 0; row < rows && !reader.atEnd(); ++row) {
        try {
            for (std::size_t k = 0; k < perRow; ++k)
                values[row * perRow + k] = reader.next();
        } catch (const IoError& e) {
            if (!damage)
                throw;
            std::fill(values.begin() + static_cast<std::ptrdiff_t>(row * perRow), values.end(), 0);
            *damage = e;
            break;
        }
        reader.skipLine();
    }
    return values;
}

std::string rightAligned(std::int32_t value)
{
    std::string digits = std::to_string(value);
    return digits.size() < 5 ? std::string(5 - digits.size(), ' ') + digits : digits;
}

SpacingTable spacingTableFrom(const std::string& fileName, std::size_t rows,
                              std::optional<IoError>* damage = nullptr)
{
    SpacingTable table{};
    const std::vector<std::int32_t> values = readRows(fileName, std::min(rows, table.size()), 1, damage);
    std::copy(values.begin(), values.end(), table.begin());
    return table;
}

MarginTable marginTableFrom(const CalibrationFile& file, std::optional<IoError>* damage = nullptr)
{
    MarginTable table{};
    const std::size_t rows = std::min(file.rows(), table.size());
    const std::vector<std::int32_t> values = readRows(file.fileName(), rows, 2, damage);
    for (std::size_t row = 0; row < rows; ++row)
        table[row] = {values[2 * row], values[2 * row + 1]};
    return table;
}

} // namespace

const CalibrationFile margnip1{"margnip1", kMargnip1Pages};
const CalibrationFile margnip2{"margnip2", kMargnip2Pages};
const CalibrationFile margnip3{"margnip3", kMargnip3Pages};
const CalibrationFile margvatr{"margvatr", kMargvatrPages};
const CalibrationFile margvatz{"margvatz", kMargvatzPages};
const CalibrationFile marvat21{"marvat21", kMarvat21Pages};
const CalibrationFile odsnip1{"odsnip1", kOdsnip1Sections};
const CalibrationFile odsnip2{"odsnip2", kOdsnip2Sections};
const CalibrationFile odsnip3{"odsnip3", kOdsnip3Sections};
const CalibrationFile odsvatr{"odsvatr", kOdsvatrSections};
const CalibrationFile odsvatz{"odsvatz", kOdsvatzSections};
const CalibrationFile odsv21{"odsv21", kOdsv21Sections};

const std::array<const CalibrationFile*, 3> kNipMarginFiles{&margnip1, &margnip2, &margnip3};
const std::array<const CalibrationFile*, 3> kVatMarginFiles{&margvatr, &margvatz, &marvat21};
const std::array<const CalibrationFile*, 3> kNipSpacingFiles{&odsnip1, &odsnip2, &odsnip3};
const std::array<const CalibrationFile*, 3> kVatSpacingFiles{&odsvatr, &odsvatz, &odsv21};

std::string CalibrationFile::fileName() const { return dataFileName(std::string(base) + "."); }

std::string CalibrationFile::defaultsFileName() const { return dataFileName(std::string(base) + "d."); }

MarginTable loadMargins(const CalibrationFile& file) { return marginTableFrom(file); }

MarginTable loadMargins(const CalibrationFile& file, std::optional<IoError>& damage)
{
    return marginTableFrom(file, &damage);
}

SpacingTable loadSpacings(const CalibrationFile& file) { return spacingTableFrom(file.fileName(), file.rows()); }

SpacingTable loadSpacings(const CalibrationFile& file, std::optional<IoError>& damage)
{
    return spacingTableFrom(file.fileName(), file.rows(), &damage);
}

SpacingTable loadSpacingDefaults(const CalibrationFile& file)
{
    return spacingTableFrom(file.defaultsFileName(), file.rows());
}

void saveMargins(const CalibrationFile& file, const MarginTable& table)
{
    std::string text;
    for (std::size_t row = 0; row < file.rows() && row < table.size(); ++row) {
        const std::string top = rightAligned(table[row].top);
        // A top margin of five characters or more would run into the left
        // one and the row could not be read back: keep them apart.
        text += rightAligned(table[row].left) + (top.front() == ' ' ? "" : " ") + top + "\r\n";
    }
    writeTextFile(file.fileName(), text);
}

void saveSpacings(const CalibrationFile& file, const SpacingTable& table)
{
    std::string text;
    for (std::size_t row = 0; row < file.rows() && row < table.size(); ++row)
        text += rightAligned(table[row]) + "\r\n";
    writeTextFile(file.fileName(), text);
}

} // namespace calibration
