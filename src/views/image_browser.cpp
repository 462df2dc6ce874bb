#include "views/image_browser.h"

#include <algorithm>

#include "core/video_column.h"

namespace views {
namespace {

std::string CellOf(const core::VideoList& videos, int row, std::string_view column) {
    const int index = videos.ColumnIndexOf(column);
    return index < 0 ? std::string() : videos.GetCell(row, index);
}

}  // namespace

std::string ThumbnailTip(const Thumbnail& t) {
    std::string tip = t.title;
    if (!t.year.empty()) tip += " (" + t.year + ")";
    if (!t.duration.empty()) tip += " - [" + t.duration + "]";
    if (!t.mpaa.empty()) tip += " - [" + t.mpaa + "]";
    if (!t.category.empty()) tip += " - " + t.category;
    return tip;
}

void ImageBrowser::Rebuild(const core::VideoList& videos, const ImageFolderIndex& images,
                           bool reset_page) {
    images_.clear();
    const int key_column = videos.ColumnIndexOf(core::column_name::kKey);
    if (key_column >= 0) {
        for (int row = 0; row < videos.RowCount(); ++row) {
            std::string file = images.FileOf(videos.Cell(row, key_column));
            if (!file.empty()) images_.push_back({row, std::move(file)});
        }
    }
    if (reset_page || Total() == 0) {
        first_index_ = 0;
        page_number_ = 1;
    } else if (first_index_ >= Total()) {
        page_number_ = PageCount();
        first_index_ = (page_number_ - 1) * kPageSize;
    }
    FillPage(videos);
}

void ImageBrowser::FillPage(const core::VideoList& videos) {
    page_.clear();
    const int last = std::min(Total(), first_index_ + kPageSize);
    for (int i = first_index_; i < last; ++i) {
        const ImageRow& image = images_[static_cast<std::size_t>(i)];
        Thumbnail thumbnail;
        thumbnail.row = image.row;
        thumbnail.image_file = image.file;
        FillThumbnail(videos, thumbnail);
        page_.push_back(std::move(thumbnail));
    }
    if (current_ >= static_cast<int>(page_.size())) current_ = -1;
}

void ImageBrowser::FillThumbnail(const core::VideoList& videos, Thumbnail& t) const {
    namespace name = core::column_name;
    const int row = t.row;
    t.key = CellOf(videos, row, name::kKey);
    t.title = CellOf(videos, row, name::kTitle);
    t.year = CellOf(videos, row, name::kYear);
    t.duration = CellOf(videos, row, name::kDuration);
    t.category = CellOf(videos, row, name::kCategory);
    t.mpaa = CellOf(videos, row, name::kMpaa);
    t.date_added = CellOf(videos, row, name::kDateAdded);
    t.flag_value = CellOf(videos, row, name::kFlagValue);
    t.flagged = !t.flag_value.empty();
    t.viewed = !CellOf(videos, row, name::kLastViewed).empty();
}

int ImageBrowser::UpdateRecord(const core::VideoList& videos, int row) {
    if (row < 0 || row >= videos.RowCount()) return -1;
    const std::string key = CellOf(videos, row, core::column_name::kKey);
    for (std::size_t i = 0; i < page_.size(); ++i) {
        if (page_[i].key != key) continue;
        page_[i].row = row;
        FillThumbnail(videos, page_[i]);
        return static_cast<int>(i);
    }
    return -1;
}

bool ImageBrowser::NextPage(const core::VideoList& videos) {
    if (first_index_ + kPageSize > Total()) return false;
    ++page_number_;
    first_index_ += kPageSize;
    FillPage(videos);
    return true;
}

bool ImageBrowser::PreviousPage(const core::VideoList& videos) {
    if (first_index_ <= 0) return false;
    page_number_ = std::max(1, page_number_ - 1);
    first_index_ = std::max(0, first_index_ - kPageSize);
    FillPage(videos);
    return true;
}

bool ImageBrowser::ChoosePage(const core::VideoList& videos, int page_number) {
    if (page_number < 1 || page_number > std::max(1, PageCount())) return false;
    if (page_number == page_number_) return false;
    page_number_ = page_number;
    first_index_ = (page_number - 1) * kPageSize;
    FillPage(videos);
    return true;
}

int ImageBrowser::PageOfRow(int row) const {
    for (std::size_t i = 0; i < images_.size(); ++i) {
        if (images_[i].row == row) return static_cast<int>(i) / kPageSize + 1;
    }
    return 0;
}

std::string ImageBrowser::ListTitle() const {
    if (page_.empty()) return "0 Images";
    return std::to_string(first_index_ + 1) + " - " +
           std::to_string(first_index_ + static_cast<int>(page_.size())) + " of " +
           std::to_string(Total());
}

int ImageBrowser::IndexOfRow(int row) const {
    for (std::size_t i = 0; i < page_.size(); ++i) {
        if (page_[i].row == row) return static_cast<int>(i);
    }
    return -1;
}

int ImageBrowser::CurrentIndex(const core::VideoList& videos) const {
    const int count = static_cast<int>(page_.size());
    if (current_ >= 0 && current_ < count &&
        videos.IsSelected(page_[static_cast<std::size_t>(current_)].row)) {
        return current_;
    }
    for (int i = 0; i < count; ++i) {
        if (videos.IsSelected(page_[static_cast<std::size_t>(i)].row)) return i;
    }
    return -1;
}

int ImageBrowser::ArrowTarget(const core::VideoList& videos, const ImageGrid& grid,
                              Arrow arrow) const {
    const int count = static_cast<int>(page_.size());
    if (count == 0) return -1;
    const int current = CurrentIndex(videos);
    if (current < 0) return 0;
    switch (arrow) {
        case Arrow::kLeft:
            return current > 0 ? current - 1 : -1;
        case Arrow::kRight:
            return current + 1 < count ? current + 1 : -1;
        case Arrow::kUp:
            return grid.UpperNeighbour(current);
        case Arrow::kDown:
            return grid.LowerNeighbour(current, count);
    }
    return -1;
}

int SelectKey(core::VideoList& videos, std::string_view key) {
    const int key_column = videos.ColumnIndexOf(core::column_name::kKey);
    if (key_column < 0 || key.empty()) return -1;
    for (int row = 0; row < videos.RowCount(); ++row) {
        if (videos.Cell(row, key_column) != key) continue;
        videos.DeselectAll();
        videos.Select(row, true);
        return row;
    }
    return -1;
}

}  // namespace views
