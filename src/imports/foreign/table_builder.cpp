#include "imports/foreign/table_builder.h"

#include <utility>

namespace imports {

void TableBuilder::BeginRow() {
    table_.rows.emplace_back();
    table_.covers.emplace_back();
    seen_.push_back(false);
}

void TableBuilder::Set(const std::string& name, std::string value) {
    if (value.empty() || table_.rows.empty()) return;
    auto [it, added] = slots_.try_emplace(name, table_.fields.size());
    if (added) table_.fields.push_back({static_cast<int>(it->second), name});
    std::vector<std::string>& row = table_.rows.back();
    if (row.size() <= it->second) row.resize(it->second + 1);
    if (row[it->second].empty()) row[it->second] = std::move(value);
}

void TableBuilder::SetSeen(bool seen) {
    if (seen_.empty()) return;
    seen_.back() = seen;
    has_seen_ = true;
}

void TableBuilder::SetCover(std::filesystem::path cover) {
    if (!table_.covers.empty()) table_.covers.back() = std::move(cover);
}

ForeignTable TableBuilder::Take() {
    if (has_seen_) table_.seen = std::move(seen_);
    ForeignTable taken = std::move(table_);
    table_ = {};
    slots_.clear();
    seen_.clear();
    has_seen_ = false;
    return taken;
}

}  // namespace imports
