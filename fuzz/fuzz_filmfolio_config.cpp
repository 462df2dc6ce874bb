// A Filmfolio configuration (db/cfg.ini beside the program file).
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "imports/source_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteInput(data, size, "filmfolio/db/cfg.ini");
    imports::SourceSummary summary;
    imports::ReadFilmfolioConfig((fuzz::ScratchFolder() / "filmfolio" / "filmfolio.exe").string(),
                                 &summary);
    return 0;
}
