// A Tellico data file (a zip archive holding tellico.xml); the reader takes a path. An input that
// is not a zip archive ("PK" first) becomes the tellico.xml of one, so that the XML reading gets
// fuzzed too and not only the archive reading.
#include <zip.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_input.h"
#include "imports/foreign_table.h"
#include "imports/tellico_reader.h"

namespace {

void WriteZipWithXml(const std::filesystem::path& file, const std::uint8_t* data,
                     std::size_t size) {
    int error = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) return;
    zip_source_t* source = zip_source_buffer(archive, data, size, 0);
    if (source != nullptr && zip_file_add(archive, "tellico.xml", source, ZIP_FL_OVERWRITE) < 0)
        zip_source_free(source);
    zip_close(archive);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::filesystem::path file;
    if (fuzz::Text(data, size).starts_with("PK")) {
        file = fuzz::WriteInput(data, size, "collection.tc");
    } else {
        file = fuzz::ScratchFolder() / "collection.tc";
        WriteZipWithXml(file, data, size);
    }
    imports::ForeignTable table;
    imports::ReadTellico(file, fuzz::ScratchFolder() / "tellico-covers", &table);
    return 0;
}
