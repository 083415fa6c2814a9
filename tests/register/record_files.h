#pragma once
#include "core/common/data_files.h"
#include "core/common/record_access.h"
#include "core/records/cleared_record.h"
#include "core/records/nip_record.h"
#include "core/register/record_kind.h"
#include "support/temp_dir.h"

#include <string_view>
#include <vector>

// A record file of one kind written in the test's directory: `count` free
// records, some of which the test puts in use. Records past the end, as the
// test asks for them, are gap records (every byte zero).
class RecordFileBuilder {
public:
    RecordFileBuilder(int kind, int count) : size_(kindAt(kind).recordSize), name_(dataFileName(kindAt(kind).baseName))
    {
        bytes_.assign(static_cast<std::size_t>(count) * size_, 0);
        for (int n = 0; n < count; ++n)
            ClearRecordBytes(record(n));
    }

    Bytes record(int n)
    {
        const std::size_t end = static_cast<std::size_t>(n + 1) * size_;
        if (bytes_.size() < end)
            bytes_.resize(end, 0);
        return Bytes(bytes_).subspan(static_cast<std::size_t>(n) * size_, size_);
    }
    // Record n in use under `account`; for REJFOR holding a form of `formType`.
    Bytes inUse(int n, std::string_view account, std::uint8_t formType = 0)
    {
        Bytes rec = record(n);
        setStr(rec, nip::account_no, account);
        if (formType != 0)
            setU8(rec, nip::form_type, formType);
        return rec;
    }
    void save() const { writeBytes(name_, bytes_); }

private:
    std::uint32_t size_;
    std::string name_;
    std::vector<unsigned char> bytes_;
};
