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
    const std::string& key() const { return cells_[static_cast<std::size_t>(key_)]; }

  private:
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
    std::int64_t next_fresh_ = 0;
    int rekeyed_ = 0;                       // finished records whose source Key was replaced
    bool fresh_ = false;                    // the current record's source Key was replaced
    std::unordered_set<std::string> keys_;  // lower case, as Keys are compared
    std::array<std::string, core::kMaxColumns> cells_;
    core::DateTextCache dates_;
};

// True when the text is a non-empty run of decimal digits.
bool IsDecimalKey(std::string_view text);

}  // namespace imports
