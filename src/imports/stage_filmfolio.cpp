#include <fstream>

#include "core/line_reader.h"
#include "core/paths.h"
#include "imports/record_builder.h"
#include "imports/staging.h"

namespace imports {
namespace {

// A Filmfolio field whose first seven characters are digits is a time in seconds.
bool IsTimeField(std::string_view field) {
    if (field.size() < 7) return false;
    for (std::size_t i = 0; i < 7; ++i) {
        if (field[i] < '0' || field[i] > '9') return false;
    }
    return true;
}

// For each field index, the first pair's target; -1 for none.
std::vector<int> FieldTargets(const std::vector<Pair>& pairs) {
    std::vector<int> targets;
    for (const Pair& pair : pairs) {
        if (pair.source_slot < 0) continue;
        const auto field = static_cast<std::size_t>(pair.source_slot);
        if (field >= targets.size()) targets.resize(field + 1, -1);
        if (targets[field] < 0) targets[field] = pair.target_index;
    }
    return targets;
}

}  // namespace

core::FileResult StageFilmfolio(const core::VideoList& target, const core::Clock& clock,
                                const ImportRequest& request, platform::Progress& progress,
                                StagedImport* staged) {
    const std::string& path = request.source_path;
    std::ifstream in(path, std::ios::binary);
    if (!in) return core::FileResult::Failure(path, core::SystemErrorText(errno));
    const std::vector<int> targets = FieldTargets(request.pairs);
    RecordBuilder builder(target, clock, request.options.place_the_in_back);
    platform::ProgressScope scope(progress, std::max<std::int64_t>(core::FileSize(path), 0),
                                  "Importing " + path);
    std::int64_t reported = 0;
    core::DateTextCache dates(clock);

    core::LineReader lines(in);
    std::string_view line;
    while (lines.Next(line)) {
        if (line.empty()) continue;  // a blank line is no record
        if (line.back() == '|') line.remove_suffix(1);
        const std::size_t first_bar = line.find('|');
        if (!builder.Begin(line.substr(0, first_bar))) {
            ++staged->duplicates;
            continue;
        }
        std::size_t start = 0;
        for (std::size_t field = 0; start <= line.size(); ++field) {
            const std::size_t bar = line.find('|', start);
            const std::string_view text = line.substr(
                start, bar == std::string_view::npos ? std::string_view::npos : bar - start);
            const int to = field < targets.size() ? targets[field] : -1;
            if (to >= 0) {
                if (IsTimeField(text)) {
                    builder.Set(to, dates.Format(text));
                } else {
                    builder.Set(to, text, to == builder.title_index());
                }
            }
            if (bar == std::string_view::npos) break;
            start = bar + 1;
        }
        staged->records.push_back(builder.Finish());
        scope.Step(lines.Consumed() - reported);
        reported = lines.Consumed();
    }
    if (lines.Failed()) return core::FileResult::Failure(path, core::SystemErrorText(EIO));
    staged->rekeyed = builder.rekeyed();
    return core::FileResult::Success(static_cast<std::int64_t>(staged->records.size()));
}

}  // namespace imports
