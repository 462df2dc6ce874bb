#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/video_list.h"
#include "views/image_folder_index.h"
#include "views/image_grid.h"

// The image view of My Videos: the records that have an image file, in list order, as pages of
// thumbnails with a caption.
namespace views {

// One thumbnail of the current page: what its caption, tip and markers show.
struct Thumbnail {
    int row = -1;  // the My Videos row, valid until the list changes
    std::string key;
    std::string title;
    std::string year;
    std::string duration;
    std::string category;
    std::string mpaa;
    std::string date_added;
    std::string flag_value;
    std::string image_file;
    bool flagged = false;  // Flag Value not empty: the flag marker
    bool viewed = false;   // Last Viewed not empty: the viewed marker
};

// The tip of a thumbnail: the Title, then " (Year)", " - [Duration]", " - [MPAA]" and
// " - Category", each only when not empty.
std::string ThumbnailTip(const Thumbnail& thumbnail);

enum class Arrow { kLeft, kRight, kUp, kDown };

class ImageBrowser {
  public:
    static constexpr int kPageSize = 150;

    // Walks every row in list order: rows whose image file exists count towards the total, and
    // those on the current page become its thumbnails. With `reset_page` the walk starts on page
    // 1; a page beyond the last (after deletions) falls back to the last page.
    void Rebuild(const core::VideoList& videos, const ImageFolderIndex& images, bool reset_page);
    // Refreshes the texts and markers of a row's thumbnail (found by Key). The thumbnail's
    // index, or -1 when the record is not on the page.
    int UpdateRecord(const core::VideoList& videos, int row);

    const std::vector<Thumbnail>& Page() const { return page_; }
    int Total() const { return static_cast<int>(images_.size()); }
    int FirstIndex() const { return first_index_; }
    int PageNumber() const { return page_number_; }
    int PageCount() const { return (Total() + kPageSize - 1) / kPageSize; }

    bool CanGoNext() const { return first_index_ + kPageSize < Total(); }
    bool CanGoPrevious() const { return first_index_ > 0; }
    // Each returns whether the page changed (its thumbnails are then the new page's).
    bool NextPage(const core::VideoList& videos);
    bool PreviousPage(const core::VideoList& videos);
    bool ChoosePage(const core::VideoList& videos, int page_number);
    // The page that shows a row's thumbnail; 0 when the row has no image.
    int PageOfRow(int row) const;

    // "%d - %d of %d" of the first and last number on the page and the total; "0 Images".
    std::string ListTitle() const;

    // ---- Selection ----
    // The thumbnail of a My Videos row on this page, or -1.
    int IndexOfRow(int row) const;
    // The thumbnail the arrow keys move from: the one last chosen while it is still selected in
    // the list, else the first selected one on the page; -1 when none is.
    int CurrentIndex(const core::VideoList& videos) const;
    void SetCurrentIndex(int index) { current_ = index; }
    // Where an arrow key moves from the current thumbnail: left and right within the page, up
    // and down to the neighbours of the grid; the first thumbnail when none is current; -1 when
    // the move would leave the page.
    int ArrowTarget(const core::VideoList& videos, const ImageGrid& grid, Arrow arrow) const;

  private:
    struct ImageRow {
        int row;
        std::string file;
    };
    void FillPage(const core::VideoList& videos);
    void FillThumbnail(const core::VideoList& videos, Thumbnail& thumbnail) const;

    std::vector<ImageRow> images_;  // every row with an image, in list order
    std::vector<Thumbnail> page_;
    int first_index_ = 0;
    int page_number_ = 1;
    int current_ = -1;
};

// Selects the My Videos row whose Key equals `key`, alone. Its index, or -1 (the selection is
// then unchanged).
int SelectKey(core::VideoList& videos, std::string_view key);

}  // namespace views
