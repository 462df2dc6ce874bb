// A GCstar collection (.gcs XML); the reader takes a path.
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "imports/foreign_table.h"
#include "imports/gcstar_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::WriteInput(data, size, "collection.gcs");
    imports::ForeignTable table;
    imports::ReadGcstar(file, fuzz::ScratchFolder() / "gcstar-covers", &table);
    return 0;
}
