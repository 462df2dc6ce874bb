#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/file_result.h"

// The last four databases opened or saved, oldest first, kept in cfg/rfd.txt.
namespace config {

class RecentDatabases {
public:
    static constexpr std::size_t kMaxEntries = 4;

    // Empties the list and reads up to four paths from the file. False if the file cannot be
    // read (the list then stays empty).
    bool Load(const std::string& path);
    // Writes every entry that is not empty and whose file still exists, oldest first. Failures
    // are not reported to the user; the result says what happened.
    core::FileResult Save(const std::string& path) const;

    // Puts `database` last (newest), removing an equal entry (case-sensitive) and, when the list
    // is full, the oldest.
    void Add(const std::string& database);

    // Drops the entries whose file no longer exists.
    void RemoveMissing();

    const std::vector<std::string>& Entries() const { return entries_; }
    // Newest first, as the menu shows them.
    std::vector<std::string> NewestFirst() const;

private:
    std::vector<std::string> entries_;
};

// Appends each line of a history file to `choices`; a missing file leaves them unchanged.
void LoadHistory(std::vector<std::string>& choices, const std::string& path);
// Writes every choice as a line.
core::FileResult SaveHistory(const std::vector<std::string>& choices, const std::string& path);

}  // namespace config
