#pragma once

#include <string>

#include "imports/pairing.h"

// When the buttons of an import wizard are enabled.
namespace imports {

struct WizardFields {
    std::string source_path;   // "Source Database File"
    std::string program_path;  // "Source Executable File" (Filmfolio only)
    bool needs_program = false;
    std::string image_folder;  // "Source Image Directory"
    int image_count = 0;       // "%d Files"
    bool import_images = false;
};

// "Import Images" can be checked only when the image folder holds image files.
inline bool ImportImagesEnabled(const WizardFields& fields) {
    return fields.image_count > 0;
}

// "Import" needs a source (and, for Filmfolio, the program file) and at least one pairing; the
// image folder is needed only when "Import Images" is checked.
inline bool ImportEnabled(const WizardFields& fields, const PairingModel& pairing) {
    if (fields.source_path.empty() || !pairing.HasPairing()) return false;
    if (fields.needs_program && fields.program_path.empty()) return false;
    return !(fields.import_images && fields.image_folder.empty());
}

}  // namespace imports
