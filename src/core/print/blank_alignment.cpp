#include "core/print/blank_alignment.h"

#include "core/common/file_io.h"
#include "core/common/io_error.h"
#include "core/print/blank_form_names.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>

namespace {

constexpr double kA4ToleranceMm = 1.0;
// A correction is three short lines; anything longer is no correction.
constexpr std::uintmax_t kLongestFile = 256;

std::optional<double> decimal(std::string_view text)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == ' '))
        text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    std::string point(text);
    std::replace(point.begin(), point.end(), ',', '.'); // as an operator may type it
    double value = 0.0;
    const auto [end, ec] = std::from_chars(point.data(), point.data() + point.size(), value);
    if (point.empty() || ec != std::errc() || end != point.data() + point.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<BlankAlignment> parsed(std::string_view text)
{
    std::array<double, 3> values{};
    std::size_t count = 0;
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        const std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        const std::optional<double> value = decimal(line);
        if (!value || count == values.size())
            return std::nullopt;
        values[count++] = *value;
    }
    const BlankAlignment a{values[0], values[1], values[2] / 100.0};
    if (count != values.size() || std::abs(a.offsetXMm) > kMaxBlankOffsetMm || std::abs(a.offsetYMm) > kMaxBlankOffsetMm
        || a.scale < kMinBlankScale || a.scale > kMaxBlankScale)
        return std::nullopt;
    return a;
}

std::string decimalText(double value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return std::string(buffer, ec == std::errc() ? end : buffer);
}

} // namespace

std::string blankAlignmentPath(std::string_view label)
{
    return std::string(kBlankFormFolder) + "/" + blankFormFileBase(label) + ".popr";
}

LoadedAlignment loadBlankAlignment(std::string_view label)
{
    const std::string path = blankAlignmentPath(label);
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return {};
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    const std::optional<std::string> text = !error && size <= kLongestFile ? readTextFile(path) : std::nullopt;
    if (const std::optional<BlankAlignment> alignment = text ? parsed(*text) : std::nullopt)
        return {*alignment, {}};
    return {{}, "Plik " + path + " z poprawką położenia formularza jest błędny: formularz leży bez poprawki."};
}

void saveBlankAlignment(std::string_view label, const BlankAlignment& alignment)
{
    const std::string path = blankAlignmentPath(label);
    std::error_code error;
    if (alignment == BlankAlignment{}) {
        if (!std::filesystem::remove(path, error) && error)
            throw IoError::fromErrorCode(error, path);
        return;
    }
    std::filesystem::create_directory(kBlankFormFolder, error);
    if (error)
        throw IoError::fromErrorCode(error, std::string(kBlankFormFolder));
    writeTextFile(path,
                  decimalText(alignment.offsetXMm) + "\n" + decimalText(alignment.offsetYMm) + "\n"
                      + decimalText(alignment.scale * 100.0) + "\n");
}

bool isA4(double widthMm, double heightMm)
{
    return std::abs(widthMm - kA4WidthMm) <= kA4ToleranceMm && std::abs(heightMm - kA4HeightMm) <= kA4ToleranceMm;
}

RectMm blankPlacement(double pageWidthMm, double pageHeightMm, const BlankAlignment& alignment)
{
    RectMm fitted{0.0, 0.0, kA4WidthMm, kA4HeightMm};
    if (!isA4(pageWidthMm, pageHeightMm) && pageWidthMm > 0.0 && pageHeightMm > 0.0) {
        const double k = std::min(kA4WidthMm / pageWidthMm, kA4HeightMm / pageHeightMm);
        fitted.width = pageWidthMm * k;
        fitted.height = pageHeightMm * k;
        fitted.x = (kA4WidthMm - fitted.width) / 2.0;
        fitted.y = (kA4HeightMm - fitted.height) / 2.0;
    }
    const double s = alignment.scale;
    return {alignment.offsetXMm + s * fitted.x, alignment.offsetYMm + s * fitted.y, s * fitted.width,
            s * fitted.height};
}
