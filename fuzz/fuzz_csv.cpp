// A CSV file to import.
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "imports/csv_file.h"
#include "imports/foreign_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    imports::ForeignTable table;
    imports::ParseCsv(fuzz::Text(data, size), &table);
    return 0;
}
