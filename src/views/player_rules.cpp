#include "views/player_rules.h"

#include <cctype>
#include <filesystem>
#include <map>

namespace views {
namespace {

std::optional<MediaRequest> Request(std::string_view source, bool dvd, PlayerPlace place,
                                    bool loop) {
    // A docked pane that is hidden plays nothing; a floating one is its own window.
    if (source.empty() || (!place.shown && !place.floating)) return std::nullopt;
    MediaRequest request;
    request.source = std::string(source);
    request.dvd = dvd;
    request.loop = loop;
    request.status_text = request.source;
    return request;
}

}  // namespace

std::optional<MediaRequest> PlayFileRequest(std::string_view path, PlayerPlace place, bool loop) {
    return Request(path, false, place, loop);
}

std::optional<MediaRequest> PlayDvdRequest(std::string_view folder, PlayerPlace place, bool loop) {
    if (folder.empty()) return std::nullopt;
    return Request(DvdFolder(folder), true, place, loop);
}

std::optional<MediaRequest> ShowFileRequest(std::string_view path, PlayerPlace place, bool loop) {
    if (!place.shown) return std::nullopt;
    std::optional<MediaRequest> request = Request(path, false, place, loop);
    if (request) {
        request->auto_start = false;
        request->status_text.clear();
    }
    return request;
}

std::string DvdFolder(std::string_view folder) {
    std::string path(folder);
    if (path.find("VIDEO_TS") != std::string::npos || path.find("video_ts") != std::string::npos)
        return path;
    if (path.back() != '/' && path.back() != '\\') path += '/';
    return path + "VIDEO_TS";
}

std::string DvdMainTitleFile(const std::string& video_ts_folder) {
    namespace fs = std::filesystem;
    std::map<std::string, std::uintmax_t> title_bytes;  // "VTS_01" → bytes of its VOB files
    std::error_code error;
    for (fs::directory_iterator it(video_ts_folder, error), end; !error && it != end;
         it.increment(error)) {
        std::string name = it->path().filename().string();
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        // VTS_nn_0.VOB is the title set's menu, not its film.
        if (name.size() != 12 || name.rfind("VTS_", 0) != 0 || name.substr(8) != ".VOB" ||
            name[7] == '0') {
            continue;
        }
        std::error_code size_error;
        const std::uintmax_t size = it->file_size(size_error);
        if (!size_error) title_bytes[name.substr(0, 6)] += size;
    }
    std::string best;
    std::uintmax_t most = 0;
    for (const auto& [title, bytes] : title_bytes) {
        if (bytes > most) {
            most = bytes;
            best = title;
        }
    }
    if (best.empty()) return {};
    for (const char* name : {"_1.VOB", "_1.vob"}) {
        const fs::path file = fs::path(video_ts_folder) / (best + name);
        if (fs::exists(file, error)) return file.string();
        std::string lower = best;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const fs::path lower_file = fs::path(video_ts_folder) / (lower + name);
        if (fs::exists(lower_file, error)) return lower_file.string();
    }
    return {};
}

bool IsMediaAddress(std::string_view text) {
    const std::size_t colon = text.find("://");
    if (colon == std::string_view::npos || colon < 2) return false;
    for (char c : text.substr(0, colon)) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

std::vector<MediaFilter> MediaFileFilters() {
    std::vector<MediaFilter> filters = {
        {"Midi file (midi)", {"*.mid", "*.rmi", "*.midi"}},
        {"Movie file (mpeg)", {"*.mpeg", "*.mpg"}},
        {"Windows audio file", {"*.wav", "*.snd", "*.au"}},
        {"Windows video file", {"*.avi", "*.wmv"}},
    };
    // "all types": every pattern above, and what people keep their media in today.
    MediaFilter all{"Media files (all types)", {}};
    for (const MediaFilter& filter : filters)
        all.patterns.insert(all.patterns.end(), filter.patterns.begin(), filter.patterns.end());
    for (const char* pattern : {"*.mp4", "*.m4v", "*.mkv", "*.webm", "*.mov", "*.ogg", "*.ogv",
                                "*.mp3", "*.flac", "*.vob"}) {
        all.patterns.emplace_back(pattern);
    }
    filters.insert(filters.begin(), std::move(all));
    filters.push_back({"Any file", {"*"}});
    return filters;
}

std::string AlwaysVisibleLabel(bool on) {
    return on ? "Always Visible [on]" : "Always Visible [off]";
}

}  // namespace views
