#include <algorithm>

#include "core/text.h"
#include "imports/record_builder.h"
#include "imports/staging.h"

namespace imports {

core::FileResult StageTable(const core::VideoList& target, const core::Clock& clock,
                            const ImportRequest& request, platform::Progress& progress,
                            StagedImport* staged) {
    const ForeignTable* table = request.table;
    if (!table) return core::FileResult::Failure(request.source_path, "No rows were read");
    // A "Key" column (as an export of all columns has) keeps the records' Keys.
    int key_column = -1;
    for (const SourceField& field : table->fields) {
        if (core::EqualsNoCase(field.name, core::column_name::kKey)) key_column = field.slot;
    }
    RecordBuilder builder(target, clock, request.options.place_the_in_back);
    // The first pair of a field receives it; a later pair of the same field gets nothing.
    std::vector<Pair> pairs;
    for (const Pair& pair : request.pairs) {
        if (std::none_of(pairs.begin(), pairs.end(),
                         [&](const Pair& kept) { return kept.source_slot == pair.source_slot; }))
            pairs.push_back(pair);
    }
    platform::ProgressScope scope(progress, static_cast<std::int64_t>(table->rows.size()),
                                  "Importing " + request.source_path);
    staged->records.reserve(table->rows.size());
    const auto cell = [](const std::vector<std::string>& row, int slot) -> std::string_view {
        return slot >= 0 && static_cast<std::size_t>(slot) < row.size()
                   ? std::string_view(row[static_cast<std::size_t>(slot)])
                   : std::string_view();
    };
    for (std::size_t index = 0; index < table->rows.size(); ++index) {
        const std::vector<std::string>& row = table->rows[index];
        scope.Step();
        if (key_column >= 0) {
            if (!builder.Begin(cell(row, key_column))) {
                ++staged->duplicates;
                continue;
            }
        } else {
            builder.BeginFresh();
        }
        for (const Pair& pair : pairs) {
            builder.Set(pair.target_index, cell(row, pair.source_slot),
                        pair.target_index == builder.title_index());
        }
        if (index < table->seen.size() && table->seen[index]) builder.MarkSeen();
        staged->records.push_back(builder.Finish());
        staged->covers.push_back(index < table->covers.size() ? table->covers[index]
                                                              : std::filesystem::path());
    }
    staged->rekeyed = builder.rekeyed();
    return core::FileResult::Success(static_cast<std::int64_t>(staged->records.size()));
}

}  // namespace imports
