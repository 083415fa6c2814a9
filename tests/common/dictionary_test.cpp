#include "common/dictionary.h"

#include "common/io_error.h"
#include "common/polish_order.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using List = std::vector<std::string>;

std::string fileText(const std::string& name)
{
    const auto bytes = fileBytes(name);
    return std::string(bytes.begin(), bytes.end());
}

class DictionaryTest : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(DictionaryTest, MissingFileLeavesTheList)
{
    List list{"Polska"};
    LoadDictionary(list, "slkraj.Rdx");
    EXPECT_EQ(list, List{"Polska"});
}

TEST_F(DictionaryTest, LoadsLinesWhateverTheLineBreak)
{
    const struct {
        std::string content;
        List expected;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb\n", {"a", "", "b"}},
        {"", {}},
        {"\xa3\xf3" "d\x9f\r\n", {"\xa3\xf3" "d\x9f"}},
    };
    for (const auto& c : cases) {
        writeTextFile("slwoj.Rdx", c.content);
        List list{"old"};
        LoadDictionary(list, "slwoj.Rdx");
        EXPECT_EQ(list, c.expected);
    }
}

TEST_F(DictionaryTest, AddsNewEntriesAndSavesTheWholeList)
{
    List list{"Polska", "Niemcy"};
    AddToDictionary(list, "Czechy", "slkraj.Rdx", false);
    AddToDictionary(list, "Polska", "slkraj.Rdx", false);
    AddToDictionary(list, "POLSKA", "slkraj.Rdx", false);
    AddToDictionary(list, "", "slkraj.Rdx", false);
    const List expected{"Polska", "Niemcy", "Czechy", "POLSKA"};
    EXPECT_EQ(list, expected);
    EXPECT_EQ(fileText("slkraj.Rdx"), "Polska\r\nNiemcy\r\nCzechy\r\nPOLSKA\r\n");
    List reloaded;
    LoadDictionary(reloaded, "slkraj.Rdx");
    EXPECT_EQ(reloaded, expected);
}

TEST_F(DictionaryTest, KnownOrEmptyTextWritesNothing)
{
    List list{"Polska"};
    AddToDictionary(list, "Polska", "slkraj.Rdx", false);
    AddToDictionary(list, "", "slkraj.Rdx", true);
    EXPECT_FALSE(fileExists("slkraj.Rdx"));
}

TEST_F(DictionaryTest, SortedListKeepsPolishAlphabeticalOrder)
{
    List list{"Gda\xf1sk", "Lublin", "Malbork", "Zabrze"};
    AddToDictionary(list, "\xa3\xf3" "d\x9f", "slmiejsc.Rdx", true); // Łódź
    AddToDictionary(list, "\xafory", "slmiejsc.Rdx", true);          // Żory
    AddToDictionary(list, "krak\xf3w", "slmiejsc.Rdx", true);
    AddToDictionary(list, "Aleksandr\xf3w", "slmiejsc.Rdx", true);
    const List expected{"Aleksandr\xf3w", "Gda\xf1sk", "krak\xf3w", "Lublin", "\xa3\xf3" "d\x9f",
                        "Malbork", "Zabrze", "\xafory"};
    EXPECT_EQ(list, expected);
    List reloaded;
    LoadDictionary(reloaded, "slmiejsc.Rdx");
    EXPECT_EQ(reloaded, expected);
}

TEST(PolishLess, OrdersPolishLettersAfterTheirBaseLetter)
{
    // a ą b c ć ... s ś t ... z ź ż, case ignored.
    const List ordered{"a", "\xb9", "B", "c", "\xe6", "e", "\xca", "l", "\xa3", "n", "\xf1", "o", "\xd3",
                       "s", "\x9c", "t", "z", "\x8f", "\xbf", "\xc9"};
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
        EXPECT_TRUE(PolishLess(ordered[i], ordered[i + 1])) << i;
        EXPECT_FALSE(PolishLess(ordered[i + 1], ordered[i])) << i;
    }
    EXPECT_TRUE(PolishLess("ab", "abc"));
    EXPECT_TRUE(PolishLess("ABC", "abc")); // equal but for case: byte order decides
    EXPECT_FALSE(PolishLess("abc", "ABC"));
    EXPECT_FALSE(PolishLess("abc", "abc"));
}

TEST_F(DictionaryTest, FailedSaveIsReportedAndTheEntryKept)
{
    ioFaults().failWriteAfterBytes = 3;
    List list{"Polska"};
    EXPECT_THROW(AddToDictionary(list, "Czechy", "slkraj.Rdx", false), IoError);
    EXPECT_EQ(list, (List{"Polska", "Czechy"}));
}

} // namespace
