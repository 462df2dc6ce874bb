#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the Video Player pane does with a request: which media it hands to the media framework,
// whether playback starts at once, how often it repeats, and what the status text shows.
namespace views {

// Where the pane is when a request arrives.
struct PlayerPlace {
    bool shown = true;
    bool floating = false;
};

struct MediaRequest {
    std::string source;  // a local path or an address ("http://…")
    bool dvd = false;    // `source` is a VIDEO_TS folder
    bool auto_start = true;
    bool loop = false;        // repeat until stopped
    std::string status_text;  // the pane's status text while it plays
    bool operator==(const MediaRequest&) const = default;
};

// "File" and "URL": plays a file or address. Nothing for an empty path or while the docked pane
// is hidden. Paths with "&" play like any other.
std::optional<MediaRequest> PlayFileRequest(std::string_view path, PlayerPlace place, bool loop);
// "DVD": plays the VIDEO_TS folder of a disc or of a folder holding one.
std::optional<MediaRequest> PlayDvdRequest(std::string_view folder, PlayerPlace place, bool loop);
// Loads a file without starting it; only while the pane is shown. The status text is cleared.
std::optional<MediaRequest> ShowFileRequest(std::string_view path, PlayerPlace place, bool loop);

// The folder a DVD request plays: the chosen folder when its path names VIDEO_TS already,
// else its VIDEO_TS sub-folder ("/media/dvd" → "/media/dvd/VIDEO_TS").
std::string DvdFolder(std::string_view folder);
// The file that stands for a DVD folder when the media framework cannot read the folder as a
// disc: the first part ("VTS_nn_1.VOB") of the title set with the most bytes. Empty when there
// is none.
std::string DvdMainTitleFile(const std::string& video_ts_folder);

// Whether a text is an address with a scheme ("http://…", "rtsp://…") rather than a path.
bool IsMediaAddress(std::string_view text);

// The "File" picker's filters: a name and its patterns.
struct MediaFilter {
    std::string name;
    std::vector<std::string> patterns;
};
std::vector<MediaFilter> MediaFileFilters();

// "Always Visible [on]" or "Always Visible [off]".
std::string AlwaysVisibleLabel(bool on);

}  // namespace views
