#include "core/common/tax_offices.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

constexpr std::size_t kRecordSize = 286;

// Office records after record zero: each name a short string at offset 0
// with the given length byte, the rest filled with a byte that must not
// leak into the name.
std::vector<unsigned char> officeFile(const std::vector<std::string>& names, int lengthByte = -1)
{
    std::vector<unsigned char> bytes(kRecordSize, 'x');
    for (const std::string& n : names) {
        std::vector<unsigned char> rec(kRecordSize, 'x');
        rec[0] = static_cast<unsigned char>(lengthByte < 0 ? n.size() : lengthByte);
        std::copy(n.begin(), n.end(), rec.begin() + 1);
        bytes.insert(bytes.end(), rec.begin(), rec.end());
    }
    return bytes;
}

class TaxOfficesTest : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(TaxOfficesTest, ListsEveryOfficeAfterRecordZeroAcrossReads)
{
    std::vector<std::string> names{"Urz\xb9" "d Skarbowy Warszawa-Mokot\xf3w", ""};
    for (int i = 1; i <= 2500; ++i)
        names.push_back("US " + std::to_string(i));
    writeBytes("urzedy.Rdx", officeFile(names));
    EXPECT_EQ(FillTaxOffices(), names);
}

TEST_F(TaxOfficesTest, MissingEmptyOrUnreadableFileGivesNoOffices)
{
    EXPECT_TRUE(FillTaxOffices().empty());
    writeBytes("urzedy.Rdx", officeFile({}));
    EXPECT_TRUE(FillTaxOffices().empty());
    writeBytes("urzedy.Rdx", officeFile({"A", "B"}));
    ioFaults().failReadAfterBytes = kRecordSize;
    EXPECT_TRUE(FillTaxOffices().empty());
}

TEST_F(TaxOfficesTest, DamagedLengthIsCutAndATrailingPartialRecordIgnored)
{
    auto bytes = officeFile({std::string(60, 'N')}, 200);
    bytes.insert(bytes.end(), 100, 5);
    writeBytes("offices.bin", bytes);
    EXPECT_EQ(FillTaxOffices("offices.bin"), std::vector<std::string>{std::string(60, 'N')});
}

} // namespace
