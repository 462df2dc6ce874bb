#include "core/record_file.h"

#include <algorithm>
#include <array>
#include <cerrno>

#include "core/line_reader.h"
#include "core/paths.h"
#include "core/read_file.h"
#include "core/text.h"

namespace core {
namespace {

// The ListIndex of the column stored in each slot, or -1 where no column claims the slot.
std::array<int, kSlotCount> SlotTargets(const VideoList& list) {
    std::array<int, kSlotCount> targets;
    targets.fill(-1);
    for (const VideoColumn& column : list.Columns()) {
        if (column.FileSlot >= 0 && column.FileSlot < kSlotCount) {
            targets[static_cast<std::size_t>(column.FileSlot)] = column.ListIndex;
        }
    }
    return targets;
}

// Collects the lines of one record block. Lines are copied into one scratch string, since the
// reader's lines only live until the next line is read.
class BlockReader {
public:
    explicit BlockReader(LineReader& lines) : lines_(lines) {}

    // Reads the next block; false at the end of the input. `slots` gets the slot lines read
    // (fewer than 23 for a short last block).
    bool Next() {
        text_.clear();
        count_ = 0;
        std::string_view line;
        if (has_pending_) {
            has_pending_ = false;
            Keep(pending_);
        }
        while (count_ < kSlotCount && lines_.Next(line)) Keep(line);
        if (count_ == 0) return false;
        // The empty line that closes the block. A line with text there means the closing line
        // is missing: it is the Key of the next block.
        if (count_ == kSlotCount && lines_.Next(line) && !line.empty()) {
            pending_.assign(line);
            has_pending_ = true;
        }
        return true;
    }

    int Count() const { return count_; }
    std::string_view Slot(int slot) const {
        if (slot >= count_) return {};
        const auto i = static_cast<std::size_t>(slot);
        return std::string_view(text_).substr(starts_[i], ends_[i] - starts_[i]);
    }
    bool AllEmpty() const { return text_.empty(); }

private:
    void Keep(std::string_view line) {
        const auto i = static_cast<std::size_t>(count_++);
        starts_[i] = text_.size();
        text_.append(line);
        ends_[i] = text_.size();
    }

    LineReader& lines_;
    std::string text_;
    std::array<std::size_t, kSlotCount> starts_{};
    std::array<std::size_t, kSlotCount> ends_{};
    int count_ = 0;
    std::string pending_;
    bool has_pending_ = false;
};

class ProgressOverBytes {
public:
    ProgressOverBytes(platform::Progress& progress, const LineReader& lines)
        : progress_(progress), lines_(lines) {}
    void Update() {
        const std::int64_t now = lines_.Consumed();
        if (now - reported_ >= kStep) {
            progress_.Step(now - reported_);
            reported_ = now;
        }
    }
    void Finish() { progress_.Step(lines_.Consumed() - reported_); }

private:
    static constexpr std::int64_t kStep = 1 << 16;
    platform::Progress& progress_;
    const LineReader& lines_;
    std::int64_t reported_ = 0;
};

// One pass over the bytes: most cells are short, and for them this beats two memchr calls.
bool HasLineBreak(std::string_view text) {
    for (char c : text) {
        if (c == '\n' || c == '\r') return true;
    }
    return false;
}

// Appends a cell as one line of the file, whatever it holds: a line break that reached a cell is
// stored the way the synopsis stores its breaks ("~"), and left out of other cells, so that it
// cannot move every later cell of the file into another slot.
void AppendAsOneLine(std::string& block, std::string_view cell, int slot) {
    if (!HasLineBreak(cell)) {
        block.append(cell);
        return;
    }
    std::string text(cell);
    if (slot == slot::kSynopsis) text = EncodeLineBreaks(std::move(text));
    block.append(RemoveLineBreaks(std::move(text)));
}

FileResult ReadRecordsFrom(std::istream& in, VideoList& list, const Clock& clock,
                           const RecordReadOptions& options, platform::Progress& progress,
                           std::int64_t size, std::string_view progress_text) {
    const std::array<int, kSlotCount> targets = SlotTargets(list);
    // A small file needs no large buffer: it would cost more to set up than to read the file.
    const auto chunk = static_cast<std::size_t>(std::clamp<std::int64_t>(size + 1, 1 << 12, 1 << 20));
    LineReader lines(in, chunk);
    BlockReader block(lines);
    DateTextCache dates(clock);
    platform::ProgressScope scope(progress, size, progress_text);
    ProgressOverBytes bytes(progress, lines);

    std::array<std::string_view, kMaxColumns> cells{};
    std::string title;
    std::string number;
    if (size > 0) list.ReserveRows(static_cast<std::size_t>(size / 600 + 16));
    int rows = 0;
    // Appends the record of `source`, or an empty record when there is none.
    auto append_row = [&](const BlockReader* source) {
        cells.fill({});
        bool flagged = false;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const int target = targets[static_cast<std::size_t>(slot)];
            if (target < 0) continue;
            std::string_view text = source ? source->Slot(slot) : std::string_view();
            if (text == "00:00:00") text = {};
            switch (slot) {
                case slot::kNumber:
                    number = std::to_string(rows + 1);
                    text = number;
                    break;
                case slot::kDateAdded:
                    continue;  // set from the Key below
                case slot::kFlag:
                    text = {};
                    break;
                case slot::kFlagValue:
                    flagged = !text.empty();
                    break;
                case slot::kTitle:
                    if (options.move_leading_article) {
                        title = MoveLeadingArticle(std::string(text));
                        text = title;
                    }
                    break;
                default:
                    break;
            }
            cells[static_cast<std::size_t>(target)] = text;
        }
        const int date_target = targets[slot::kDateAdded];
        if (date_target >= 0) {
            cells[static_cast<std::size_t>(date_target)] =
                dates.Format(source ? source->Slot(slot::kKey) : std::string_view());
        }
        VideoRecord record(std::span<const std::string_view>(cells.data(), static_cast<std::size_t>(list.ColumnCount())));
        record.LoadOrder = rows++;
        record.Flagged = flagged;
        list.AppendRow(std::move(record));
    };
    // Blocks of nothing but empty lines become rows only when a record follows them: however
    // many empty lines end a file, they are not records.
    int empty_blocks = 0;
    while (block.Next()) {
        if (block.AllEmpty()) {
            ++empty_blocks;
            continue;
        }
        for (; empty_blocks > 0; --empty_blocks) append_row(nullptr);
        append_row(&block);
        bytes.Update();
    }
    bytes.Finish();
    if (lines.Failed()) return FileResult::Failure({}, SystemErrorText(EIO));
    return FileResult::Success(rows);
}

}  // namespace

FileResult ReadRecords(std::istream& in, VideoList& list, const Clock& clock,
                       const RecordReadOptions& options, platform::Progress& progress,
                       std::string_view progress_text) {
    return ReadRecordsFrom(in, list, clock, options, progress, 0, progress_text);
}

FileResult ReadRecords(VideoList& list, const std::string& path, const Clock& clock,
                       const RecordReadOptions& options, platform::Progress& progress) {
    return ReadFileWith(path, [&](std::istream& in) {
        return ReadRecordsFrom(in, list, clock, options, progress,
                               std::max<std::int64_t>(0, FileSize(path)), "Reading " + path);
    });
}

FileResult WriteRecords(const VideoList& list, std::ostream& out, platform::Progress& progress,
                        std::string_view progress_text) {
    const std::array<int, kSlotCount> sources = SlotTargets(list);
    platform::ProgressScope scope(progress, list.RowCount(), progress_text);
    std::string block;
    for (int row = 0; row < list.RowCount(); ++row) {
        const VideoRecord& record = list.Row(row);
        block.clear();
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const int source = sources[static_cast<std::size_t>(slot)];
            if (source >= 0) AppendAsOneLine(block, record.Cell(source), slot);
            block += '\n';
        }
        block += '\n';
        if (!out.write(block.data(), static_cast<std::streamsize>(block.size()))) {
            return FileResult::Failure({}, SystemErrorText(EIO));
        }
        scope.Step();
    }
    return FileResult::Success();
}

FileResult WriteRecords(const VideoList& list, const std::string& path,
                        platform::Progress& progress, FileSystemCalls& calls) {
    return WriteFileSafely(
        path, [&](std::ostream& out) { return WriteRecords(list, out, progress, "Saving " + path); },
        0666,
        calls);
}

}  // namespace core
