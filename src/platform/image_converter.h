#pragma once

#include <string>

namespace platform {

// Turns a picture of any type the desktop can read (PNG, WebP, JPEG 2000 …) into a JPEG file,
// for the image folder, which holds only ".jpg", ".gif" and ".bmp" files.
class ImageConverter {
  public:
    virtual ~ImageConverter() = default;
    // Writes the picture in `from` as a JPEG file at `to`. False when `from` is not a picture
    // that can be read or `to` cannot be written.
    virtual bool ConvertToJpeg(const std::string& from, const std::string& to) = 0;
};

}  // namespace platform
