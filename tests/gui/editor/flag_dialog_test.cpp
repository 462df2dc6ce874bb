// The Flag Selected Videos window over its model.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/flag_window.h"
#include "editor_fixture.h"
#include "gui/editor/flag_dialog.h"

namespace {

using FlagDialogTest = EditorFixture;

TEST_F(FlagDialogTest, OffersTheFlagsInUseAndFlagsTheSelectionWithTheReason) {
    AddRow({{"Title", "Alien"}, {"Flag Value", "Lent to Ann"}});
    const int heat = AddRow({{"Title", "Heat"}, {"Flag Value", "borrowed"}});
    const int dune = AddRow({{"Title", "Dune"}});
    Select({heat});
    app::FlagWindow window(session_);
    gui::FlagDialog dialog(window);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Flag Selected Videos");
    EXPECT_NE(dialog.findChild<QLabel*>()->text().indexOf("enter a reason"), -1);
    auto* reason = Find<QComboBox>(dialog, "reason");
    ASSERT_EQ(reason->count(), 2);
    EXPECT_EQ(reason->itemText(0), "borrowed");
    EXPECT_EQ(reason->itemText(1), "Lent to Ann");
    EXPECT_EQ(reason->currentText(), "borrowed");

    Select({heat, dune});
    reason->setCurrentIndex(1);
    QTest::mouseClick(Find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Cell(heat, "Flag Value"), "Lent to Ann");
    EXPECT_EQ(Cell(dune, "Flag Value"), "Lent to Ann");
    EXPECT_TRUE(session_.Modified);
}

TEST_F(FlagDialogTest, ATypedReasonIsTakenAsTyped) {
    const int row = AddRow({{"Title", "Alien"}});
    Select({row});
    app::FlagWindow window(session_);
    gui::FlagDialog dialog(window);
    dialog.show();
    auto* reason = Find<QComboBox>(dialog, "reason");
    TypeOver(reason, "return to bob");
    QTest::keyClick(reason, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Cell(row, "Flag Value"), "return to bob");
}

TEST_F(FlagDialogTest, AnEmptyReasonKeepsTheWindowOpenAndChangesNothing) {
    const int row = AddRow({{"Title", "Alien"}});
    Select({row});
    app::FlagWindow window(session_);
    gui::FlagDialog dialog(window);
    dialog.show();
    auto* reason = Find<QComboBox>(dialog, "reason");
    EXPECT_EQ(reason->currentText(), "");
    QTest::mouseClick(Find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), reason);
    EXPECT_EQ(Cell(row, "Flag Value"), "");
    EXPECT_FALSE(session_.Modified);

    QTest::mouseClick(Find<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
