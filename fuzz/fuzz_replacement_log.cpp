// The log of an interrupted save, read when the database is next opened. The database's files
// are made again for each input, so that every step the log names has something to act on; an
// "@" in the input stands for the database's folder.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/database_backup.h"
#include "core/database_files.h"
#include "core/database_replacement.h"
#include "core/staged_images.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const core::DatabaseNames names =
        core::DatabaseNamesOf((fuzz::ScratchFolder() / "films.rdk").string());
    for (const std::string& file : core::DatabaseFiles(names)) {
        for (const std::string& path :
             {file, core::StagedNameOf(file), core::StagedNameOf(core::BackupNameOf(file))}) {
            std::ofstream(path, std::ios::binary | std::ios::trunc) << path;
        }
    }
    // Images staged for the database's own image folder, and for another folder.
    const std::string other_images = (fuzz::ScratchFolder() / "keep-images").string();
    for (const std::string& folder : {names.base, other_images}) {
        std::filesystem::create_directories(core::StagedImagesFolderOf(folder));
        std::ofstream(core::StagedImagesFolderOf(folder) + "/1.jpg", std::ios::binary) << "new";
    }
    const std::string log = core::ReplacementLogOf(names);
    std::string text;
    for (char c : fuzz::Text(data, size)) {
        if (c == '@') {
            text += fuzz::ScratchFolder().string() + "/";
        } else {
            text += c;
        }
    }
    std::ofstream(log, std::ios::binary | std::ios::trunc) << text;
    // Whatever the log says, no other file is touched.
    const std::string keep = (fuzz::ScratchFolder() / "keep").string();
    std::ofstream(keep, std::ios::binary | std::ios::trunc) << "keep";
    std::ofstream(keep + ".new", std::ios::binary | std::ios::trunc) << "new";
    core::FinishReplacement(names);
    std::string kept;
    std::ifstream(keep, std::ios::binary) >> kept;
    if (kept != "keep") __builtin_trap();
    if (std::filesystem::exists(other_images + "/1.jpg") ||
        !std::filesystem::exists(core::StagedImagesFolderOf(other_images) + "/1.jpg")) {
        __builtin_trap();
    }
    return 0;
}
