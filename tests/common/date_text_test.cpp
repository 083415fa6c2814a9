#include "core/common/date_text.h"

#include "core/common/messages.h"

#include <gtest/gtest.h>

namespace {

TEST(DateText, ShowsExistingDatesOnly)
{
    const struct {
        Date4 date;
        const char* expected;
    } cases[] = {
        {{2004, 12, 5}, "05-12-2004"}, {{2004, 2, 29}, "29-02-2004"}, {{2004, 2, 30}, "  -  -    "},
        {{1900, 2, 29}, "  -  -    "}, {{2000, 2, 29}, "29-02-2000"}, {{2004, 13, 1}, "  -  -    "},
        {{2004, 4, 31}, "  -  -    "}, {{2004, 4, 0}, "  -  -    "},   {{0, 5, 5}, "  -  -    "},
        {{812, 1, 31}, "31-01-0812"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateText(c.date), c.expected) << c.date.year << '-' << int(c.date.month) << '-' << int(c.date.day);
}

TEST(TextToDate, ParsesDayMonthYear)
{
    const struct {
        const char* text;
        Date4 expected;
    } cases[] = {
        {"05-12-2004", {2004, 12, 5}}, {" 5- 1-2004", {2004, 1, 5}}, {"05-12-2004  ", {2004, 12, 5}},
        {"31-02-2004", {}},            {"29-02-2003", {}},           {"  -  -    ", {}},
        {"05-12-04", {}},              {"2004-12-05", {}},           {"05-12-2004-1", {}},
        {"00-12-2004", {}},            {"01-01-0000", {}},           {"05-1 2-2004", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToDate(c.text), c.expected) << '"' << c.text << '"';
    for (const Date4 d : {Date4{1999, 1, 31}, Date4{2024, 2, 29}, Date4{9999, 12, 31}})
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
