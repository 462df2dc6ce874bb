#include "config/program_paths.h"

#include <cstdlib>
#include <filesystem>

#include "core/paths.h"

namespace config {
namespace fs = std::filesystem;

ProgramPaths ProgramPaths::ForFolder(const std::string& folder) {
    ProgramPaths p;
    p.folder = folder;
    while (p.folder.size() > 1 && p.folder.back() == '/') p.folder.pop_back();
    auto at = [&](const char* relative) { return core::JoinPath(p.folder, relative); };
    p.default_header = at("cfg/mlh.txt");
    p.config = at("cfg/cfg.txt");
    p.recent_databases = at("cfg/rfd.txt");
    p.print_settings = at("cfg/ps.txt");
    p.tips = at("cfg/tip.txt");
    p.html_list_history = at("cfg/rhl.txt");
    p.theme_folder = at("cfg/hls");
    p.service = at("cfg/service.txt");
    p.window_layout = at("cfg/layout.txt");
    p.print_my_videos = at("pm.html");
    p.print_wanted = at("pw.html");
    p.print_no_image = at("res/pprev.gif");
    p.flagged_mark = at("res/ivflag.gif");
    p.viewed_mark = at("res/ivview.gif");
    p.rating_reply = at("temp.dmy");
    p.downloaded_lists = at("dlrdhtml");
    p.help = at("help/index.html");
    p.popup_help = at("help/popup.html");
    p.import_undo_videos = at("mv.tmp");
    p.import_undo_wanted = at("wv.tmp");
    p.import_undo_images = at("mv");
    p.replace_undo = at("undo/temp.txt");
    p.wizard_search = at("vidwiz/search.txt");
    p.wizard_results = at("vidwiz/results.txt");
    return p;
}

ProgramFolderInputs CurrentProgramFolderInputs() {
    auto env = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::string(value) : std::string();
    };
    ProgramFolderInputs inputs;
    inputs.reeldeck_home = env("REELDECK_HOME");
    inputs.exe_folder = core::ModuleFolder();
    inputs.xdg_data_home = env("XDG_DATA_HOME");
    inputs.home = env("HOME");
    inputs.installed_data = InstalledDataFolder(inputs.exe_folder);
    return inputs;
}

std::string InstalledDataFolder(const std::string& exe_folder) {
    // REELDECK_DATA_FROM_BINDIR: the data folder relative to the programs' folder, from the
    // install layout the build was configured with.
    std::string folder =
        (fs::path(exe_folder) / REELDECK_DATA_FROM_BINDIR).lexically_normal().string();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string LocateProgramFolder(const ProgramFolderInputs& inputs) {
    if (!inputs.reeldeck_home.empty()) return inputs.reeldeck_home;
    if (!inputs.exe_folder.empty() &&
        core::FileExists(core::JoinPath(inputs.exe_folder, "cfg/cfg.txt"))) {
        return inputs.exe_folder;
    }
    std::string data_home = inputs.xdg_data_home;
    if (data_home.empty())
        data_home = core::JoinPath(inputs.home.empty() ? "." : inputs.home, ".local/share");
    const std::string folder = core::JoinPath(data_home, "reeldeck");
    if (!core::FileExists(core::JoinPath(folder, "cfg/cfg.txt"))) {
        std::error_code error;
        fs::create_directories(folder, error);
        if (!error && core::FolderExists(inputs.installed_data)) {
            fs::copy(inputs.installed_data, folder,
                     fs::copy_options::recursive | fs::copy_options::skip_existing, error);
        }
    }
    return folder;
}

}  // namespace config
