#pragma once

#include <string>
#include <vector>

#include "config/program_config.h"
#include "config/program_paths.h"
#include "html/html_theme.h"
#include "html/page_generation.h"
#include "platform/prompts.h"

// The HTML Page Setup window's behaviour: the theme in use, the theme list and what each button
// does. The window shows this and forwards input to it.
namespace html {

// "My Videos List - HTML Page Setup" and the two others.
std::string PageSetupTitle(ListKind kind);

// What lives for the whole program run: the page settings last loaded and the output choice.
struct PageSetupRun {
    HtmlTheme settings;
    bool output_selected = false;  // "Selected" was the last choice for My Videos
};

// The lists as the window sees them when it opens.
struct ListCounts {
    int my_videos_rows = 0;
    int selected_rows = 0;
    int wanted_entries = 0;
};

// Everything Generate needs: the list kind, the theme whose logo and links the pages carry, the
// settings with the window's unsaved edits, the records and the destination folder.
struct GenerationChoice {
    ListKind kind = ListKind::kMyVideos;
    std::string theme_name;
    HtmlTheme settings;
    bool selected_only = false;
    std::string destination;
};

class PageSetup {
  public:
    PageSetup(ListKind kind, ListCounts counts, const config::ProgramPaths& paths,
              config::ProgramConfig& config, platform::Prompts& prompts, PageSetupRun& run);

    // Loads the default theme. False, after the error message, when it cannot be loaded: the
    // window then closes.
    bool Open();

    ListKind Kind() const { return kind_; }
    // The settings shown; the window writes its fields' edits here.
    HtmlTheme& Settings() { return run_.settings; }
    const std::vector<std::string>& Themes() const { return themes_; }
    int SelectedTheme() const { return selected_; }
    std::string SelectedName() const;
    const std::string& ThemeFolder() const { return paths_.theme_folder; }
    std::string SelectedThemePath() const;

    // Loads the chosen theme; a theme that cannot be loaded leaves the settings as they were.
    void SelectTheme(int index);
    // Saves the settings under `name` and selects it. A name that cannot name a theme file is
    // refused with a message. False when nothing was saved.
    bool SaveAs(const std::string& name);
    // Deletes the selected theme unless it is the default, after asking when deletions ask first,
    // and loads the default theme again. False when that load fails: the window then closes.
    bool DeleteSelected();
    void SetDefault();
    // Loads the selected theme again, dropping edits; on failure the message, and nothing changes.
    void Reset();

    bool SetDefaultEnabled() const;
    bool OutputSelectedEnabled() const;
    bool OutputSelected() const;
    void ChooseOutput(bool selected);
    bool ColumnsEnabled() const;
    bool GenerateEnabled() const;

    GenerationChoice Generation() const;

  private:
    bool IsDefault(const std::string& name) const;
    bool LoadWithMessage(const std::string& name);
    // The settings as the window shows them: a destination that is not a folder shows the
    // program folder.
    void AfterLoad();
    void Relist(const std::string& select);

    ListKind kind_;
    ListCounts counts_;
    const config::ProgramPaths& paths_;
    config::ProgramConfig& config_;
    platform::Prompts& prompts_;
    PageSetupRun& run_;
    std::vector<std::string> themes_;
    int selected_ = -1;
};

}  // namespace html
