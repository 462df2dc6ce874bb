#pragma once

#include <chrono>
#include <functional>
#include <span>
#include <stop_token>
#include <string>

#include "core/image_undo_copy.h"
#include "platform/downloader.h"
#include "platform/image_converter.h"
#include "wizard/adding.h"

// Fetching the covers of added and replaced records into the image folder.
namespace wizard {

// "Downloading image 2 of 3 [66.67% Complete]".
std::string CoverProgressText(int number, int count);

// Stores a downloaded picture as the record's image, by what the file holds rather than what
// its address says: a JPEG, GIF or BMP file as <key>.jpg, .gif or .bmp, any other picture
// converted to <key>.jpg. The record's other image files are removed only once the new one is
// in place, so a reply that is no picture leaves the old cover. `undo` keeps the cover replaced.
// False when nothing was stored.
bool StoreCover(const std::string& downloaded, const std::string& image_folder,
                const std::string& key, platform::ImageConverter& converter,
                const core::ImageUndoCopy& undo);

struct CoverRun {
    int stored = 0;
    int failed = 0;
    bool cancelled = false;
};

// Fetches the queue from its last entry to its first, on the calling (worker) thread.
// `before_each` gets the running number (1 for the first fetched) before each download,
// `after_each` is called after it; between two downloads the run pauses for `pause`. A stop
// request ends the run; the download under way stops without leaving a file. A failed download
// stores nothing and the next one follows.
CoverRun DownloadCovers(platform::Downloader& downloader, platform::ImageConverter& converter,
                        const std::string& image_folder, const core::ImageUndoCopy& undo,
                        std::span<const CoverJob> queue, std::stop_token stop,
                        const std::function<void(int number)>& before_each,
                        const std::function<void()>& after_each,
                        std::chrono::milliseconds pause = std::chrono::milliseconds(500));

}  // namespace wizard
