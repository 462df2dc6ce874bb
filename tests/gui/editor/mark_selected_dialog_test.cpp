// The Mark Selected window over its model.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "app/mark_selected_window.h"
#include "editor_fixture.h"
#include "gui/editor/digit_spin_field.h"
#include "gui/editor/mark_selected_dialog.h"

namespace {

using gui::DigitSpinField;

class MarkSelectedDialogTest : public EditorFixture {
  protected:
    static DigitSpinField* Field(const QWidget& dialog, const char* name) {
        return Find<DigitSpinField>(dialog, name);
    }
    static void ClickOk(const QWidget& dialog) {
        QTest::mouseClick(Find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    }
};

TEST_F(MarkSelectedDialogTest, ShowsTheRowsDateAsPlainNumbersWithTheModelsLimits) {
    Select({AddRow({{"Title", "Alien"}, {"Last Viewed", "03/07/1999"}})});
    app::MarkSelectedWindow window(session_);
    gui::MarkSelectedDialog dialog(window);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Mark Selected");
    EXPECT_EQ(Field(dialog, "month")->text(), "3");
    EXPECT_EQ(Field(dialog, "day")->text(), "7");
    EXPECT_EQ(Field(dialog, "year")->text(), "1999");
    EXPECT_EQ(Field(dialog, "month")->Maximum(), 12);
    EXPECT_EQ(Field(dialog, "day")->Maximum(), 31);
    EXPECT_EQ(Field(dialog, "year")->Minimum(), 1970);
    EXPECT_EQ(Field(dialog, "year")->Maximum(), 2030);
    EXPECT_EQ(Field(dialog, "year")->Rule().max_length, 4);
    EXPECT_EQ(dialog.focusWidget(), Field(dialog, "month"));
}

TEST_F(MarkSelectedDialogTest, StoresTheTypedDateInEverySelectedRow) {
    const int alien = AddRow({{"Title", "Alien"}});
    const int heat = AddRow({{"Title", "Heat"}});
    Select({alien, heat});
    app::MarkSelectedWindow window(session_);
    gui::MarkSelectedDialog dialog(window);
    dialog.show();
    TypeOver(Field(dialog, "month"), "2");
    TypeOver(Field(dialog, "day"), "5x");
    TypeOver(Field(dialog, "year"), "20031");
    EXPECT_EQ(Field(dialog, "day")->text(), "5");
    EXPECT_EQ(Field(dialog, "year")->text(), "2003");
    ClickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Cell(alien, "Last Viewed"), "02/05/2003");
    EXPECT_EQ(Cell(heat, "Last Viewed"), "02/05/2003");
}

TEST_F(MarkSelectedDialogTest, AnEmptyFieldKeepsTheWindowOpenWithTheFocusOnTheFirstOne) {
    const int row = AddRow({{"Title", "Alien"}});
    Select({row});
    app::MarkSelectedWindow window(session_);
    gui::MarkSelectedDialog dialog(window);
    dialog.show();
    TypeOver(Field(dialog, "year"), "");
    TypeOver(Field(dialog, "day"), "");
    ClickOk(dialog);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), Field(dialog, "day"));
    EXPECT_EQ(Cell(row, "Last Viewed"), "");

    // The up-down control fills an empty field from the bottom of its range.
    QTest::keyClick(Field(dialog, "day"), Qt::Key_Up);
    EXPECT_EQ(Field(dialog, "day")->text(), "1");
    ClickOk(dialog);
    EXPECT_EQ(dialog.focusWidget(), Field(dialog, "year"));
    QTest::keyClicks(Field(dialog, "year"), "2010");
    ClickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Cell(row, "Last Viewed"), "03/01/2010");
}

}  // namespace
