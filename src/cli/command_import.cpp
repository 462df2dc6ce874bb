// reeldeck-cli import, import-wanted and export-csv.
#include "cli/commands.h"
#include "core/paths.h"
#include "core/text.h"
#include "imports/cover_folder.h"
#include "imports/csv_file.h"
#include "imports/gcstar_reader.h"
#include "imports/importer.h"
#include "imports/pairing.h"
#include "imports/source_files.h"
#include "imports/tellico_reader.h"
#include "imports/wanted_import.h"

namespace cli {
namespace {

// A message box text as one line of standard error.
std::string OneLine(std::string text) {
    std::string line;
    for (char c : text) {
        if (c != '\n')
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    }
    return line;
}

[[noreturn]] void FailReading(const core::FileResult& read) {
    throw CliError{OneLine(std::string(imports::kErrorReadingImportFile) + " " + read.Describe())};
}

// What the window would show after the source was chosen: its fields and image folder.
struct ChosenSource {
    imports::SourceKind kind = imports::SourceKind::kReeldeck;
    std::vector<imports::SourceField> fields;
    std::string image_folder;
    imports::ForeignTable table;
};

void ReadSource(CliContext& context, const std::string& path, const imports::CoverFolder& covers,
                ChosenSource& source) {
    const std::string extension = core::ToLowerAscii(core::ExtensionOf(core::FileNameOf(path)));
    if (extension == "rdk") {
        if (!core::FileExists(path)) FailReading(core::FileResult::Failure(path, "No such file"));
        imports::SourceSummary summary = imports::ReadDatabaseSource(path);
        if (summary.fields.empty()) {
            throw CliError{path + ": the database has no column table (" + path + "h)"};
        }
        source = {
            imports::SourceKind::kReeldeck, std::move(summary.fields), summary.image_folder, {}};
    } else if (extension == "mff") {
        const std::optional<std::string> program = context.arguments().Value("--program");
        if (!program) throw CliError{path + ": a Filmfolio database needs --program FILE"};
        imports::SourceSummary summary;
        if (!imports::ReadFilmfolioConfig(*program, &summary)) {
            throw CliError{OneLine(imports::FilmfolioConfigErrorText(*program))};
        }
        source = {
            imports::SourceKind::kFilmfolio, std::move(summary.fields), summary.image_folder, {}};
    } else if (extension == "csv") {
        imports::SourceSummary summary;
        if (core::FileResult read = imports::ReadCsvSource(path, &summary); !read)
            FailReading(read);
        source = {imports::SourceKind::kCsv, std::move(summary.fields), {}, {}};
    } else if (extension == "tc" || extension == "gcs") {
        source.kind = imports::SourceKind::kTable;
        const core::FileResult read = extension == "tc"
                                          ? imports::ReadTellico(path, covers.path(), &source.table)
                                          : imports::ReadGcstar(path, covers.path(), &source.table);
        if (!read) FailReading(read);
        source.fields = source.table.fields;
    } else {
        throw CliError{path +
                       ": not a source that can be imported (.rdk, .mff, .csv, .tc or .gcs)"};
    }
}

}  // namespace

void RunImport(CliContext& context, std::ostream& out) {
    RequireOperands(context, 2,
                    "import DB SOURCE [--images] [--image-folder DIR] "
                    "[--map \"SOURCE NAME=TARGET NAME\"]... [--program FILE]");
    context.Open(context.arguments().operands[0]);
    context.RequireFullAccess();
    app::Session& session = context.session();
    const std::string& path = context.arguments().operands[1];

    imports::CoverFolder covers;
    ChosenSource source;
    ReadSource(context, path, covers, source);
    imports::PairingModel pairing;
    pairing.Rebuild(session.Videos, source.fields);
    auto maps = context.arguments().repeated.find("--map");
    if (maps != context.arguments().repeated.end()) {
        for (const std::string& map : maps->second) {
            const std::size_t equals = map.find('=');
            if (equals == std::string::npos) {
                throw CliError{"--map \"" + map + "\": give \"SOURCE NAME=TARGET NAME\""};
            }
            if (auto error = pairing.Assign(map.substr(0, equals), map.substr(equals + 1))) {
                throw CliError{"--map \"" + map + "\": " + *error};
            }
        }
    }
    if (!pairing.HasPairing()) {
        throw CliError{path + ": no field of the source is paired with a column (see --map)"};
    }

    imports::ImportRequest request{source.kind, path, &source.table, pairing.Pairs(), {}};
    request.options.images = context.arguments().Has("--images");
    request.options.image_folder =
        context.arguments().Value("--image-folder").value_or(source.image_folder);
    request.options.place_the_in_back = context.config().place_the_in_back;
    request.options.undo_copy = false;  // nothing here could undo it
    if (request.options.images && source.kind != imports::SourceKind::kTable &&
        !core::FolderExists(request.options.image_folder)) {
        throw CliError{request.options.image_folder.empty()
                           ? path + ": the source has no image folder; give --image-folder DIR"
                           : request.options.image_folder + ": no such folder"};
    }
    platform::NoProgress quiet;
    const imports::ImportResult result = imports::RunImport(session, request, quiet);
    if (!result.ok) throw CliError{OneLine(result.message)};
    SaveOpenDatabase(context);
    out << result.message << '\n';
}

void RunImportWanted(CliContext& context, std::ostream& out) {
    RequireOperands(context, 2, "import-wanted DB FILE");
    context.Open(context.arguments().operands[0]);
    context.RequireFullAccess();
    app::Session& session = context.session();
    platform::NoProgress quiet;
    const imports::ImportResult result = imports::ImportWanted(
        session, context.arguments().operands[1], context.config().place_the_in_back, quiet, false);
    if (!result.ok) throw CliError{OneLine(result.message)};
    if (session.Modified) SaveOpenDatabase(context);
    out << result.message << '\n';
}

void RunExportCsv(CliContext& context, std::ostream& out) {
    RequireOperands(context, 2, "export-csv DB FILE [--all-columns]");
    context.Open(context.arguments().operands[0]);
    const std::string& path = context.arguments().operands[1];
    const core::FileResult written = imports::ExportCsv(
        context.session().Videos, {false, context.arguments().Has("--all-columns")}, path);
    if (!written) throw CliError{"Error writing " + written.Describe()};
    out << written.value << " records exported to " << path << '\n';
}

}  // namespace cli
