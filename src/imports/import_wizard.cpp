#include "imports/import_wizard.h"

#include <algorithm>

#include "core/paths.h"
#include "core/text.h"
#include "imports/csv_file.h"
#include "imports/gcstar_reader.h"
#include "imports/source_files.h"
#include "imports/tellico_reader.h"

namespace imports {

ImportWizard::ImportWizard(WizardSource source, WizardServices services)
    : source_(source), services_(services), covers_(std::make_unique<CoverFolder>()) {
    fields_.needs_program = UsesProgram();
    images_checked_ = HasImages() && ImagesDefault();
    UpdateImageFlag();
}

bool& ImportWizard::ImagesDefault() const {
    config::ProgramConfig& config = services_.session.config;
    return source_ == WizardSource::kFilmfolio ? config.ff2_import_images
                                               : config.rd_my_import_images;
}

std::string ImportWizard::SourceCaption() const {
    switch (source_) {
        case WizardSource::kReeldeck:
            return "Source Database File (.rdk)";
        case WizardSource::kFilmfolio:
            return "Source Database File (.mff)";
        case WizardSource::kCsv:
            return "Source File (.csv)";
        case WizardSource::kTellico:
            return "Source File (.tc)";
        case WizardSource::kGcstar:
            return "Source File (.gcs)";
    }
    return {};
}

bool ImportWizard::UsesImageFolder() const {
    return source_ == WizardSource::kReeldeck || source_ == WizardSource::kFilmfolio;
}

std::string ImportWizard::RecordsLabel() const {
    return core::FormatText("%d %s", {std::to_string(record_count_), "Records"});
}

std::string ImportWizard::FilesLabel() const {
    return core::FormatText("%d %s", {std::to_string(fields_.image_count), "Files"});
}

void ImportWizard::SetImportImages(bool checked) {
    images_checked_ = checked;
    UpdateImageFlag();
}

// Only a check box that can be used counts: a checked box over an empty folder asks for nothing.
void ImportWizard::UpdateImageFlag() {
    fields_.import_images = images_checked_ && ImportImagesEnabled();
}

void ImportWizard::ShowReadError(const core::FileResult& read) {
    services_.prompts.Message(std::string(kErrorReadingImportFile) + "\n" + read.Describe() + ".",
                              "Import", platform::Buttons::kOk, platform::Icon::kWarning);
}

bool ImportWizard::BrowseSource() {
    platform::FileFilter filter;
    switch (source_) {
        case WizardSource::kReeldeck:
            filter = {"Reeldeck Database (*.rdk)", "*.rdk"};
            break;
        case WizardSource::kFilmfolio:
            filter = {"Filmfolio 2.0 database (*.mff)", "*.mff"};
            break;
        case WizardSource::kCsv:
            filter = {"CSV File (*.csv)", "*.csv"};
            break;
        case WizardSource::kTellico:
            filter = {"Tellico Data File (*.tc)", "*.tc"};
            break;
        case WizardSource::kGcstar:
            filter = {"GCstar Collection (*.gcs)", "*.gcs"};
            break;
    }
    const std::string title = UsesImageFolder() ? "Source Database File" : "Source File";
    const std::optional<std::string> chosen = services_.prompts.OpenFile(title, filter);
    if (!chosen || !core::FileExists(*chosen)) return false;
    ChooseSourceFile(*chosen);
    UpdateImageFlag();
    return true;
}

void ImportWizard::ChooseSourceFile(const std::string& path) {
    const core::VideoList& target = services_.session.Videos;
    switch (source_) {
        case WizardSource::kReeldeck: {
            SourceSummary summary = ReadDatabaseSource(path);
            fields_.source_path = path;
            record_count_ = summary.record_count;
            fields_.image_folder = summary.image_folder;
            fields_.image_count = CountFolderImages(summary.image_folder);
            // A source without columns leaves nothing paired: the pairing of an earlier source
            // must not be used on this one.
            pairing_.Rebuild(target, summary.fields);
            return;
        }
        case WizardSource::kFilmfolio:
            // The fields come from the program file's configuration.
            fields_.source_path = path;
            record_count_ = CountFilmfolioRecords(path);
            return;
        case WizardSource::kCsv: {
            SourceSummary summary;
            if (core::FileResult read = ReadCsvSource(path, &summary); !read) {
                ShowReadError(read);
                return;
            }
            fields_.source_path = path;
            record_count_ = summary.record_count;
            pairing_.Rebuild(target, summary.fields);
            return;
        }
        case WizardSource::kTellico:
        case WizardSource::kGcstar: {
            // The covers of the new file go into a folder of their own, so that a file that
            // cannot be read leaves the earlier one's covers in place.
            auto covers = std::make_unique<CoverFolder>();
            ForeignTable table;
            const core::FileResult read = source_ == WizardSource::kTellico
                                              ? ReadTellico(path, covers->path(), &table)
                                              : ReadGcstar(path, covers->path(), &table);
            if (!read) {
                ShowReadError(read);
                return;
            }
            table_ = std::move(table);
            covers_ = std::move(covers);
            fields_.source_path = path;
            record_count_ = static_cast<std::int64_t>(table_.rows.size());
            fields_.image_folder = covers_->path();
            fields_.image_count = static_cast<int>(
                std::count_if(table_.covers.begin(), table_.covers.end(),
                              [](const std::filesystem::path& cover) { return !cover.empty(); }));
            pairing_.Rebuild(target, table_.fields);
            return;
        }
    }
}

bool ImportWizard::BrowseProgram() {
    platform::FileFilter filter{"Executable Files (*.exe)", "*.exe"};
    // A Filmfolio folder here is usually a copy from another computer: its program file may
    // have lost its name's case or its extension.
    filter.with_all_files = true;
    const std::optional<std::string> chosen =
        services_.prompts.OpenFile("Source Executable File", filter);
    if (!chosen) return false;
    SourceSummary summary;
    if (!ReadFilmfolioConfig(*chosen, &summary)) {
        services_.prompts.Message(FilmfolioConfigErrorText(*chosen), "Import Error",
                                  platform::Buttons::kOk, platform::Icon::kWarning);
        return false;
    }
    fields_.program_path = *chosen;
    fields_.image_folder = summary.image_folder;
    fields_.image_count = CountFolderImages(summary.image_folder);
    pairing_.Rebuild(services_.session.Videos, summary.fields);
    UpdateImageFlag();
    return true;
}

bool ImportWizard::SelectImageFolder() {
    const std::optional<std::string> chosen = services_.prompts.ChooseFolder(
        "Select the folder containing images to import.", fields_.image_folder);
    if (!chosen) return false;
    fields_.image_folder = *chosen;
    fields_.image_count = CountFolderImages(*chosen);
    UpdateImageFlag();
    return true;
}

ImportResult ImportWizard::Import() {
    if (!ImportEnabled()) return {};
    ImportRequest request;
    switch (source_) {
        case WizardSource::kReeldeck:
            request.kind = SourceKind::kReeldeck;
            break;
        case WizardSource::kFilmfolio:
            request.kind = SourceKind::kFilmfolio;
            break;
        case WizardSource::kCsv:
            request.kind = SourceKind::kCsv;
            break;
        case WizardSource::kTellico:
        case WizardSource::kGcstar:
            request.kind = SourceKind::kTable;
            request.table = &table_;
            break;
    }
    request.source_path = fields_.source_path;
    request.pairs = pairing_.Pairs();
    request.options.images = fields_.import_images;
    request.options.image_folder = fields_.image_folder;
    request.options.place_the_in_back = services_.session.config.place_the_in_back;
    request.converter = services_.converter;
    ImportResult result = RunImport(services_.session, request, services_.progress);
    if (!result.ok) {
        services_.prompts.Message(result.message, result.title, platform::Buttons::kOk,
                                  result.icon);
        return result;
    }
    if (HasImages()) ImagesDefault() = images_checked_;
    return result;
}

}  // namespace imports
