#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/session.h"
#include "config/program_config.h"
#include "config/program_paths.h"
#include "config/recent_databases.h"
#include "core/dates.h"
#include "core/header_file.h"
#include "core/video_list.h"
#include "temp_folder.h"

// A session with an open database as the list operations see it: the shipped column table,
// rows added by the test, an image folder and a program folder in a temporary folder, and a
// clock standing at 2004-03-07 12:00 UTC.
class ListSession : public ::testing::Test {
  protected:
    using RowCells = std::initializer_list<std::pair<std::string, std::string>>;

    static constexpr std::int64_t kNow = 1078660800;  // 03/07/2004 12:00:00 UTC

    ListSession() {
        std::filesystem::create_directories(paths_.folder + "/res");
        core::ReadHeader(session_.Videos, std::string(REELDECK_SOURCE_DATA) + "/cfg/mlh.txt");
        session_.CurrentDatabasePath = folder_ / "films.rdk";
        session_.ImageFolder = folder_ / "films";
        std::filesystem::create_directories(session_.ImageFolder);
        session_.AccessLevel = app::kFullAccess;
        session_.LoggedIn = true;
    }

    int Column(const std::string& name) const {
        const int index = session_.Videos.ColumnIndexOf(name);
        EXPECT_GE(index, 0) << name;
        return index;
    }

    // Appends a row with these cells (and a Key, unless given); returns its index.
    int AddRow(RowCells cells) {
        core::VideoList& list = session_.Videos;
        const int row = list.InsertRow(list.RowCount(), std::to_string(next_key_++));
        list.SetCell(row, Column("#"), std::to_string(row + 1));
        for (const auto& [name, text] : cells) {
            list.SetCell(row, Column(name), text);
            if (name == "Flag Value") list.SetFlagMark(row, !text.empty());
        }
        return row;
    }
    // Rows with these titles, in order.
    void AddTitles(std::initializer_list<std::string> titles) {
        for (const std::string& title : titles) AddRow({{"Title", title}});
    }

    std::string Cell(int row, const std::string& column) const {
        return session_.Videos.GetCell(row, Column(column));
    }
    // A column's cells in row order.
    std::vector<std::string> ColumnCells(const std::string& column) const {
        std::vector<std::string> cells;
        for (int row = 0; row < session_.Videos.RowCount(); ++row)
            cells.push_back(Cell(row, column));
        return cells;
    }
    void Select(std::initializer_list<int> rows) {
        session_.Videos.DeselectAll();
        for (int row : rows) session_.Videos.Select(row, true);
    }
    std::vector<int> Selected() const { return session_.Videos.SelectedRows(); }
    std::string Key(int row) const { return Cell(row, "Key"); }
    std::string ImagePath(int row, const std::string& extension) const {
        return session_.ImageFolder + "/" + Key(row) + "." + extension;
    }

    TempFolder folder_;
    config::ProgramPaths paths_ = config::ProgramPaths::ForFolder(folder_ / "program");
    config::ProgramConfig config_;
    config::RecentDatabases recent_;
    core::FixedClock clock_{kNow};
    app::Session session_{paths_, config_, recent_, clock_};
    std::int64_t next_key_ = 1000000000;
};
