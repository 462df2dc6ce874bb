#include "app/startup.h"

#include <filesystem>

#include "app/record_images.h"
#include "core/text.h"

namespace app {

bool NamesDatabase(std::string_view argument) {
    return argument.find(".RDK") != std::string_view::npos ||
           argument.find(".rdk") != std::string_view::npos;
}

config::WindowGeometry ClampToScreen(config::WindowGeometry geometry, ScreenSize screen) {
    geometry.x = std::max(0, geometry.x);
    geometry.y = std::max(0, geometry.y);
    if (geometry.x + geometry.w > screen.width)
        geometry.x -= geometry.x + geometry.w - screen.width;
    if (geometry.y + geometry.h > screen.height)
        geometry.y -= geometry.y + geometry.h - screen.height;
    return geometry;
}

WindowPlacement InitialPlacement(const config::ProgramConfig& config) {
    if (config.start_program_maximized) return WindowPlacement::kMaximized;
    if (config.main_window.w < 170 && config.main_window.h < 50) return WindowPlacement::kDefault;
    return WindowPlacement::kStored;
}

void StorePlacement(config::ProgramConfig& config, bool maximized, bool minimized,
                    const config::WindowGeometry& frame) {
    if (maximized) {
        config.start_program_maximized = true;
    } else if (!minimized) {
        config.start_program_maximized = false;
        config.main_window = frame;
    }
}

std::vector<std::string> RunWorkFiles(const config::ProgramPaths& paths) {
    auto at = [&](const char* relative) { return paths.folder + "/" + relative; };
    std::vector<std::string> files = {paths.import_undo_images, paths.import_undo_videos,
                                      paths.import_undo_wanted, paths.wizard_search,
                                      paths.wizard_results,     paths.print_my_videos,
                                      paths.print_wanted,       at("res/iprev.html"),
                                      paths.rating_reply,       at("undo"),
                                      paths.downloaded_lists};
    // The record editor's downloaded previews, of every picture type it downloads.
    for (std::string_view extension : PictureExtensions()) {
        files.push_back(PreviewImagePath(paths.folder, extension));
    }
    return files;
}

void SaveSettingsAtExit(const config::ProgramPaths& paths, const config::ProgramConfig& config,
                        const config::RecentDatabases& recent, platform::Prompts& prompts) {
    const core::FileResult written = config::WriteConfig(config, paths.config);
    if (!written) {
        prompts.Message(core::FormatText("Error saving configuration settings to:\n%s.\n%s.",
                                         {written.path, written.reason}),
                        "Error", platform::Buttons::kOk, platform::Icon::kError);
    }
    recent.Save(paths.recent_databases);
}

void RemoveRunWorkFiles(const config::ProgramPaths& paths) {
    std::error_code error;
    for (const std::string& path : RunWorkFiles(paths)) std::filesystem::remove_all(path, error);
}

SplashTimer::Step SplashTimer::Tick(bool login_open) {
    if (count_ < 0) return Step::kContinue;
    if (count_ >= kEndTick) {
        if (login_open) {
            count_ = kEndTick;
            return Step::kWaitForLogin;
        }
        count_ = -1;
        return Step::kFinish;
    }
    const int tick = count_++;
    return (tick >= 20 && tick <= 30 && tick % 2 == 0) ? Step::kAnimate : Step::kContinue;
}

}  // namespace app
