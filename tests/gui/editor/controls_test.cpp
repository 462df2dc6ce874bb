// The controls the editing windows share: typing rules, the digits field with its up-down
// control, the limited multi-line text, the picture area and the JPEG converter.
#include <QImageReader>
#include <QLineEdit>

#include "gui/editor/digit_spin_field.h"
#include "gui/editor/limited_text_edit.h"
#include "gui/editor/picture_area.h"
#include "gui/editor/qt_image_converter.h"
#include "gui/editor/typing_rule.h"
#include "gui/widget_fixture.h"

namespace {

TEST(TypingRuleTest, OnlyWhatAnEditInsertsIsHeldToTheRule) {
    struct Case {
        const char* before;
        const char* after;
        gui::TypingRule rule;
        const char* kept;
    };
    const Case cases[] = {
        {"12", "1x92", {4, true}, "192"},
        {"123", "123456", {4, true}, "1234"},
        {"1.50", "1.505", {19, true}, "1.505"},           // a shown "." stays
        {"toolong", "toolonger", {3, false}, "toolong"},  // a longer shown text is kept
        {"toolong", "tolong", {3, false}, "tolong"},      // and may be shortened
        {"", "anything", {0, false}, "anything"},         // no limit
    };
    for (const Case& c : cases) {
        int cursor = static_cast<int>(QString(c.after).size());
        EXPECT_EQ(gui::ApplyTypingRule(c.before, c.after, c.rule, &cursor), c.kept) << c.after;
        EXPECT_EQ(cursor, QString(c.kept).size()) << c.after;
    }
    QLineEdit edit;
    gui::HoldToRule(&edit, {4, true});
    QTest::keyClicks(&edit, "2x00519");
    EXPECT_EQ(edit.text(), "2005");
    const QString long_text(40000, u'7');  // beyond QLineEdit's usual 32767
    gui::ShowWhole(&edit, long_text);
    EXPECT_EQ(edit.text(), long_text);
}

TEST(DigitSpinFieldTest, StepsWithinItsRangeAndStartsEmptyFieldsAtTheBottom) {
    gui::DigitSpinField field(1, 12, {2, true});
    QStringList edits;
    QObject::connect(&field, &gui::DigitSpinField::edited, [&](const QString& t) { edits << t; });
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down}) QTest::keyClick(&field, key);
    field.ShowText("12");
    QTest::keyClick(&field, Qt::Key_Up);
    field.ShowText("07");
    QTest::keyClick(&field, Qt::Key_Down);
    EXPECT_EQ(edits, (QStringList{"1", "6"}));  // no step past either end, shown texts not sent
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&field, "4x56");  // typed past the range: the window's model decides
    EXPECT_EQ(field.text(), "45");
}

TEST(LimitedTextEditTest, TypingStopsAtTheLimitAndEnterIsLeftToTheWindowWhenAsked) {
    gui::LimitedTextEdit edit(5, false);
    QString last;
    QObject::connect(&edit, &gui::LimitedTextEdit::edited, [&](const QString& t) { last = t; });
    QTest::keyClicks(&edit, "abc");
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClicks(&edit, "defgh");
    EXPECT_EQ(last, "abc\nd");
    edit.ShowText("a much longer text");
    EXPECT_EQ(edit.Text(), "a much longer text");

    gui::LimitedTextEdit one_line(100, true);
    QTest::keyClicks(&one_line, "Ann");
    QTest::keyClick(&one_line, Qt::Key_Return);
    EXPECT_EQ(one_line.Text(), "Ann");
}

using PictureTest = WidgetFixture;

TEST_F(PictureTest, TheAreaShowsReadablePicturesAndTheConverterWritesJpegOrNothing) {
    const std::string png = WritePicture(folder_ / "cover.png", "PNG");
    const std::string broken = folder_ / "broken.png";
    WriteFileBytes(broken, "not a picture");
    gui::PictureArea area("No image to display");
    area.resize(160, 200);
    area.ShowPicture(QString::fromStdString(png));
    EXPECT_TRUE(area.ShowsPicture());
    area.ShowPicture(QString::fromStdString(broken));
    EXPECT_FALSE(area.ShowsPicture());

    gui::QtImageConverter converter;
    ASSERT_TRUE(converter.ConvertToJpeg(png, folder_ / "out.jpg"));
    EXPECT_EQ(ReadFileBytes(folder_ / "out.jpg").substr(0, 3), "\xff\xd8\xff");
    EXPECT_EQ(QImageReader(QString::fromStdString(folder_ / "out.jpg")).size(), QSize(48, 64));
    EXPECT_FALSE(converter.ConvertToJpeg(broken, folder_ / "none.jpg"));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "none.jpg"));
}

}  // namespace
