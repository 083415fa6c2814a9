#pragma once
#include "core/common/messages.h"

#include "core/common/record_access.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Register operations over the record files. Each opens its file, works and
// closes it. Texts are code page 1250; messages go to the Messenger.
// Input/output errors that an operation does not handle are thrown as IoError.

void ClearRecord(int kind);

// Loads the stored record of an account (for kind 0 only when it holds the
// given form type) into the kind's buffer, or clears the buffer.
void LoadForAccount(int kind, std::string_view account, std::uint8_t formType);

// Writes the kind's buffer at the account number its own account_no holds,
// in one positioned write. Returns false, writing nothing, when that account
// text is not a positive number.
bool WriteRecord(int kind);

std::optional<int> FirstFreeAccount(int kind, Messenger& messages);

// Validates a typed number for a new record; on success claims it in the
// buffer and the current account. Free records and gap records (every byte
// zero) can be claimed, and so can a number beyond the end of the file that
// is below the ledger's number of taxpayer records.
bool CheckNewAccount(int kind, std::string_view typed, Messenger& messages);

// Validates the current account chosen in a list and loads its record.
bool CheckStoredAccount(int kind, Messenger& messages);

// Number of whole records in a kind's file (a cut-off tail is not a record).
std::uint64_t recordCount(int kind);

// Calls `visit` for every whole record after record 0, in file order, with
// its index (counted from 1). Reads the file in large blocks.
void ScanRecords(int kind, const std::function<void(std::uint64_t index, ConstBytes record)>& visit);
