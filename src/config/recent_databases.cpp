#include "config/recent_databases.h"

#include <algorithm>
#include <fstream>

#include "core/line_reader.h"
#include "core/paths.h"
#include "core/safe_file.h"

namespace config {

bool RecentDatabases::Load(const std::string& path) {
    entries_.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    core::LineReader lines(in, 4096);
    std::string_view line;
    while (entries_.size() < kMaxEntries && lines.Next(line)) entries_.emplace_back(line);
    return true;
}

core::FileResult RecentDatabases::Save(const std::string& path) const {
    return core::WriteFileSafely(path, [&](std::ostream& out) {
        for (const std::string& entry : entries_) {
            if (!entry.empty() && core::FileExists(entry)) out << entry << '\n';
        }
        return core::FileResult::Success();
    });
}

void RecentDatabases::Add(const std::string& database) {
    auto same = std::find(entries_.begin(), entries_.end(), database);
    if (same != entries_.end()) entries_.erase(same);
    if (entries_.size() >= kMaxEntries) entries_.erase(entries_.begin());
    entries_.push_back(database);
}

void RecentDatabases::RemoveMissing() {
    std::erase_if(entries_, [](const std::string& entry) { return !core::FileExists(entry); });
}

std::vector<std::string> RecentDatabases::NewestFirst() const {
    return {entries_.rbegin(), entries_.rend()};
}

void LoadHistory(std::vector<std::string>& choices, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    core::LineReader lines(in, 1 << 14);
    std::string_view line;
    while (lines.Next(line)) choices.emplace_back(line);
}

core::FileResult SaveHistory(const std::vector<std::string>& choices, const std::string& path) {
    return core::WriteFileSafely(path, [&](std::ostream& out) {
        for (const std::string& choice : choices) out << choice << '\n';
        return core::FileResult::Success();
    });
}

}  // namespace config
