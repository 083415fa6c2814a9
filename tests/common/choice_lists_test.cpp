// The word lists the forms' boxes offer, kept as text files.
#include "core/common/dictionary.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using List = std::vector<std::string>;

struct ChoiceListsTest : ::testing::Test {
    TempDir dir;
};

// A new entry joins the list, at its end or in Polish alphabetical order, and
// the whole list is saved; a known or empty text writes nothing.
TEST_F(ChoiceListsTest, WordListsAddNewEntriesAndSaveTheWholeList)
{
    List list{"Polska"};
    AddToDictionary(list, "Polska", "slkraj.Rdx", false);
    AddToDictionary(list, "", "slkraj.Rdx", true);
    EXPECT_FALSE(fileExists("slkraj.Rdx"));
    AddToDictionary(list, "Czechy", "slkraj.Rdx", false);
    AddToDictionary(list, "POLSKA", "slkraj.Rdx", false);
    EXPECT_EQ(readTextFile("slkraj.Rdx"), "Polska\r\nCzechy\r\nPOLSKA\r\n");

    List cities{"Gda\xf1sk", "Lublin", "Malbork", "Zabrze"};
    for (const char* city : {"\xa3\xf3" "d\x9f", "\xafory", "krak\xf3w", "Aleksandr\xf3w"}) // Łódź, Żory
        AddToDictionary(cities, city, "slmiejsc.Rdx", true);
    const List expected{"Aleksandr\xf3w", "Gda\xf1sk", "krak\xf3w", "Lublin", "\xa3\xf3" "d\x9f",
                        "Malbork", "Zabrze", "\xafory"};
    EXPECT_EQ(cities, expected);
    List read;
    LoadDictionary(read, "slmiejsc.Rdx");
    EXPECT_EQ(read, expected);
}

} // namespace
