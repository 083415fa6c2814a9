#include "common/tax_offices.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

constexpr std::size_t kRecordSize = 286;

// One office record: its name as a short string at offset 0, the rest filled
// with a byte that must not leak into the name.
std::vector<unsigned char> officeRecord(const std::string& name, unsigned char lengthByte)
{
    std::vector<unsigned char> rec(kRecordSize, 'x');
    rec[0] = lengthByte;
    std::copy(name.begin(), name.end(), rec.begin() + 1);
    return rec;
}

std::vector<unsigned char> officeFile(const std::vector<std::string>& names)
{
    std::vector<unsigned char> bytes = officeRecord("record zero", 11);
    for (const std::string& n : names) {
        const auto rec = officeRecord(n, static_cast<unsigned char>(n.size()));
        bytes.insert(bytes.end(), rec.begin(), rec.end());
    }
    return bytes;
}

class TaxOfficesTest : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(TaxOfficesTest, ListsEveryOfficeAfterRecordZero)
{
    const std::vector<std::string> names{"Urz\xb9" "d Skarbowy Warszawa-Mokot\xf3w", "US Krak\xf3w", ""};
    writeBytes("urzedy.Rdx", officeFile(names));
    EXPECT_EQ(FillTaxOffices(), names);
}

TEST_F(TaxOfficesTest, MissingEmptyOrUnreadableFileGivesNoOffices)
{
    EXPECT_TRUE(FillTaxOffices().empty());
    writeBytes("urzedy.Rdx", {});
    EXPECT_TRUE(FillTaxOffices().empty());
    writeBytes("urzedy.Rdx", officeFile({}));
    EXPECT_TRUE(FillTaxOffices().empty());
    writeBytes("urzedy.Rdx", officeFile({"A", "B"}));
    ioFaults().failReadAfterBytes = kRecordSize;
    EXPECT_TRUE(FillTaxOffices().empty());
}

TEST_F(TaxOfficesTest, DamagedLengthIsCutAndATrailingPartialRecordIgnored)
{
    auto bytes = officeFile({});
    const auto damaged = officeRecord(std::string(60, 'N'), 200);
    bytes.insert(bytes.end(), damaged.begin(), damaged.end());
    bytes.insert(bytes.end(), 100, 5);
    writeBytes("offices.bin", bytes);
    EXPECT_EQ(FillTaxOffices("offices.bin"), std::vector<std::string>{std::string(60, 'N')});
}

TEST_F(TaxOfficesTest, ReadsLargeFilesInOrder)
{
    std::vector<std::string> names;
    for (int i = 1; i <= 2500; ++i)
        names.push_back("US " + std::to_string(i));
    writeBytes("urzedy.Rdx", officeFile(names));
    EXPECT_EQ(FillTaxOffices(), names);
}

} // namespace
