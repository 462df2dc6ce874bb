#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/video_list.h"
#include "imports/foreign_table.h"

// The "Import Column Assignment" of the import wizards: which source field fills which column of
// the open database. The window shows Ignored() as the "Ignore" list and Rows() as the pairing
// list ("Import" -> "Existing"), and forwards its four small buttons to PairIgnored, Unpair,
// MoveUp and MoveDown; every decision lives here.
namespace imports {

// One row of the pairing list: a target column and the source field paired with it, if any.
struct TargetRow {
    int list_index = 0;                 // the target column's ListIndex
    std::string name;                   // the target column's Name ("Existing")
    std::optional<SourceField> source;  // "Import"; empty when nothing is paired
    // The pairing was made by the "Flag Value" rule rather than by a name (see Rebuild). It is
    // shown like any other but brings no data: its slot means nothing as a flag value.
    bool by_flag_value_rule = false;
};

// A pairing as the import uses it: the source slot and the target ListIndex.
struct Pair {
    int source_slot = 0;
    int target_index = 0;
    bool operator==(const Pair&) const = default;
};

class PairingModel {
  public:
    // The slot the "Flag Value" rule pairs (the main file's slot 16).
    static constexpr int kFlagValueRuleSlot = 16;

    // Rebuilds both lists: one row per target column except "Key", "#" and "Flag" (ignoring case),
    // in column-table order; then each source field in order, except one named "#", is paired
    // with the first row whose name equals it ignoring case, contains it or is contained in it
    // (with case). A later field matching the same row replaces the earlier pairing, which then
    // shows nowhere. A field matching no row goes under "Ignore".
    // The "Flag Value" rule: the first time a field's scan passes the "Flag Value" row without a
    // match while that row is empty, it is paired with slot 16 named "Flag Value", once per
    // rebuild (a pairing made by a name is never displaced by it); the field
    // being scanned then counts as handled and is not listed under "Ignore" if nothing else
    // matches it (this is what keeps "Key", the first field, out of "Ignore").
    // A source field named "Key" (ignoring case) is the record's Key: it is never paired and
    // never listed under "Ignore".
    void Rebuild(const core::VideoList& target, const std::vector<SourceField>& fields);

    const std::vector<SourceField>& Ignored() const { return ignored_; }
    const std::vector<TargetRow>& Rows() const { return rows_; }

    // First button: pairs the ignored field at `ignored_index` with the first empty row whose
    // name matches it, or else the first empty row, and takes it off the "Ignore" list. Returns
    // the row to select, or nothing (no such field, or no empty row).
    std::optional<int> PairIgnored(int ignored_index);
    // Second button: puts the row's pairing back under "Ignore". False when it had none.
    bool Unpair(int row);
    // Third and fourth buttons: move the row's pairing to the nearest empty row above (below).
    // Returns the row to select, or nothing when there is none.
    std::optional<int> MoveUp(int row);
    std::optional<int> MoveDown(int row);

    // Pairs the source field named `source` (exactly, else ignoring case) with the target row
    // named `target` the same way; an empty `target` puts the field under "Ignore". The row's
    // earlier pairing goes under "Ignore". Returns an error text when either name is unknown.
    std::optional<std::string> Assign(std::string_view source, std::string_view target);

    // True when at least one row is paired by a name or by the user (not only by the rule).
    bool HasPairing() const;
    // The pairs the import uses, in row order; rules pairings are left out.
    std::vector<Pair> Pairs() const;

  private:
    std::optional<int> MoveTo(int row, int step);
    const SourceField* FindField(std::string_view name) const;

    std::vector<TargetRow> rows_;
    std::vector<SourceField> ignored_;
    std::vector<SourceField> fields_;  // every source field of the last rebuild
};

// The name test of the default pairing: equal ignoring case, or one contains the other.
bool NamesMatch(std::string_view target, std::string_view source);

}  // namespace imports
