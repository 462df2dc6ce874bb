// The controls the editing windows share: typing rules, the digits field with its up-down
// control, the limited multi-line text, the picture area and the JPEG converter.
#include <gtest/gtest.h>

#include <QImageReader>
#include <QLineEdit>
#include <QTest>

#include "editor_fixture.h"
#include "gui/editor/digit_spin_field.h"
#include "gui/editor/limited_text_edit.h"
#include "gui/editor/picture_area.h"
#include "gui/editor/qt_image_converter.h"
#include "gui/editor/typing_rule.h"

namespace {

using gui::TypingRule;

struct TypingCase {
    const char* before;
    const char* after;
    TypingRule rule;
    const char* kept;
};

TEST(TypingRuleTest, OnlyWhatAnEditInsertsIsHeldToTheRule) {
    const TypingCase cases[] = {
        {"", "12", {4, true}, "12"},
        {"12", "12a", {4, true}, "12"},
        {"12", "1x92", {4, true}, "192"},
        {"123", "123456", {4, true}, "1234"},
        {"abcd", "abcde", {4, false}, "abcd"},
        {"1.50", "1.505", {19, true}, "1.505"},  // the program's "." stays; a digit may follow
        {"1.50", "1.5x0", {19, true}, "1.50"},
        {"toolong", "toolonger", {3, false}, "toolong"},  // a longer shown text is kept, not cut
        {"toolong", "tolong", {3, false}, "tolong"},      // and may be shortened
        {"ab", "", {1, false}, ""},
        {"", "anything", {0, false}, "anything"},  // no limit
    };
    for (const TypingCase& c : cases) {
        int cursor = static_cast<int>(QString(c.after).size());
        EXPECT_EQ(gui::ApplyTypingRule(c.before, c.after, c.rule, &cursor), c.kept)
            << c.before << " -> " << c.after;
        EXPECT_EQ(cursor, QString(c.kept).size()) << c.before << " -> " << c.after;
    }
}

TEST(TypingRuleTest, ALineEditTakesTypingByTheRuleAndShowsProgramTextsWhole) {
    QLineEdit edit;
    gui::HoldToRule(&edit, {4, true});
    QTest::keyClicks(&edit, "2x00519");
    EXPECT_EQ(edit.text(), "2005");
    gui::ShowWhole(&edit, "1.50 hours");
    EXPECT_EQ(edit.text(), "1.50 hours");
    const QString long_text(40000, u'7');
    gui::ShowWhole(&edit, long_text);
    EXPECT_EQ(edit.text(), long_text);  // beyond QLineEdit's usual 32767
}

TEST(DigitSpinFieldTest, StepsWithinItsRangeAndStartsEmptyFieldsAtTheBottom) {
    gui::DigitSpinField field(1, 12, {2, true});
    QStringList edits;
    QObject::connect(&field, &gui::DigitSpinField::edited,
                     [&](const QString& text) { edits << text; });
    EXPECT_EQ(field.text(), "");
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.text(), "1");
    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(field.text(), "1");
    field.ShowText("11");
    QTest::keyClick(&field, Qt::Key_Up);
    QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.text(), "12");
    field.ShowText("07");
    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(field.text(), "6");
    EXPECT_EQ(edits, (QStringList{"1", "12", "6"}));  // no step past either end

    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&field, "4x56");
    EXPECT_EQ(field.text(), "45");  // past the range when typed: the window's model decides
}

TEST(LimitedTextEditTest, TypingStopsAtTheLimitAndShownTextsStayWhole) {
    gui::LimitedTextEdit edit(5, false);
    QString last;
    QObject::connect(&edit, &gui::LimitedTextEdit::edited, [&](const QString& t) { last = t; });
    QTest::keyClicks(&edit, "abc");
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClicks(&edit, "defgh");
    EXPECT_EQ(edit.Text(), "abc\nd");
    EXPECT_EQ(last, "abc\nd");
    edit.ShowText("a much longer text");
    EXPECT_EQ(edit.Text(), "a much longer text");
    EXPECT_TRUE(edit.tabChangesFocus());
}

TEST(LimitedTextEditTest, EnterIsLeftToTheWindowWhereLineBreaksAreNotKept) {
    gui::LimitedTextEdit edit(100, true);
    QTest::keyClicks(&edit, "Ann");
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "Ann");
}

class PictureTest : public EditorFixture {};

TEST_F(PictureTest, TheAreaShowsAReadablePictureAndTextOtherwise) {
    gui::PictureArea area("No image to display");
    area.resize(160, 200);
    area.show();
    EXPECT_FALSE(area.ShowsPicture());
    area.ShowPicture(QString::fromStdString(WritePicture("cover.bmp", "BMP")));
    EXPECT_TRUE(area.ShowsPicture());
    const std::string broken = folder_ / "broken.jpg";
    WriteFileBytes(broken, "not a picture");
    area.ShowPicture(QString::fromStdString(broken));
    EXPECT_FALSE(area.ShowsPicture());
}

TEST_F(PictureTest, TheConverterWritesAJpegFileOrNothing) {
    gui::QtImageConverter converter;
    const std::string target = folder_ / "out.jpg";
    ASSERT_TRUE(converter.ConvertToJpeg(WritePicture("cover.png", "PNG"), target));
    EXPECT_EQ(ReadFileBytes(target).substr(0, 3), "\xff\xd8\xff");
    EXPECT_EQ(QImageReader(QString::fromStdString(target)).size(), QSize(48, 64));

    const std::string broken = folder_ / "broken.png";
    WriteFileBytes(broken, "not a picture");
    EXPECT_FALSE(converter.ConvertToJpeg(broken, folder_ / "none.jpg"));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "none.jpg"));
}

}  // namespace
