#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/image_converter.h"
#include "temp_folder.h"

// Converts by writing a JPEG file header followed by the source's bytes, so that a test can
// tell a converted file from a copied one; or fails, when told to.
class FakeImageConverter final : public platform::ImageConverter {
  public:
    static constexpr const char* kJpegStart = "\xff\xd8\xff";

    bool ConvertToJpeg(const std::string& from, const std::string& to) override {
        calls.emplace_back(from, to);
        if (fail) return false;
        WriteFileBytes(to, kJpegStart + ReadFileBytes(from));
        return true;
    }

    bool fail = false;
    std::vector<std::pair<std::string, std::string>> calls;
};
