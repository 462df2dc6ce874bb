// Stand-ins for the Tellico and GCstar readers until they are built: both report that the
// format cannot be read yet.
#include "imports/gcstar_reader.h"
#include "imports/tellico_reader.h"

namespace imports {

FileResult ReadTellico(const std::filesystem::path& file, const std::filesystem::path&,
                       ForeignTable*) {
    return FileResult::Failure(file.string(), "Tellico collections are not supported yet");
}

FileResult ReadGcstar(const std::filesystem::path& file, const std::filesystem::path&,
                      ForeignTable*) {
    return FileResult::Failure(file.string(), "GCstar collections are not supported yet");
}

}  // namespace imports
