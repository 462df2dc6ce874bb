// A Tellico data file (a zip archive holding tellico.xml); the reader takes a path.
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "imports/foreign_table.h"
#include "imports/tellico_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::WriteInput(data, size, "collection.tc");
    imports::ForeignTable table;
    imports::ReadTellico(file, fuzz::ScratchFolder() / "tellico-covers", &table);
    return 0;
}
