#include "imports/pairing.h"

#include "core/text.h"

namespace imports {
namespace {

bool IsHeldOut(std::string_view target) {
    return core::EqualsNoCase(target, core::column_name::kKey) ||
           core::EqualsNoCase(target, core::column_name::kNumber) ||
           core::EqualsNoCase(target, core::column_name::kFlag);
}

}  // namespace

bool NamesMatch(std::string_view target, std::string_view source) {
    // An empty name is contained in every name; it matches nothing instead.
    if (source.empty() || target.empty()) return false;
    return core::EqualsNoCase(target, source) || target.find(source) != std::string_view::npos ||
           source.find(target) != std::string_view::npos;
}

void PairingModel::Rebuild(const core::VideoList& target, const std::vector<SourceField>& fields) {
    rows_.clear();
    ignored_.clear();
    fields_ = fields;
    for (const core::VideoColumn& column : target.Columns()) {
        if (!IsHeldOut(column.Name)) rows_.push_back({column.ListIndex, column.Name, {}, false});
    }
    bool flag_value_rule_used = false;
    for (const SourceField& field : fields) {
        if (field.name == core::column_name::kNumber) continue;
        if (core::EqualsNoCase(field.name, core::column_name::kKey)) continue;
        bool handled = false;
        for (TargetRow& row : rows_) {
            if (NamesMatch(row.name, field.name)) {
                row.source = field;
                row.by_flag_value_rule = false;
                handled = true;
                break;
            }
            // The rule fills an empty row only: it never displaces a pairing made by a name.
            if (!flag_value_rule_used && !row.source &&
                core::EqualsNoCase(row.name, core::column_name::kFlagValue)) {
                flag_value_rule_used = true;
                handled = true;
                row.source =
                    SourceField{kFlagValueRuleSlot, std::string(core::column_name::kFlagValue)};
                row.by_flag_value_rule = true;
            }
        }
        if (!handled) ignored_.push_back(field);
    }
}

std::optional<int> PairingModel::PairIgnored(int ignored_index) {
    if (ignored_index < 0 || ignored_index >= static_cast<int>(ignored_.size())) return {};
    const SourceField field = ignored_[static_cast<std::size_t>(ignored_index)];
    std::optional<int> chosen;
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
        const TargetRow& each = rows_[static_cast<std::size_t>(row)];
        if (each.source) continue;
        if (NamesMatch(each.name, field.name)) {
            chosen = row;
            break;
        }
        if (!chosen) chosen = row;
    }
    if (!chosen) return {};
    // The first empty row is only the fallback: a matching empty row further down wins.
    TargetRow& row = rows_[static_cast<std::size_t>(*chosen)];
    row.source = field;
    row.by_flag_value_rule = false;
    ignored_.erase(ignored_.begin() + ignored_index);
    return chosen;
}

bool PairingModel::Unpair(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return false;
    TargetRow& each = rows_[static_cast<std::size_t>(row)];
    if (!each.source) return false;
    ignored_.push_back(*each.source);
    each.source.reset();
    each.by_flag_value_rule = false;
    return true;
}

std::optional<int> PairingModel::MoveTo(int row, int step) {
    const int count = static_cast<int>(rows_.size());
    if (row < 0 || row >= count || !rows_[static_cast<std::size_t>(row)].source) return {};
    for (int other = row + step; other >= 0 && other < count; other += step) {
        TargetRow& to = rows_[static_cast<std::size_t>(other)];
        if (to.source) continue;
        TargetRow& from = rows_[static_cast<std::size_t>(row)];
        to.source = std::move(from.source);
        to.by_flag_value_rule = from.by_flag_value_rule;
        from.source.reset();
        from.by_flag_value_rule = false;
        return other;
    }
    return {};
}

std::optional<int> PairingModel::MoveUp(int row) {
    return MoveTo(row, -1);
}
std::optional<int> PairingModel::MoveDown(int row) {
    return MoveTo(row, +1);
}

const SourceField* PairingModel::FindField(std::string_view name) const {
    for (const SourceField& field : fields_) {
        if (field.name == name) return &field;
    }
    for (const SourceField& field : fields_) {
        if (core::EqualsNoCase(field.name, name)) return &field;
    }
    return nullptr;
}

std::optional<std::string> PairingModel::Assign(std::string_view source, std::string_view target) {
    const SourceField* field = FindField(source);
    if (!field) {
        std::string names;
        for (const SourceField& each : fields_) names += (names.empty() ? "" : ", ") + each.name;
        return "no source field \"" + std::string(source) + "\" (fields: " + names + ")";
    }
    TargetRow* to = nullptr;
    if (!target.empty()) {
        for (TargetRow& row : rows_) {
            if (row.name == target || (!to && core::EqualsNoCase(row.name, target))) to = &row;
        }
        if (!to) {
            std::string names;
            for (const TargetRow& row : rows_) names += (names.empty() ? "" : ", ") + row.name;
            return "no column \"" + std::string(target) + "\" to import into (columns: " + names +
                   ")";
        }
    }
    const SourceField moved = *field;
    // The field is paired once: it leaves every other row and the "Ignore" list.
    std::erase_if(ignored_, [&](const SourceField& each) { return each.slot == moved.slot; });
    for (TargetRow& row : rows_) {
        if (row.source && !row.by_flag_value_rule && row.source->slot == moved.slot) {
            row.source.reset();
        }
    }
    if (!to) {
        ignored_.push_back(moved);
        return {};
    }
    if (to->source && !to->by_flag_value_rule) ignored_.push_back(*to->source);
    to->source = moved;
    to->by_flag_value_rule = false;
    return {};
}

bool PairingModel::HasPairing() const {
    return !Pairs().empty();
}

std::vector<Pair> PairingModel::Pairs() const {
    std::vector<Pair> pairs;
    for (const TargetRow& row : rows_) {
        if (row.source && !row.by_flag_value_rule)
            pairs.push_back({row.source->slot, row.list_index});
    }
    return pairs;
}

}  // namespace imports
