// Sizing the My Videos columns to their contents in real fonts: the quick estimates bound the
// exact widths, and the columns get exactly the width of their widest cell.
#include <gtest/gtest.h>

#include <QTableView>
#include <algorithm>

#include "app/column_widths.h"
#include "core/header_file.h"
#include "gui/list_text_widths.h"

namespace {

// Column → texts: kerning pairs, wide and narrow letters, accents and other scripts, emoji
// (joined, flags, variation selectors), bytes that are not UTF-8, a tab.
const std::pair<const char*, std::vector<std::string>> kColumns[] = {
    {"Title",
     {"AVAVAVAVAV", "WAVE To Yo", "LTA Type.", "WWWWWWWW", "iiiiiiiiiiiiiiiiii", "Fly",
      "Office Affliction", "Æsop's Fables ½"}},
    {"Cast",
     {"Андрей Тарковский", "Αλέξης Ζορμπάς", "黒澤 明", "محمد عبد الوهاب", "देवदास", "Hải Phòng",
      "e\u0301e\u0301e\u0301"}},
    {"Director",
     {"😀😀😀", "👨‍👩‍👧‍👦👨‍👩‍👧‍👦", "🇯🇵🇫🇷🇧🇷",
      "❤️❤️❤️❤️", "Zoë ✂"}},
    {"Writer", {"Caf\xe9 \xff\xfe", "a\tb\tc", "\xc3\x28 broken", "plain"}},
};

QFont Font(const char* family, int points, bool bold, bool italic) {
    return QFont(family, points, bold ? QFont::Bold : QFont::Normal, italic);
}

TEST(ColumnSizingTest, EstimatesBoundTheExactWidthsAndColumnsFitTheirWidestCell) {
    // A column where every text has the same length: four letters of kerning pairs.
    std::vector<std::string> same_length;
    for (const char a : std::string("AVTWoi"))
        for (const char b : std::string("AVTWoi.y"))
            for (const char c : std::string("AVTWoi,"))
                for (const char d : std::string("AVYLi")) same_length.push_back({a, b, c, d});
    for (const QFont& font :
         {Font("DejaVu Sans", 9, false, false), Font("DejaVu Serif", 13, false, true),
          Font("Nimbus Sans", 11, true, false), Font("C059", 10, false, false),
          Font("P052", 16, false, true)}) {
        SCOPED_TRACE(font.toString().toStdString());
        QTableView view;
        view.setFont(font);
        gui::ListTextWidths widths(&view);
        core::VideoList list;
        ASSERT_TRUE(core::ReadHeader(list, REELDECK_SOURCE_DATA "/cfg/mlh.txt"));
        std::vector<std::pair<int, std::vector<std::string>>> columns;
        for (const auto& [name, texts] : kColumns)
            columns.emplace_back(list.ColumnIndexOf(name), texts);
        columns.emplace_back(list.ColumnIndexOf("Category"), same_length);
        while (list.RowCount() < static_cast<int>(same_length.size())) list.InsertRow(0, "1");
        const std::unique_ptr<platform::CellWidthEstimator> estimator = widths.CellEstimator();
        for (const auto& [index, texts] : columns) {
            list.MutableColumn(index).Visible = true;
            for (const std::string& text : texts) {
                const platform::WidthEstimate estimate = estimator->Estimate(text);
                EXPECT_LE(widths.CellWidth(text), estimate.width + estimate.slack) << text;
            }
            for (int row = 0; row < list.RowCount(); ++row)  // each text many times over
                list.SetCell(row, index, texts[static_cast<std::size_t>(row) % texts.size()]);
        }
        app::ApplyColumnWidths(list, true, widths);
        for (const auto& [index, texts] : columns) {
            int widest = 0;
            for (const std::string& text : texts) widest = std::max(widest, widths.CellWidth(text));
            EXPECT_EQ(list.ColumnWidth(index), widest) << list.Column(index).Name;
        }
    }
}

}  // namespace
