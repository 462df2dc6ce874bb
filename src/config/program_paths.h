#pragma once

#include <string>

// Where the program's own files are: the program folder and every file in it.
namespace config {

struct ProgramPaths {
    std::string folder;  // the program folder, without a trailing "/"

    std::string default_header;       // cfg/mlh.txt: the header of new and repaired databases
    std::string config;               // cfg/cfg.txt
    std::string recent_databases;     // cfg/rfd.txt
    std::string print_settings;       // cfg/ps.txt
    std::string tips;                 // cfg/tip.txt
    std::string html_list_history;    // cfg/rhl.txt: addresses of HTML lists opened
    std::string theme_folder;         // cfg/hls: one file per HTML list theme
    std::string service;              // cfg/service.txt: the online addresses
    std::string window_layout;        // cfg/layout.txt: sizes and places of the panes
    std::string print_my_videos;      // pm.html
    std::string print_wanted;         // pw.html
    std::string print_no_image;       // res/pprev.gif: printed where a record has no image
    std::string flagged_mark;         // res/ivflag.gif
    std::string viewed_mark;          // res/ivview.gif
    std::string rating_reply;         // temp.dmy: reply of the online rating request
    std::string downloaded_lists;     // dlrdhtml: HTML lists downloaded for reading
    std::string help;                 // help/index.html
    std::string popup_help;           // help/popup.html
    std::string import_undo_videos;   // mv.tmp: My Videos before the last import
    std::string import_undo_wanted;   // wv.tmp: Wanted Videos before the last import
    std::string import_undo_images;   // mv: the image folder before the last import
    std::string replace_undo;         // undo/temp.txt: My Videos before the last replace
    std::string wizard_search;        // vidwiz/search.txt
    std::string wizard_results;       // vidwiz/results.txt

    // Every path, built from the program folder.
    static ProgramPaths ForFolder(const std::string& folder);
};

// What decides where the program folder is.
struct ProgramFolderInputs {
    std::string reeldeck_home;   // $REELDECK_HOME
    std::string exe_folder;      // the executable's folder
    std::string xdg_data_home;   // $XDG_DATA_HOME
    std::string home;            // $HOME
    std::string installed_data;  // the data folder of an installation (share/reeldeck)
};

// The inputs of this process: its environment and its executable.
ProgramFolderInputs CurrentProgramFolderInputs();

// The installed data folder of programs installed in `exe_folder`: the installation's
// share/reeldeck, found relative to the programs so that a package installed under any prefix
// (/usr, /usr/local, /opt/...) finds its own.
std::string InstalledDataFolder(const std::string& exe_folder);

// The program folder: $REELDECK_HOME if set; else the executable's folder if it holds
// cfg/cfg.txt (the build tree, portable installs); else $XDG_DATA_HOME/reeldeck
// (~/.local/share/reeldeck), which is filled from the installed data while it has no cfg/cfg.txt
// (the first start, or a first start that was interrupted); files already there are kept.
std::string LocateProgramFolder(const ProgramFolderInputs& inputs);

}  // namespace config
