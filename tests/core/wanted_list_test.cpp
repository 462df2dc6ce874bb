#include "core/wanted_list.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(WantedListTest, AddKeepsTitlesInAlphabeticalOrderIgnoringCase) {
    core::WantedList wanted;
    EXPECT_EQ(wanted.Add("Vertigo"), 0);
    EXPECT_EQ(wanted.Add("alien"), 0);
    EXPECT_EQ(wanted.Add("Zulu"), 2);
    EXPECT_EQ(wanted.Add("Brazil"), 1);
    EXPECT_EQ(wanted.Add("brazil 2"), 2);
    EXPECT_EQ(wanted.Add(""), 0);
    EXPECT_EQ(wanted.Titles(),
              (std::vector<std::string>{"", "alien", "Brazil", "brazil 2", "Vertigo", "Zulu"}));
    EXPECT_EQ(wanted.Count(), 6);
    EXPECT_EQ(wanted.Get(1), "alien");
}

TEST(WantedListTest, EqualTitlesGoAfterTheExistingOnes) {
    core::WantedList wanted;
    wanted.Add("Heat");
    wanted.Add("Alien");
    EXPECT_EQ(wanted.Add("HEAT"), 2);
    EXPECT_EQ(wanted.Add("heat"), 3);
    EXPECT_EQ(wanted.Add("Heat"), 4);
    EXPECT_EQ(wanted.Titles(), (std::vector<std::string>{"Alien", "Heat", "HEAT", "heat", "Heat"}));
}

TEST(WantedListTest, OnlyAsciiLettersFoldAndOtherBytesSortUnsigned) {
    core::WantedList wanted;
    wanted.Add("\xC9lan");  // É in Latin-1
    wanted.Add("zorro");
    wanted.Add("_under");
    wanted.Add("[bracket");
    wanted.Add("Abba");
    // "[" and "_" lie between "Z" and "a"; folded letters all sort after them.
    EXPECT_EQ(wanted.Titles(),
              (std::vector<std::string>{"[bracket", "_under", "Abba", "zorro", "\xC9lan"}));
}

TEST(WantedListTest, DeleteAndClear) {
    core::WantedList wanted;
    for (const char* title : {"c", "a", "b"}) wanted.Add(title);
    wanted.Delete(1);
    EXPECT_EQ(wanted.Titles(), (std::vector<std::string>{"a", "c"}));
    wanted.Delete(-1);
    wanted.Delete(2);
    EXPECT_EQ(wanted.Count(), 2);
    EXPECT_THROW(wanted.Get(2), std::out_of_range);
    wanted.Clear();
    EXPECT_EQ(wanted.Count(), 0);
    EXPECT_EQ(wanted.Add("x"), 0);
}

}  // namespace
