#include <algorithm>
#include <optional>
#include <span>

#include "core/text.h"
#include "imports/csv_file.h"
#include "imports/record_builder.h"
#include "imports/staging.h"

namespace imports {
namespace {

// The pairs that bring data: the first pair of a field receives it, a later pair of the same
// field gets nothing.
std::vector<Pair> FirstPairs(const std::vector<Pair>& all) {
    std::vector<Pair> pairs;
    for (const Pair& pair : all) {
        if (std::none_of(pairs.begin(), pairs.end(),
                         [&](const Pair& kept) { return kept.source_slot == pair.source_slot; }))
            pairs.push_back(pair);
    }
    return pairs;
}

// The column named "Key" (as an export of all columns has it), whose cells keep the records'
// Keys; -1 when there is none and every record gets a fresh Key.
int KeyColumn(std::span<const std::string_view> names) {
    int key = -1;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (core::EqualsNoCase(names[i], core::column_name::kKey)) key = static_cast<int>(i);
    }
    return key;
}

// Builds the record of one row of cells; false when its Key was taken.
template <typename Cells>
bool StageRow(RecordBuilder& builder, const std::vector<Pair>& pairs, int key_column,
              const Cells& cells) {
    const auto cell = [&](int slot) -> std::string_view {
        return slot >= 0 && static_cast<std::size_t>(slot) < cells.size()
                   ? std::string_view(cells[static_cast<std::size_t>(slot)])
                   : std::string_view();
    };
    if (key_column >= 0) {
        if (!builder.Begin(cell(key_column))) return false;
    } else {
        builder.BeginFresh();
    }
    for (const Pair& pair : pairs) {
        builder.Set(pair.target_index, cell(pair.source_slot),
                    pair.target_index == builder.title_index());
    }
    return true;
}

}  // namespace

core::FileResult StageTable(const core::VideoList& target, const core::Clock& clock,
                            const ImportRequest& request, platform::Progress& progress,
                            StagedImport* staged) {
    const ForeignTable* table = request.table;
    if (!table) return core::FileResult::Failure(request.source_path, "No rows were read");
    const std::vector<Pair> pairs = FirstPairs(request.pairs);
    int key_column = -1;
    for (const SourceField& field : table->fields) {
        if (core::EqualsNoCase(field.name, core::column_name::kKey)) key_column = field.slot;
    }
    RecordBuilder builder(target, clock, request.options.place_the_in_back);
    platform::ProgressScope scope(progress, static_cast<std::int64_t>(table->rows.size()),
                                  "Importing " + request.source_path);
    staged->records.reserve(table->rows.size());
    for (std::size_t index = 0; index < table->rows.size(); ++index) {
        scope.Step();
        if (!StageRow(builder, pairs, key_column, table->rows[index])) {
            ++staged->duplicates;
            continue;
        }
        if (index < table->seen.size() && table->seen[index]) builder.MarkSeen();
        staged->records.push_back(builder.Finish());
        staged->covers.push_back(index < table->covers.size() ? table->covers[index]
                                                              : std::filesystem::path());
    }
    staged->rekeyed = builder.rekeyed();
    return core::FileResult::Success(static_cast<std::int64_t>(staged->records.size()));
}

core::FileResult StageCsv(const core::VideoList& target, const core::Clock& clock,
                          const ImportRequest& request, platform::Progress& progress,
                          StagedImport* staged) {
    std::string bytes;
    if (core::FileResult read = ReadWholeFile(request.source_path, &bytes); !read) return read;
    const std::vector<Pair> pairs = FirstPairs(request.pairs);
    RecordBuilder builder(target, clock, request.options.place_the_in_back);
    platform::ProgressScope scope(progress, static_cast<std::int64_t>(bytes.size()),
                                  "Importing " + request.source_path);
    std::optional<int> key_column;
    core::FileResult parsed =
        ForEachCsvRecord(bytes, [&](std::span<const std::string_view> fields) {
            if (!key_column) {
                key_column = KeyColumn(fields);
            } else if (StageRow(builder, pairs, *key_column, fields)) {
                staged->records.push_back(builder.Finish());
            } else {
                ++staged->duplicates;
            }
            return true;
        });
    scope.Step(static_cast<std::int64_t>(bytes.size()));
    if (!parsed) {
        parsed.path = request.source_path;
        return parsed;
    }
    staged->rekeyed = builder.rekeyed();
    return core::FileResult::Success(static_cast<std::int64_t>(staged->records.size()));
}

}  // namespace imports
