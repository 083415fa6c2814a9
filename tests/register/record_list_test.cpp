#include "core/common/cp1250.h"
#include "core/common/io_error.h"
#include "core/records/vat_records.h"
#include "register/record_files.h"
#include "core/register/record_list.h"
#include "support/recorded_progress.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

struct RecordListTest : ::testing::Test {
    TempDir dir;
    RecordedProgress progress;

    Rows load(int kind, std::uint8_t formType = 1)
    {
        RowTable table;
        LoadRecordList(table, kind, formType, progress);
        EXPECT_EQ(table.rows.front(), (std::vector<std::string>{"Konto", "Nazwa", "NIP"}));
        EXPECT_EQ(table.selectedRow, -1);
        return Rows(table.rows.begin() + 1, table.rows.end());
    }
};

TEST_F(RecordListTest, NipFormsListOnlyTheirOwnType)
{
    RecordFileBuilder file(KindRejfor, 8);
    Bytes nip1 = file.inUse(1, "001", 1);
    setStr(nip1, nip::full_name, "Firma Jana");
    setStr(nip1, nip::nip, "1234567890");
    Bytes nip1Person = file.inUse(2, "002", 1);
    setStr(nip1Person, nip::surname, "Kowalski");
    setStr(nip1Person, nip::first_name, "Jan");
    Bytes nip2 = file.inUse(3, "003", 2);
    setStr(nip2, nip::nip, "1234567890");
    Bytes nip3 = file.inUse(4, "004", 3);
    setStr(nip3, nip::full_name, "not shown for NIP-3");
    setStr(nip3, nip::surname, cp1250::fromUtf8("Żak"));
    setStr(nip3, nip::first_name, "Ewa");
    file.inUse(5, "005");          // in use but never saved as a form: type 0
    file.record(9);                // records 8 and 9: gaps
    file.save();

    EXPECT_EQ(load(KindRejfor, 1), (Rows{{"001", "Firma Jana", "123-456-78-90"}, {"002", "Kowalski Jan", ""}}));
    EXPECT_EQ(load(KindRejfor, 2), (Rows{{"003", "", "123-45-67-890"}})); // no full name: empty
    EXPECT_EQ(load(KindRejfor, 3), (Rows{{"004", cp1250::fromUtf8("Żak Ewa"), ""}}));
}

TEST_F(RecordListTest, VatAndNipbRecordsWithTheirNamesAndNips)
{
    const struct {
        int kind;
        Field name;
        Field nip;
        const char* storedNip;
        std::vector<std::string> row;
    } cases[] = {
        {KindVatr, vatr::name, vatr::nip, "PL1234567890", {"001", "Alfa", "PL123-456-78-90"}},
        {KindVatz, vatz::name, vatz::nip, "1234567890", {"001", "Alfa", "123-456-78-90"}},
        {KindVat21, vat21::name, vat21::nip, "1234567890", {"001", "Alfa", "123-456-78-90"}},
        {KindNipb, nipb::name, nipb::nip, "123-45-67-890", {"001", "Alfa Jan", "123-45-67-890"}},
    };
    for (const auto& c : cases) {
        RecordFileBuilder file(c.kind, 4);
        Bytes rec = file.inUse(1, "001");
        setStr(rec, c.name, "Alfa");
        setStr(rec, c.nip, c.storedNip);
        if (c.kind == KindNipb)
            setStr(rec, nipb::first_name, "Jan");
        file.save();
        EXPECT_EQ(load(c.kind), Rows{c.row}) << c.kind;
    }
}

// The file is read in blocks; a cut-off tail is no record, and a read
// error keeps the rows read before it.
TEST_F(RecordListTest, ReadsEveryWholeRecordAcrossBlocks)
{
    EXPECT_THROW(load(KindNipb), IoError); // no file

    RecordFileBuilder file(KindVatr, 3000);
    for (int n = 1; n < 3000; ++n)
        file.inUse(n, std::to_string(n));
    file.save();
    auto bytes = fileBytes("vatr.Rdx");
    bytes.resize(bytes.size() + 900, 0x31);
    writeBytes("vatr.Rdx", bytes);
    const Rows rows = load(KindVatr);
    ASSERT_EQ(rows.size(), 2999u);
    for (std::size_t r = 0; r < rows.size(); ++r)
        ASSERT_EQ(rows[r][0], std::to_string(r + 1));

    ioFaults().failReadAfterBytes = 2'000'000; // within the second block read
    RowTable table;
    EXPECT_THROW(LoadRecordList(table, KindVatr, 1, progress), IoError);
    EXPECT_GT(table.rows.size(), 1000u);
    EXPECT_LT(table.rows.size(), 3000u);
}

} // namespace
