#pragma once
#include "core/common/io_error.h"
#include "core/print/page_writer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The calibration files: per form family one margin file (a left and a top
// margin per page) and one spacing file (the distance between consecutive
// sections of the pages), in whole millimetres. Plain text, one row per
// line, every number right-aligned in five characters, CRLF line ends.
namespace calibration {

struct MarginPair {
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool operator==(const MarginPair&) const = default;
};

inline constexpr std::size_t kMarginPairs = 60;
using MarginTable = std::array<MarginPair, kMarginPairs>;
using SpacingTable = PageWriter::SpacingTable;

// One calibration file: its base name and one label per row (the page of a
// margin row, the pair of sections of a spacing entry).
struct CalibrationFile {
    std::string_view base;
    std::span<const std::string_view> labels;

    std::size_t rows() const { return labels.size(); }
    // "margnip1" -> "margnip1.Rdx".
    std::string fileName() const;
    // The read-only defaults of a spacing file: "odsnip1" -> "odsnip1d.Rdx".
    std::string defaultsFileName() const;
};

extern const CalibrationFile margnip1, margnip2, margnip3, margvatr, margvatz, marvat21;
extern const CalibrationFile odsnip1, odsnip2, odsnip3, odsvatr, odsvatz, odsv21;

// The three files of each calibration dialog, in the order of its groups.
extern const std::array<const CalibrationFile*, 3> kNipMarginFiles;
extern const std::array<const CalibrationFile*, 3> kVatMarginFiles;
extern const std::array<const CalibrationFile*, 3> kNipSpacingFiles;
extern const std::array<const CalibrationFile*, 3> kVatSpacingFiles;

// Loading gives a table of zeros with the file's rows over it: a missing
// file leaves all zeros, a short file zeros after its last row, rows beyond
// the file's row count are ignored. Content that is not an integer throws
// IoError(IoError::InvalidNumber) naming the file and the line; other read
// failures throw their IoError.
MarginTable loadMargins(const CalibrationFile& file);
SpacingTable loadSpacings(const CalibrationFile& file);
SpacingTable loadSpacingDefaults(const CalibrationFile& file);

// The same for the dialogs, which let the operator write a damaged file
// anew: content that is not an integer ends the read instead, keeping the
// whole rows before it (zeros for the rest), and `damage` gets that error.
// Other read failures throw.
MarginTable loadMargins(const CalibrationFile& file, std::optional<IoError>& damage);
SpacingTable loadSpacings(const CalibrationFile& file, std::optional<IoError>& damage);

// Writes the file's rows of the table to a file created anew; throws IoError.
void saveMargins(const CalibrationFile& file, const MarginTable& table);
void saveSpacings(const CalibrationFile& file, const SpacingTable& table);

} // namespace calibration
