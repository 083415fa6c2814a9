#include "core/common/dictionary.h"

#include "core/common/io_error.h"
#include "core/common/polish_order.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using List = std::vector<std::string>;

List loaded(const std::string& name, List list = {})
{
    LoadDictionary(list, name);
    return list;
}

class DictionaryTest : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(DictionaryTest, LoadsLinesWhateverTheLineBreak)
{
    EXPECT_EQ(loaded("slkraj.Rdx", {"Polska"}), List{"Polska"}); // no file: the list stays
    const struct {
        std::string content;
        List expected;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}}, {"a\nb", {"a", "b"}}, {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb\n", {"a", "", "b"}}, {"", {}},
    };
    for (const auto& c : cases) {
        writeTextFile("slwoj.Rdx", c.content);
        EXPECT_EQ(loaded("slwoj.Rdx", {"old"}), c.expected);
    }
}

TEST_F(DictionaryTest, AddsNewEntriesAndSavesTheWholeList)
{
    List list{"Polska"};
    AddToDictionary(list, "Polska", "slkraj.Rdx", false);
    AddToDictionary(list, "", "slkraj.Rdx", true);
    EXPECT_FALSE(fileExists("slkraj.Rdx")); // a known or empty text writes nothing

    AddToDictionary(list, "Czechy", "slkraj.Rdx", false);
    AddToDictionary(list, "POLSKA", "slkraj.Rdx", false);
    EXPECT_EQ(list, (List{"Polska", "Czechy", "POLSKA"}));
    EXPECT_EQ(readTextFile("slkraj.Rdx"), "Polska\r\nCzechy\r\nPOLSKA\r\n");
}

TEST_F(DictionaryTest, SortedListKeepsPolishAlphabeticalOrder)
{
    List list{"Gda\xf1sk", "Lublin", "Malbork", "Zabrze"};
    for (const char* city : {"\xa3\xf3" "d\x9f", "\xafory", "krak\xf3w", "Aleksandr\xf3w"}) // Łódź, Żory
        AddToDictionary(list, city, "slmiejsc.Rdx", true);
    const List expected{"Aleksandr\xf3w", "Gda\xf1sk", "krak\xf3w", "Lublin", "\xa3\xf3" "d\x9f",
                        "Malbork", "Zabrze", "\xafory"};
    EXPECT_EQ(list, expected);
    EXPECT_EQ(loaded("slmiejsc.Rdx"), expected);
}

TEST(PolishLess, OrdersPolishLettersAfterTheirBaseLetter)
{
    // a ą b ... s ś t ... z ź ż, case ignored.
    const List ordered{"a", "\xb9", "B", "l", "\xa3", "m", "s", "\x9c", "t", "z", "\x8f", "\xbf", "\xc9"};
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
        EXPECT_TRUE(PolishLess(ordered[i], ordered[i + 1])) << i;
        EXPECT_FALSE(PolishLess(ordered[i + 1], ordered[i])) << i;
    }
    EXPECT_TRUE(PolishLess("ab", "abc"));
    EXPECT_TRUE(PolishLess("ABC", "abc")); // equal but for case: byte order decides
    EXPECT_FALSE(PolishLess("abc", "ABC"));
}

TEST_F(DictionaryTest, FailedSaveIsReportedAndTheEntryKept)
{
    ioFaults().failWriteAfterBytes = 3;
    List list{"Polska"};
    EXPECT_THROW(AddToDictionary(list, "Czechy", "slkraj.Rdx", false), IoError);
    EXPECT_EQ(list, (List{"Polska", "Czechy"}));
}

} // namespace
