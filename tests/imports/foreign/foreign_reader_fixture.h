#pragma once
// What the tests of the readers of other programs' collections share: a temporary folder with the
// collection's file and a covers folder, the table read, and checks of its cells and of a refusal.
#include <gtest/gtest.h>

#include <string>

#include "core/file_result.h"
#include "imports/foreign_table.h"
#include "temp_folder.h"

class ForeignReaderTest : public ::testing::Test {
  protected:
    explicit ForeignReaderTest(const std::string& file_name) : file_(temp_ / file_name) {}

    std::string Cell(std::size_t row, const std::string& field) const {
        for (const auto& [slot, name] : table_.fields) {
            if (name == field)
                return slot < static_cast<int>(table_.rows[row].size()) ? table_.rows[row][slot]
                                                                        : std::string();
        }
        return "<no field " + field + ">";
    }
    // Marks the table, so that a refusal can be seen to leave it alone.
    void MarkTable() {
        table_ = {};
        table_.fields = {{0, "untouched"}};
    }
    // A refusal names the file and the reason, and leaves the table and the covers alone.
    void ExpectRefused(const core::FileResult& result, const std::string& reason) const {
        EXPECT_FALSE(result);
        EXPECT_EQ(result.path, file_);
        EXPECT_NE(result.reason.find(reason), std::string::npos) << result.reason;
        EXPECT_EQ(table_.fields.size(), 1u);
        EXPECT_TRUE(table_.rows.empty());
        EXPECT_FALSE(std::filesystem::exists(covers_));
    }

    TempFolder temp_;
    std::string file_;
    std::string covers_ = temp_ / "covers";
    imports::ForeignTable table_;
};
