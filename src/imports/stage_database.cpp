#include <array>
#include <fstream>

#include "core/line_reader.h"
#include "core/paths.h"
#include "core/video_column.h"
#include "imports/record_builder.h"
#include "imports/staging.h"

namespace imports {
namespace {

constexpr int kBlockLines = 24;

// For each slot of a record block, the first pair's target; -1 for none. The Key, Date Added,
// Flag and Flag Value slots follow their own rules and take no pair.
std::array<int, core::kSlotCount> SlotTargets(const std::vector<Pair>& pairs) {
    std::array<int, core::kSlotCount> targets;
    targets.fill(-1);
    for (const Pair& pair : pairs) {
        if (pair.source_slot < 0 || pair.source_slot >= core::kSlotCount) continue;
        int& target = targets[static_cast<std::size_t>(pair.source_slot)];
        if (target < 0) target = pair.target_index;
    }
    namespace slot = core::slot;
    for (int fixed : {slot::kKey, slot::kDateAdded, slot::kFlag, slot::kFlagValue}) {
        targets[static_cast<std::size_t>(fixed)] = -1;
    }
    return targets;
}

core::FileResult Damaged(const std::string& path, std::int64_t line, const std::string& what) {
    return core::FileResult::Failure(
        path, "line " + std::to_string(line) + ": " + what + " (the file is damaged)");
}

}  // namespace

core::FileResult StageDatabase(const core::VideoList& target, const core::Clock& clock,
                               const ImportRequest& request, platform::Progress& progress,
                               StagedImport* staged) {
    const std::string& path = request.source_path;
    std::ifstream in(path, std::ios::binary);
    if (!in) return core::FileResult::Failure(path, core::SystemErrorText(errno));
    const std::array<int, core::kSlotCount> targets = SlotTargets(request.pairs);
    RecordBuilder builder(target, clock, request.options.place_the_in_back);
    const std::int64_t size = core::FileSize(path);
    if (size > 0) staged->records.reserve(static_cast<std::size_t>(size / 600 + 16));
    platform::ProgressScope scope(progress, std::max<std::int64_t>(size, 0), "Importing " + path);
    std::int64_t reported = 0;

    core::LineReader lines(in);
    std::string_view line;
    std::int64_t line_number = 0;
    int slot = 0;
    bool skipped = false;
    bool block_has_text = false;
    while (lines.Next(line)) {
        ++line_number;
        if (!line.empty()) block_has_text = true;
        if (slot == 0) {
            skipped = !builder.Begin(line);
            if (skipped) ++staged->duplicates;
        } else if (slot == kBlockLines - 1) {
            if (!line.empty()) {
                return Damaged(path, line_number, "a record does not end with an empty line");
            }
            // A block of empty lines holds no record.
            if (!skipped && block_has_text) staged->records.push_back(builder.Finish());
            slot = 0;
            block_has_text = false;
            if ((staged->records.size() & 1023) == 0) {
                scope.Step(lines.Consumed() - reported);
                reported = lines.Consumed();
            }
            continue;
        } else if (!skipped) {
            if (slot == core::slot::kFlagValue) {
                builder.Set(builder.flag_value_index(), line);
            } else if (const int to = targets[static_cast<std::size_t>(slot)]; to >= 0) {
                builder.Set(to, line, slot == core::slot::kTitle);
            }
        }
        ++slot;
    }
    if (lines.Failed()) return core::FileResult::Failure(path, core::SystemErrorText(EIO));
    // A block that lacks only its closing empty line is whole; empty lines after the last block
    // are nothing.
    if (slot == kBlockLines - 1) {
        if (!skipped && block_has_text) staged->records.push_back(builder.Finish());
    } else if (slot > 0 && block_has_text) {
        return Damaged(path, line_number,
                       "the last record is cut short (" + std::to_string(slot) + " of " +
                           std::to_string(kBlockLines) + " lines)");
    }
    scope.Step(lines.Consumed() - reported);
    staged->rekeyed = builder.rekeyed();
    return core::FileResult::Success(static_cast<std::int64_t>(staged->records.size()));
}

}  // namespace imports
