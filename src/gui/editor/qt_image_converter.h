#pragma once

#include "platform/image_converter.h"

namespace gui {

// Converts any picture Qt's image plug-ins read into a JPEG file of good quality.
class QtImageConverter final : public platform::ImageConverter {
  public:
    static constexpr int kJpegQuality = 90;

    bool ConvertToJpeg(const std::string& from, const std::string& to) override;
};

}  // namespace gui
