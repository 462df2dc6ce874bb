#pragma once

#include <string>
#include <string_view>

// Where the image browser puts its thumbnails: image sizes, pitches and positions in pixels.
namespace views {

enum class ImageSize { kTiny, kSmall, kNormal };

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
    bool Contains(int px, int py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
};

// The size stored under IMAGE_BROWSER_WH_MODE: "Tiny", "Small" or "Normal". Any other name
// (an empty setting among them) is "Normal".
ImageSize ImageSizeFromName(std::string_view name);
std::string_view ImageSizeName(ImageSize size);
// "Image size" cycles Tiny, Small, Normal, Tiny…
ImageSize NextImageSize(ImageSize size);
PixelSize ThumbnailSize(ImageSize size);

// The grid for one image size and space: thumbnails fill a row from left to right, then the
// next row; under each image lies its caption.
class ImageGrid {
  public:
    static constexpr int kCaptionHeight = 15;

    ImageGrid(ImageSize size, int space, int client_width);

    PixelSize Image() const { return image_; }
    int Space() const { return space_; }
    int ColumnPitch() const { return image_.width + space_; }
    int RowPitch() const { return image_.height + kCaptionHeight + 2 * space_; }
    // Whole column pitches in the client width; 0 when not even one fits.
    int Columns() const { return columns_; }

    // Grid row and column of the thumbnail at `index`; with no whole column each thumbnail
    // takes a row of its own.
    int RowOf(int index) const { return index / Step(); }
    int ColumnOf(int index) const { return index % Step(); }
    PixelRect ImageRect(int index) const;
    PixelRect CaptionRect(int index) const;
    // Height of the area that holds `count` thumbnails.
    int ContentHeight(int count) const;
    // The thumbnail at a point, or -1.
    int IndexAt(int x, int y, int count) const;
    // The thumbnails above and below `index` (the arrow keys' neighbours): index ∓ columns,
    // one step when each thumbnail has its own row. -1 when outside the page of `count`.
    int UpperNeighbour(int index) const;
    int LowerNeighbour(int index, int count) const;

  private:
    int Step() const { return columns_ > 0 ? columns_ : 1; }

    PixelSize image_;
    int space_;
    int columns_;
};

}  // namespace views
