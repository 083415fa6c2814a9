#pragma once
#include <cstdint>
#include <string>

// Writes a directory of fictional sample data: a ledger taxpayer file with
// `taxpayers` records, its tax offices, parameter and rates records, the
// office identity, and the calibration files. Texts reach the ledger's files
// in the code page of the Polish-letter `mode`.
void WriteSampleData(const std::string& dir, int taxpayers, std::uint8_t mode);
