#pragma once
#include "core/common/data_files.h"
#include "core/common/record_access.h"
#include "core/records/cleared_record.h"
#include "core/records/nip_record.h"
#include "core/register/record_kind.h"
#include "support/temp_dir.h"

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

// A record file of one kind written in the test's directory: `count` free
// records, some of which the test puts in use. Records past the end, as the
// test asks for them, are gap records (every byte zero).
class RecordFileBuilder {
public:
    RecordFileBuilder(int kind, int count) : size_(kindAt(kind).recordSize), name_(dataFileName(kindAt(kind).baseName))
    {
        for (int n = 0; n < count; ++n)
            ClearRecordBytes(record(n));
    }

    Bytes record(int n)
    {
        if (bytes_.size() < (n + 1) * size_)
            bytes_.resize((n + 1) * size_, 0);
        return Bytes(bytes_).subspan(n * size_, size_);
    }
    // Record n in use under `account` with the texts given; for REJFOR
    // holding a form of `formType`.
    Bytes inUse(int n, std::string_view account, std::uint8_t formType = 0,
                std::initializer_list<std::pair<Field, std::string_view>> texts = {})
    {
        Bytes rec = record(n);
        setStr(rec, nip::account_no, account);
        if (formType != 0)
            setU8(rec, nip::form_type, formType);
        for (const auto& [field, text] : texts)
            setStr(rec, field, text);
        return rec;
    }
    // Writes the file, with `tail` stray bytes after the last record.
    void save(std::size_t tail = 0) const
    {
        std::vector<unsigned char> out(bytes_);
        out.resize(out.size() + tail, 0x31);
        writeBytes(name_, out);
    }

private:
    std::size_t size_;
    std::string name_;
    std::vector<unsigned char> bytes_;
};
