#include "common/date_text.h"

#include "common/messages.h"

#include <gtest/gtest.h>

namespace {

TEST(DateText, ShowsExistingDatesOnly)
{
    const struct {
        Date4 date;
        const char* expected;
    } cases[] = {
        {{2004, 12, 5}, "05-12-2004"},
        {{2004, 2, 29}, "29-02-2004"},
        {{2004, 2, 30}, kEmptyDateText},
        {{1900, 2, 29}, kEmptyDateText},
        {{2000, 2, 29}, "29-02-2000"},
        {{2004, 13, 1}, kEmptyDateText},
        {{2004, 0, 1}, kEmptyDateText},
        {{2004, 4, 31}, kEmptyDateText},
        {{2004, 4, 0}, kEmptyDateText},
        {{0, 0, 0}, kEmptyDateText},
        {{0, 5, 5}, kEmptyDateText},
        {{812, 1, 31}, "31-01-0812"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateText(c.date), c.expected) << c.date.year << '-' << int(c.date.month) << '-' << int(c.date.day);
    EXPECT_EQ(std::string(kEmptyDateText), "  -  -    ");
}

TEST(TextToDate, ParsesDayMonthYear)
{
    const struct {
        const char* text;
        Date4 expected;
    } cases[] = {
        {"05-12-2004", {2004, 12, 5}},
        {"5-12-2004", {2004, 12, 5}},
        {"5-1-2004", {2004, 1, 5}},
        {" 5- 1-2004", {2004, 1, 5}},
        {"29-02-2004", {2004, 2, 29}},
        {"05-12-2004  ", {2004, 12, 5}},
        {"31-02-2004", {}},
        {"29-02-2003", {}},
        {"  -  -    ", {}},
        {"", {}},
        {"05-12-04", {}},
        {"05-12-04  ", {}},
        {"05/12/2004", {}},
        {"2004-12-05", {}},
        {"05-12-2004-1", {}},
        {"0a-12-2004", {}},
        {"00-12-2004", {}},
        {"05-00-2004", {}},
        {"01-01-0000", {}},
        {"05-1 2-2004", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToDate(c.text), c.expected) << '"' << c.text << '"';
}

TEST(TextToDate, ReadsBackWhatDateTextWrites)
{
    for (const Date4 d : {Date4{2004, 12, 5}, Date4{1999, 1, 31}, Date4{2024, 2, 29}, Date4{9999, 12, 31}})
        EXPECT_EQ(TextToDate(DateText(d)), d);
}

TEST(IsValidDate, TellsTheOperatorOnlyAboutBadDates)
{
    CollectingMessenger messenger;
    EXPECT_EQ(IsValidDate("05-12-2004", messenger), 1);
    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(IsValidDate("31-02-2004", messenger), 0);
    EXPECT_EQ(messenger.messages, std::vector<std::string>{"Niepoprawna data"});
}

} // namespace
