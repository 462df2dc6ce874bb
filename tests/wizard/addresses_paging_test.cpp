// Request addresses, paging titles and button states, and the "List" field, case by case.
#include <gtest/gtest.h>

#include "wizard/paging.h"
#include "wizard/service_addresses.h"

namespace {

using wizard::PageButtons;

TEST(ServiceAddresses, EncodeEveryQueryTextSoThatNoneCutsTheQuery) {
    struct Case {
        std::string base;
        wizard::QueryForm form;
        std::int64_t start;
        std::string query;
    };
    const Case cases[] = {{"http://s:1/",
                           {"Alien", "All", "Title", 20, false},
                           0,
                           "f=Alien&c=All&s=Title&l=20&st=0&mc=0"},
                          {"http://s:1",
                           {"Tom & Jerry #2", "Title", "Year", 50, true},
                           100,
                           "f=Tom%20%26%20Jerry%20%232&c=Title&s=Year&l=50&st=100&mc=1"},
                          {"http://s:1//",
                           {"a+b=c é", "MPAA Rating", "", 1, false},
                           5,
                           "f=a%2Bb%3Dc%20%C3%A9&c=MPAA%20Rating&s=&l=1&st=5&mc=0"}};
    for (const Case& c : cases) {
        const wizard::Address address = wizard::QueryAddress(c.base, c.form, c.start);
        ASSERT_TRUE(address.ok()) << address.error;
        EXPECT_EQ(address.text, "http://s:1/rd/1.0/action/list.pl?" + c.query + "&u=urd1&p=pzt7");
    }
}

TEST(ServiceAddresses, RefuseWhatIsTooLongAndEncodeTheOtherRequests) {
    wizard::QueryForm form{std::string(3000, '&'), "All", "Title", 20, false};
    const wizard::Address refused = wizard::QueryAddress("http://s:1/", form, 0);
    EXPECT_FALSE(refused.ok());
    EXPECT_NE(refused.error.find("too long"), std::string::npos);
    EXPECT_NE(refused.error.find("at most 8000"), std::string::npos);

    EXPECT_EQ(wizard::PreviewAddress("http://s:1/", "12", 99),
              "http://s:1/rd/1.0/action/preview.pl?v=12&time=99");
    EXPECT_EQ(wizard::AdviseAddress("http://s:1/", "A&B", "Title").text,
              "http://s:1/rd/1.0/action/advise.pl?f=A%26B&c=Title");
    EXPECT_FALSE(wizard::AdviseAddress("http://s:1/", "", "Title").ok());
    EXPECT_EQ(wizard::RatingAddress("http://s:1", "Alien_IS_1979_SEP_", 5).text,
              "http://s:1/rd/1.0/action/rate_videos.pl?vals=Alien_IS_1979_SEP_&r=5");
    // A hostile file name stays one path segment under its folder.
    EXPECT_EQ(wizard::CoverAddress("http://i/images/", "2", "../../x.jpg"),
              "http://i/images/2/..%2F..%2Fx.jpg");
}

TEST(Paging, TitleAndButtonsFollowStartListAndTotal) {
    struct Case {
        std::int64_t start;
        int list;
        std::int64_t shown, total;
        std::string range;
        PageButtons idle;
    };
    const Case cases[] = {{0, 20, 0, 70, "1-0 of 70", {true, false, true, true}},  // a total alone
                          {50, 50, 50, 120, "51-100 of 120", {true, true, true, true}},
                          {100, 50, 20, 120, "101-120 of 120", {true, true, false, true}},
                          {0, 50, 50, 50, "1-50 of 50", {true, false, false, true}}};
    for (const Case& c : cases) {
        EXPECT_EQ(wizard::ResultsTitle(c.start, c.shown, c.total),
                  "Video Import Wizard - Results: " + c.range);
        EXPECT_EQ(wizard::ButtonsWhenIdle(c.start, c.list, c.total, true), c.idle) << c.range;
    }
}

TEST(PagingSteps, MoveByTheListValueWithinBounds) {
    EXPECT_EQ(wizard::PreviousStart(20, 50), 0);
    EXPECT_EQ(wizard::PreviousStart(100, 50), 50);
    EXPECT_EQ(wizard::NextStart(50, 50, false), 100);
    EXPECT_EQ(wizard::NextStart(50, 50, true), 50);
    EXPECT_EQ(wizard::ButtonsWhileBusy(), (PageButtons{false, false, false, false}));
    EXPECT_FALSE(wizard::ButtonsWhenIdle(0, 20, 5, false).switch_manual);
}

TEST(ListField, KeepsTheCountWithinOneToFifty) {
    const std::pair<std::string, std::optional<int>> cases[] = {{"75", 50},  {"", 1},
                                                                {"0", 1},    {"7", 7},
                                                                {"50", 50},  {"abc", std::nullopt},
                                                                {"12x", 12}, {"-3", std::nullopt}};
    for (const auto& [typed, expected] : cases) {
        EXPECT_EQ(wizard::ListCountOfTyped(typed), expected) << typed;
    }
}

}  // namespace
