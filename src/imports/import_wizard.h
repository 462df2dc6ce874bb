#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/session.h"
#include "imports/cover_folder.h"
#include "imports/foreign_table.h"
#include "imports/importer.h"
#include "imports/pairing.h"
#include "imports/wizard_state.h"
#include "platform/image_converter.h"
#include "platform/progress.h"
#include "platform/prompts.h"

// The "Import Wizard" window as its window shows it: the chosen source with its record count,
// the Filmfolio program file, the image folder with its file count, the pairing lists and the
// "Import Images" check box, and what "Browse", "Select" and "Import" do. The widget shows the
// state and forwards its buttons; every picker and message goes through Prompts.
namespace imports {

// What the wizard imports from.
enum class WizardSource {
    kReeldeck,   // another database of this program (.rdk)
    kFilmfolio,  // a Filmfolio 2.0 movie database (.mff) with its program file
    kCsv,        // a CSV file
    kTellico,    // a Tellico data file (.tc)
    kGcstar,     // a GCstar collection (.gcs)
};

struct WizardServices {
    app::Session& session;
    platform::Prompts& prompts;
    platform::Progress& progress;
    platform::ImageConverter* converter = nullptr;
};

class ImportWizard {
  public:
    ImportWizard(WizardSource source, WizardServices services);

    WizardSource source() const { return source_; }
    // The source group's title, e.g. "Source Database File (.rdk)".
    std::string SourceCaption() const;
    // The Filmfolio program file is asked for.
    bool UsesProgram() const { return source_ == WizardSource::kFilmfolio; }
    // Images come from a folder the user may choose (else from the covers of the table, or none).
    bool UsesImageFolder() const;
    // "Import Images" means anything for this source.
    bool HasImages() const { return source_ != WizardSource::kCsv; }

    const WizardFields& fields() const { return fields_; }
    const PairingModel& pairing() const { return pairing_; }
    PairingModel& pairing() { return pairing_; }
    // "%d Records" and "%d Files".
    std::string RecordsLabel() const;
    std::string FilesLabel() const;

    // The buttons. Each returns true when the window has something new to show.
    bool BrowseSource();
    bool BrowseProgram();
    bool SelectImageFolder();

    // The check box: its own state, kept while it is disabled.
    bool ImportImagesChecked() const { return images_checked_; }
    void SetImportImages(bool checked);
    bool ImportImagesEnabled() const { return imports::ImportImagesEnabled(fields_); }
    bool ImportEnabled() const { return imports::ImportEnabled(fields_, pairing_); }

    // "Import". A source that cannot be read shows its error here and the window stays (the
    // result is not ok); otherwise the window closes and its opener shows the result message.
    // The check box's state becomes the configuration's default for the next opening.
    ImportResult Import();

  private:
    void ChooseSourceFile(const std::string& path);
    void ShowReadError(const core::FileResult& read);
    void UpdateImageFlag();
    bool& ImagesDefault() const;

    WizardSource source_;
    WizardServices services_;
    WizardFields fields_;
    PairingModel pairing_;
    std::int64_t record_count_ = 0;
    bool images_checked_ = false;
    ForeignTable table_;  // Tellico, GCstar: the rows read when the file was chosen
    std::unique_ptr<CoverFolder> covers_;
};

}  // namespace imports
