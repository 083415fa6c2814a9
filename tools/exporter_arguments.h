#pragma once
// The exporter's command line: its options, the record they name and the
// pages it prints. No Qt: checked on its own, and fuzzed.
#include "core/common/record_access.h"
#include "core/print/print_forms.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

enum ExitCode { Success = 0, UsageError = 2, NoSuchRecord = 3, InputOutputError = 4 };

inline constexpr int kDefaultResolution = 1200;
inline constexpr int kMinResolution = 72;
inline constexpr int kMaxResolution = 9600;

struct ExporterOptions {
    FormKind kind{};
    std::string formName;
    std::string account;
    std::string output;
    std::optional<BoxTicks> pages;
    int resolution = kDefaultResolution;
    bool withForm = false; // the complete form: the blanks under the data, at the exact scale
};

struct Failure {
    int code;
    std::string message;
};

std::variant<ExporterOptions, Failure> parseArguments(int argc, const char* const argv[]);

// Whether writing the output would replace a data file of the program or
// the ledger: every one lies in the working directory, named *.Rdx.
bool isDataFile(const std::string& output);

// The record stored under the account, when it is in use and holds the form.
// Throws the record file's IoError.
std::optional<std::vector<std::uint8_t>> storedRecord(const PrintForm& form, int account);

// The boxes to print: the listed ones, which must be offered for the
// record, or every box the dialog would tick.
std::variant<BoxTicks, Failure> ticksFor(const ExporterOptions& options, ConstBytes record);
