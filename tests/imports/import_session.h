#pragma once

#include <filesystem>

#include "app/recording_progress.h"
#include "database_writer.h"
#include "fakes/list_session.h"
#include "imports/importer.h"
#include "imports/pairing.h"
#include "imports/source_files.h"

// An open database to import into, and the default pairing of a source, as the wizard makes it.
class ImportSession : public ListSession {
  protected:
    ImportSession() { session_.CurrentDatabasePath = folder_ / "films.rdk"; }

    imports::ImportResult Import(imports::SourceKind kind, const std::string& path,
                                 const std::vector<imports::SourceField>& fields,
                                 imports::ImportOptions options = {},
                                 const imports::ForeignTable* table = nullptr) {
        imports::PairingModel pairing;
        pairing.Rebuild(session_.Videos, fields);
        imports::ImportRequest request{kind, path, table, pairing.Pairs(), std::move(options)};
        return imports::RunImport(session_, request, progress_);
    }
    static imports::ImportOptions Options(bool images, std::string folder, bool article) {
        imports::ImportOptions options;
        options.images = images;
        options.image_folder = std::move(folder);
        options.place_the_in_back = article;
        return options;
    }
    imports::ImportResult ImportDatabase(const std::string& main,
                                         imports::ImportOptions options = {}) {
        return Import(imports::SourceKind::kReeldeck, main,
                      imports::ReadDatabaseSource(main).fields, std::move(options));
    }
    // Every row as "Key|Title|...", in row order, for comparing whole lists.
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int row = 0; row < session_.Videos.RowCount(); ++row) {
            std::string text;
            for (int column = 0; column < session_.Videos.ColumnCount(); ++column)
                text += std::string(session_.Videos.Cell(row, column)) + "|";
            rows.push_back(text + (session_.Videos.FlagMark(row) ? "F" : ""));
        }
        return rows;
    }
    std::vector<std::string> Folder(const std::string& folder) const {
        std::vector<std::string> entries;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            entries.push_back(entry.path().filename().string() + "=" + ReadFileBytes(entry.path()));
        std::sort(entries.begin(), entries.end());
        return entries;
    }

    RecordingProgress progress_;
};
