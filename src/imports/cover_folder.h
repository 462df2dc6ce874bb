#pragma once

#include <string>

namespace imports {

// A temporary folder for the covers a collection keeps inside its file (Tellico, GCstar), removed
// with everything in it when the object goes. The path is empty when no folder could be made.
class CoverFolder {
  public:
    CoverFolder();
    ~CoverFolder();
    CoverFolder(const CoverFolder&) = delete;
    CoverFolder& operator=(const CoverFolder&) = delete;

    const std::string& path() const { return path_; }
    // Empties the folder, for the covers of another file.
    void Clear() const;

  private:
    std::string path_;
};

}  // namespace imports
