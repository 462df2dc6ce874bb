#include "html/page_setup.h"

#include <filesystem>

#include "core/paths.h"
#include "core/text.h"
#include "html/theme_folder.h"

namespace html {
namespace {

void ReportLoadFailure(platform::Prompts& prompts, const core::FileResult& result) {
    prompts.Message(
        core::FormatText("Error loading settings file:\n%s.\n%s.", {result.path, result.reason}),
        "Error", platform::Buttons::kOk, platform::Icon::kError);
}

}  // namespace

std::string PageSetupTitle(ListKind kind) {
    switch (kind) {
        case ListKind::kMyVideos:
            return "My Videos List - HTML Page Setup";
        case ListKind::kWanted:
            return "Wanted Videos List - HTML Page Setup";
        case ListKind::kBoth:
            break;
    }
    return "Both Video Lists - HTML Page Setup";
}

PageSetup::PageSetup(ListKind kind, ListCounts counts, const config::ProgramPaths& paths,
                     config::ProgramConfig& config, platform::Prompts& prompts, PageSetupRun& run)
    : kind_(kind), counts_(counts), paths_(paths), config_(config), prompts_(prompts), run_(run) {}

bool PageSetup::Open() {
    const std::string name = DefaultThemeName(config_);
    if (!LoadWithMessage(name)) return false;
    Relist(name);
    return true;
}

std::string PageSetup::SelectedName() const {
    return selected_ < 0 ? std::string() : themes_[static_cast<std::size_t>(selected_)];
}

std::string PageSetup::SelectedThemePath() const {
    return ThemePath(paths_.theme_folder, SelectedName());
}

void PageSetup::SelectTheme(int index) {
    if (index < 0 || index >= static_cast<int>(themes_.size())) return;
    selected_ = index;
    if (LoadTheme(SelectedThemePath(), run_.settings)) AfterLoad();
}

bool PageSetup::SaveAs(const std::string& name) {
    if (name.empty()) return false;
    if (const auto problem = ThemeNameProblem(name)) {
        prompts_.Message(*problem, "Reeldeck", platform::Buttons::kOk,
                         platform::Icon::kInformation);
        return false;
    }
    // An existing theme keeps the spelling it is listed with.
    const int existing = FindTheme(themes_, name);
    const std::string file_name =
        existing >= 0 ? themes_[static_cast<std::size_t>(existing)] : name;
    if (!SaveTheme(paths_.theme_folder, file_name, run_.settings)) return false;
    Relist(file_name);
    return true;
}

bool PageSetup::DeleteSelected() {
    const std::string name = SelectedName();
    if (name.empty() || IsDefault(name)) return true;
    if (config_.prompt_before_delete &&
        prompts_.Message("Delete selected theme?", "Confirm", platform::Buttons::kOkCancel,
                         platform::Icon::kQuestion) != platform::Answer::kOk) {
        return true;
    }
    std::error_code error;
    std::filesystem::remove(ThemePath(paths_.theme_folder, name), error);
    const std::string default_name = DefaultThemeName(config_);
    if (!LoadWithMessage(default_name)) return false;
    Relist(default_name);
    return true;
}

void PageSetup::SetDefault() {
    if (selected_ >= 0) config_.default_html_list_options_database = SelectedName();
}

void PageSetup::Reset() {
    HtmlTheme reloaded = run_.settings;
    const core::FileResult result = LoadTheme(SelectedThemePath(), reloaded);
    if (!result) {
        ReportLoadFailure(prompts_, result);
        return;
    }
    run_.settings = reloaded;
    AfterLoad();
}

bool PageSetup::SetDefaultEnabled() const {
    return selected_ >= 0 && !IsDefault(SelectedName());
}

bool PageSetup::OutputSelectedEnabled() const {
    return kind_ == ListKind::kMyVideos && counts_.selected_rows > 0;
}

bool PageSetup::OutputSelected() const {
    return OutputSelectedEnabled() && run_.output_selected;
}

void PageSetup::ChooseOutput(bool selected) {
    if (OutputSelectedEnabled()) run_.output_selected = selected;
}

bool PageSetup::ColumnsEnabled() const {
    return kind_ != ListKind::kWanted && GenerateEnabled();
}

bool PageSetup::GenerateEnabled() const {
    return counts_.my_videos_rows > 0 || counts_.wanted_entries > 0;
}

GenerationChoice PageSetup::Generation() const {
    return {kind_, SelectedName(), run_.settings, OutputSelected(), run_.settings.output_folder};
}

bool PageSetup::IsDefault(const std::string& name) const {
    return core::EqualsNoCase(name, DefaultThemeName(config_));
}

bool PageSetup::LoadWithMessage(const std::string& name) {
    // Names are compared ignoring case, so the file is the listed theme of that name.
    const std::vector<std::string> listed = ListThemes(paths_.theme_folder);
    const int found = FindTheme(listed, name);
    const std::string& file_name = found < 0 ? name : listed[static_cast<std::size_t>(found)];
    const core::FileResult result =
        LoadTheme(ThemePath(paths_.theme_folder, file_name), run_.settings);
    if (!result) {
        ReportLoadFailure(prompts_, result);
        return false;
    }
    AfterLoad();
    return true;
}

void PageSetup::AfterLoad() {
    std::string& output = run_.settings.output_folder;
    if (output.empty() || !core::FolderExists(output)) output = paths_.folder;
}

void PageSetup::Relist(const std::string& select) {
    themes_ = ListThemes(paths_.theme_folder);
    selected_ = FindTheme(themes_, select);
}

}  // namespace html
