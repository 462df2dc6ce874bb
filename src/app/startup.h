#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/program_config.h"
#include "config/program_paths.h"
#include "config/recent_databases.h"
#include "platform/prompts.h"

// The decisions of start-up and shutdown that do not need a window.
namespace app {

// Whether a command-line argument names a database to open: it contains ".RDK" or ".rdk"
// (exactly one of these spellings; "films.Rdk" does not count).
bool NamesDatabase(std::string_view argument);

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// Keeps the stored main-window position on the screen: not left of or above the screen's
// origin, and moved back in where it would reach past the right or bottom edge.
config::WindowGeometry ClampToScreen(config::WindowGeometry geometry, ScreenSize screen);

enum class WindowPlacement { kMaximized, kDefault, kStored };
// Maximized when so configured; the window system's default size when the stored size is too
// small to use (width below 170 and height below 50); else the stored geometry.
WindowPlacement InitialPlacement(const config::ProgramConfig& config);

// Stores the main window's placement at shutdown: a maximized window sets the maximized flag; a
// normal one clears it and stores its frame; a minimized one leaves everything as it was.
void StorePlacement(config::ProgramConfig& config, bool maximized, bool minimized,
                    const config::WindowGeometry& frame);

// Writes the configuration, then the recent databases, as the program ends. A configuration
// that cannot be written is reported; the program ends all the same.
void SaveSettingsAtExit(const config::ProgramPaths& paths, const config::ProgramConfig& config,
                        const config::RecentDatabases& recent, platform::Prompts& prompts);

// The files and folders of one run, removed at shutdown (folders with their files).
std::vector<std::string> RunWorkFiles(const config::ProgramPaths& paths);
void RemoveRunWorkFiles(const config::ProgramPaths& paths);

// The splash window's timer: 50 ms ticks; the splash ends at tick 32, but waits there while a
// login window is open.
class SplashTimer {
public:
    static constexpr int kIntervalMs = 50;
    static constexpr int kEndTick = 32;

    enum class Step { kContinue, kAnimate, kWaitForLogin, kFinish };
    // One tick; `login_open` tells whether the login window is on screen.
    Step Tick(bool login_open);
    int Count() const { return count_; }
    bool Finished() const { return count_ < 0; }

private:
    int count_ = 0;
};

}  // namespace app
