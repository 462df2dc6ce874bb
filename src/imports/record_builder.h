#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/dates.h"
#include "core/video_list.h"
#include "core/video_record.h"

// Builds the records an import adds, with the rules every kind of source shares: the Key and
// its duplicates, the cleaning of each cell, Date Added and the flag mark.
namespace imports {

// A set of non-negative numbers in one open-addressed table: no allocation per number.
class KeySet {
  public:
    bool Contains(std::int64_t key) const;
    void Insert(std::int64_t key);

  private:
    static constexpr std::int64_t kEmpty = -1;
    std::size_t SlotOf(std::int64_t key) const;
    void Grow();

    std::vector<std::int64_t> slots_;
    std::size_t count_ = 0;
};

class RecordBuilder {
  public:
    // `target` is My Videos as it stands before the import (its Keys are the ones taken).
    RecordBuilder(const core::VideoList& target, const core::Clock& clock, bool place_the_in_back);

    // Starts a record with the source's Key. A Key that My Videos (or this import) already holds
    // makes a duplicate: false, and the record is skipped. An empty Key, or one that is not a
    // decimal number, is replaced by a fresh unique Key (counted as re-keyed when the record
    // is finished).
    bool Begin(std::string_view source_key);
    // Starts a record of a source without Keys: a fresh one.
    void BeginFresh();
    // Sets a cell, cleaned as every cell is; "00:00:00" becomes empty. `move_article` applies
    // the leading-article rule of PLACE_THE_IN_BACK.
    void Set(int target_index, std::string_view text, bool move_article = false);
    // Sets the cell only when it is still empty.
    void SetIfEmpty(int target_index, std::string_view text);
    // The source marks the video as seen: Last Viewed becomes today unless it holds a date.
    void MarkSeen();
    // Ends the record: Date Added from the Key, the flag mark from Flag Value.
    core::VideoRecord Finish();

    int title_index() const { return title_; }
    int flag_value_index() const { return flag_value_; }
    int rekeyed() const { return rekeyed_; }

  private:
    // Where a cell's text lies in the record's buffer.
    struct Span {
        std::uint32_t start = 0;
        std::uint32_t size = 0;
    };
    std::string_view CellText(int index) const {
        const Span span = spans_[static_cast<std::size_t>(index)];
        return std::string_view(buffer_).substr(span.start, span.size);
    }
    void Store(int index, std::string_view text);
    void Clear();
    // Whether the Key is taken; Keys in their usual form (digits, no leading zero) are kept as
    // numbers, which is what makes checking 100,000 of them cheap.
    bool Taken(std::string_view key) const;
    void Take(std::string_view key);
    std::string FreshKey();

    const core::Clock& clock_;
    bool place_the_in_back_;
    int columns_ = 0;
    int key_ = 0;
    int date_added_ = -1;
    int title_ = -1;
    int synopsis_ = -1;
    int flag_value_ = -1;
    int last_viewed_ = -1;
    int number_ = -1;
    // "#" of the next record as it is appended; sorting renumbers the rows, which costs far less
    // when a number of the same width is already in place.
    std::int64_t next_number_ = 1;
    std::int64_t next_fresh_ = 0;
    int rekeyed_ = 0;     // finished records whose source Key was replaced
    bool fresh_ = false;  // the current record's source Key was replaced
    KeySet number_keys_;
    std::unordered_set<std::string> text_keys_;  // other Keys, in lower case
    std::string buffer_;
    std::array<Span, core::kMaxColumns> spans_{};
    core::DateTextCache dates_;
};

// True when the text is a non-empty run of decimal digits.
bool IsDecimalKey(std::string_view text);

}  // namespace imports
