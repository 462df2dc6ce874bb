#include "wizard/cover_queue.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/record_images.h"
#include "core/paths.h"
#include "wizard/query_worker.h"

namespace wizard {
namespace {

// A Key names files in the image folder; one from a damaged database must name nothing else.
bool IsPlainName(std::string_view key) {
    return !key.empty() && key != "." && key != ".." &&
           key.find_first_of("/\\") == std::string_view::npos;
}

// The extension a file's first bytes call for: jpg, gif or bmp, or "img" for anything else,
// which is converted.
std::string ExtensionByContent(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char start[6] = {};
    in.read(start, sizeof start);
    const std::string_view head(start, static_cast<std::size_t>(in.gcount()));
    if (head.size() >= 3 && head.substr(0, 3) == "\xff\xd8\xff") return "jpg";
    if (head == "GIF87a" || head == "GIF89a") return "gif";
    if (head.size() >= 2 && head.substr(0, 2) == "BM") return "bmp";
    return "img";
}

}  // namespace

std::string CoverProgressText(int number, int count) {
    char percent[32];
    std::snprintf(percent, sizeof percent, "%.2f",
                  count > 0 ? static_cast<double>(number) / count * 100.0 : 0.0);
    return "Downloading image " + std::to_string(number) + " of " + std::to_string(count) + " [" +
           percent + "% Complete]";
}

bool StoreCover(const std::string& downloaded, const std::string& image_folder,
                const std::string& key, platform::ImageConverter& converter,
                const core::ImageUndoCopy& undo) {
    if (!IsPlainName(key) || !core::FileExists(downloaded)) return false;
    const std::string typed =
        core::JoinPath(image_folder, key + ".cover." + ExtensionByContent(downloaded));
    std::error_code error;
    std::filesystem::rename(downloaded, typed, error);
    if (error) return false;
    const bool stored = !app::StoreRecordImage(image_folder, key, typed, converter, undo).empty();
    std::filesystem::remove(typed, error);
    return stored;
}

CoverRun DownloadCovers(platform::Downloader& downloader, platform::ImageConverter& converter,
                        const std::string& image_folder, const core::ImageUndoCopy& undo,
                        std::span<const CoverJob> queue, std::stop_token stop,
                        const std::function<void(int number)>& before_each,
                        const std::function<void()>& after_each, std::chrono::milliseconds pause) {
    CoverRun run;
    int number = 0;
    for (auto job = queue.rbegin(); job != queue.rend(); ++job) {
        if (stop.stop_requested()) {
            run.cancelled = true;
            break;
        }
        if (number > 0 && !PauseUnlessStopped(pause, stop)) {
            run.cancelled = true;
            break;
        }
        ++number;
        if (before_each) before_each(number);
        bool stored = false;
        if (IsPlainName(job->key)) {
            const std::string part = core::JoinPath(image_folder, job->key + ".cover-download");
            // A cancelled download leaves no file behind, so it may stop half-way.
            if (downloader.DownloadToFile(job->address, part, {}, stop)) {
                stored = StoreCover(part, image_folder, job->key, converter, undo);
            }
            std::error_code error;
            std::filesystem::remove(part, error);
        }
        ++(stored ? run.stored : run.failed);
        if (after_each) after_each();
    }
    return run;
}

}  // namespace wizard
