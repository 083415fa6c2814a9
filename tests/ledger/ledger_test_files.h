#pragma once
#include "core/common/cp1250.h"
#include "core/common/data_files.h"
#include "core/common/record_access.h"
#include "core/records/ledger_record.h"
#include "support/temp_dir.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A small ledger file of `records` records written in the test's directory
// with the layout's fields. Every record starts free (the blank account).
class LedgerTestFile {
public:
    explicit LedgerTestFile(int records) : bytes_(records * ledger::kRecordSize, 0)
    {
        for (int n = 0; n < records; ++n)
            setStr(record(n), ledger::account_no, kBlankAccount);
    }
    Bytes record(int n) { return Bytes(bytes_).subspan(n * ledger::kRecordSize, ledger::kRecordSize); }
    // A taxpayer at record n under the account text `account`, with the texts given.
    Bytes taxpayer(int n, std::string_view account, std::initializer_list<std::pair<Field, std::string>> texts = {})
    {
        setStr(record(n), ledger::account_no, account);
        for (const auto& [field, text] : texts)
            setStr(record(n), field, text);
        return record(n);
    }
    // Writes "konta200.Rdx", with `tail` stray bytes after the last record.
    void save(std::size_t tail = 0) const
    {
        std::vector<unsigned char> out(bytes_);
        out.resize(out.size() + tail, 0x41);
        writeBytes(dataFileName("konta200."), out);
    }

private:
    std::vector<unsigned char> bytes_;
};

// "urzedy.Rdx" with office i + 1 named names[i] (record 0 is no office).
inline void writeOffices(const std::vector<std::string>& names)
{
    std::vector<unsigned char> bytes((names.size() + 1) * tax_office::kRecordSize, 0);
    for (std::size_t i = 0; i < names.size(); ++i)
        setStr(Bytes(bytes).subspan((i + 1) * tax_office::kRecordSize, tax_office::kRecordSize), tax_office::name,
               names[i]);
    writeBytes(dataFileName("urzedy."), bytes);
}

// Code page 1250 bytes of a UTF-8 literal.
inline std::string cp(std::string_view utf8) { return cp1250::fromUtf8(utf8); }
