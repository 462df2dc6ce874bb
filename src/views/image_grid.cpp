#include "views/image_grid.h"

#include <algorithm>

namespace views {

ImageSize ImageSizeFromName(std::string_view name) {
    if (name == "Tiny") return ImageSize::kTiny;
    if (name == "Small") return ImageSize::kSmall;
    return ImageSize::kNormal;
}

std::string_view ImageSizeName(ImageSize size) {
    switch (size) {
        case ImageSize::kTiny:
            return "Tiny";
        case ImageSize::kSmall:
            return "Small";
        case ImageSize::kNormal:
            break;
    }
    return "Normal";
}

ImageSize NextImageSize(ImageSize size) {
    switch (size) {
        case ImageSize::kTiny:
            return ImageSize::kSmall;
        case ImageSize::kSmall:
            return ImageSize::kNormal;
        case ImageSize::kNormal:
            break;
    }
    return ImageSize::kTiny;
}

PixelSize ThumbnailSize(ImageSize size) {
    switch (size) {
        case ImageSize::kTiny:
            return {40, 60};
        case ImageSize::kSmall:
            return {62, 90};
        case ImageSize::kNormal:
            break;
    }
    return {133, 167};
}

ImageGrid::ImageGrid(ImageSize size, int space, int client_width)
    : image_(ThumbnailSize(size)), space_(std::max(0, space)) {
    columns_ = std::max(0, client_width) / ColumnPitch();
}

PixelRect ImageGrid::ImageRect(int index) const {
    return {space_ + ColumnOf(index) * ColumnPitch(), space_ + RowOf(index) * RowPitch(),
            image_.width, image_.height};
}

PixelRect ImageGrid::CaptionRect(int index) const {
    const PixelRect image = ImageRect(index);
    return {image.x, image.y + image.height + 1, image_.width, kCaptionHeight};
}

int ImageGrid::ContentHeight(int count) const {
    if (count <= 0) return 0;
    return space_ + (RowOf(count - 1) + 1) * RowPitch();
}

int ImageGrid::IndexAt(int x, int y, int count) const {
    if (x < space_ || y < space_) return -1;
    const int column = (x - space_) / ColumnPitch();
    const int row = (y - space_) / RowPitch();
    if (column >= Step()) return -1;
    const int index = row * Step() + column;
    if (index >= count) return -1;
    // The space between thumbnails belongs to none of them.
    const PixelRect image = ImageRect(index);
    const PixelRect caption = CaptionRect(index);
    return image.Contains(x, y) || caption.Contains(x, y) ? index : -1;
}

int ImageGrid::UpperNeighbour(int index) const {
    const int above = index - Step();
    return above >= 0 ? above : -1;
}

int ImageGrid::LowerNeighbour(int index, int count) const {
    const int below = index + Step();
    return index >= 0 && below < count ? below : -1;
}

}  // namespace views
