#pragma once
#include <string>
#include <vector>

// The names of all tax offices of the ledger's office file, in file order:
// position i - 1 holds office number i (record 0 is no office). Any failure
// to read the file, a missing file included, gives an empty list.
std::vector<std::string> FillTaxOffices(const std::string& path = "urzedy.Rdx");
