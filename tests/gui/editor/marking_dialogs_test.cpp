// The Flag Selected Videos and Mark Selected windows over their models.
#include <QComboBox>
#include <QPushButton>

#include "app/flag_window.h"
#include "app/mark_selected_window.h"
#include "gui/editor/digit_spin_field.h"
#include "gui/editor/flag_dialog.h"
#include "gui/editor/mark_selected_dialog.h"
#include "gui/widget_fixture.h"

namespace {

using MarkingDialogsTest = WidgetFixture;

// What the windows offer and store is checked with their models; here, that the fields reach the
// models and that a refused OK keeps the window open on the field to correct.
TEST_F(MarkingDialogsTest, FlagShowsTheModelsChoicesAndStaysOpenUntilThereIsAReason) {
    const int heat = AddRow({{"Title", "Heat"}, {"Flag Value", "borrowed"}});
    AddRow({{"Title", "Dune"}, {"Flag Value", "Lent to Ann"}});
    Select({heat});
    app::FlagWindow window(session_);
    gui::FlagDialog dialog(window);
    dialog.show();
    auto* reason = Find<QComboBox>(dialog, "reason");
    ASSERT_EQ(reason->count(), 2);
    EXPECT_EQ(reason->currentText(), "borrowed");

    TypeOver(reason, "");
    Click(Find<QPushButton>(dialog, "okButton"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), reason);
    QTest::keyClicks(reason, "return to bob");
    QTest::keyClick(reason, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Cell(heat, "Flag Value"), "return to bob");
}

TEST_F(MarkingDialogsTest, MarkSelectedShowsTheModelsDateAndStaysOpenUntilItIsComplete) {
    const int alien = AddRow({{"Title", "Alien"}, {"Last Viewed", "03/07/1999"}});
    Select({alien});
    app::MarkSelectedWindow window(session_);
    gui::MarkSelectedDialog dialog(window);
    dialog.show();
    auto field = [&](const char* name) { return Find<gui::DigitSpinField>(dialog, name); };
    EXPECT_EQ(field("month")->text(), "3");
    EXPECT_EQ(field("day")->text(), "7");
    EXPECT_EQ(field("year")->text(), "1999");

    TypeOver(field("month"), "2");
    TypeOver(field("day"), "");
    TypeOver(field("year"), "2003");
    Click(Find<QPushButton>(dialog, "okButton"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), field("day"));
    QTest::keyClick(field("day"), Qt::Key_Up);  // the up-down control's step reaches the model too
    Click(Find<QPushButton>(dialog, "okButton"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Cell(alien, "Last Viewed"), "02/01/2003");
}

}  // namespace
