#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace views {

// The record images of a folder by Key, from one listing of the folder: a list of 100,000
// records finds its images without asking the file system about each of them. The extensions
// are preferred in the order a record's image is looked for (".jpg", ".JPG", ".gif", ".GIF",
// ".bmp", ".BMP").
class ImageFolderIndex {
  public:
    ImageFolderIndex() = default;
    explicit ImageFolderIndex(const std::string& folder);

    // The image file of the record with `key`; empty when it has none.
    std::string FileOf(std::string_view key) const;
    std::size_t Size() const { return files_.size(); }

  private:
    std::string folder_;
    std::unordered_map<std::string, std::string> files_;  // Key → the file's extension
};

}  // namespace views
