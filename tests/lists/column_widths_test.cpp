#include <gtest/gtest.h>

#include "app/column_widths.h"
#include "fakes/fake_text_widths.h"
#include "fakes/list_session.h"

namespace {

class ColumnWidthsTest : public ListSession {
  protected:
    int Width(const std::string& column) const {
        return session_.Videos.ColumnWidth(Column(column));
    }
    FakeTextWidths widths_;
};

TEST_F(ColumnWidthsTest, StoredWidthsOrOnAnEmptyListTheHeadersAndHiddenColumnsNone) {
    for (bool autosize : {false, true}) {
        app::ApplyColumnWidths(session_.Videos, autosize, widths_);
        EXPECT_EQ(Width("Title"), widths_.HeaderWidth("Title"));
        EXPECT_EQ(Width("#"), widths_.HeaderWidth(""));  // "#" shows no title
        EXPECT_EQ(Width("Synopsis"), 0);
        EXPECT_EQ(Width("Flag"), app::kFlagColumnWidth);
    }
    AddTitles({"Alien"});
    session_.Videos.MutableColumn(Column("Title")).Width = 333;
    app::ApplyColumnWidths(session_.Videos, false, widths_);
    EXPECT_EQ(Width("Title"), 333);
    EXPECT_EQ(Width("Year"), 50);
    EXPECT_EQ(Width("Cast"), 0);
    session_.Videos.MutableColumn(Column("Flag")).Visible = false;
    app::ApplyColumnWidths(session_.Videos, false, widths_);
    EXPECT_EQ(Width("Flag"), 0);
}

TEST_F(ColumnWidthsTest, AutosizeFitsTheWidestCellButShortColumnsTheirHeader) {
    AddRow({{"Title", "Alien"}, {"Year", "1979"}, {"Category", "Science Fiction"}});
    AddRow({{"Title", "Casablanca"}, {"Year", "1942"}, {"Category", "Drama"}});
    app::ApplyColumnWidths(session_.Videos, true, widths_);
    EXPECT_EQ(Width("Title"), widths_.CellWidth("Casablanca"));
    EXPECT_EQ(Width("Category"), widths_.CellWidth("Science Fiction"));
    EXPECT_EQ(Width("Year"), widths_.HeaderWidth("Year"));
}

TEST_F(ColumnWidthsTest, HiddenColumnsStayHiddenAndDraggedWidthsAreKept) {
    session_.Videos.SetColumnWidth(Column("Cast"), 80);  // a click on a header widened it
    app::ColumnResized(session_.Videos, Column("Title"), 275);
    app::KeepHiddenColumnsHidden(session_.Videos);
    EXPECT_EQ(Width("Cast"), 0);
    EXPECT_EQ(Width("Title"), 275);
    EXPECT_EQ(session_.Videos.Column(Column("Title")).Width, 275);
}

}  // namespace
