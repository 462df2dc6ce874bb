#pragma once

#include <optional>
#include <string>

#include "vdb/server.h"

// The command line of reeldeck-vdb:
//   reeldeck-vdb [--address ADDRESS] [--port PORT] [--database FILE] [--films FILE.csv]
//                [--threads N]
//   reeldeck-vdb import FILE.csv [--database FILE] [--films FILE.csv]
namespace vdb {

struct ProgramOptions {
    bool help = false;
    std::string import_file;  // the import command's file; empty to serve
    std::string database;     // the catalogue file
    std::string films;        // what a new catalogue is filled with
    ServerOptions server;
};

// Nothing, with `error` saying why, for a command line that cannot be understood.
std::optional<ProgramOptions> ParseProgramOptions(int argc, const char* const* argv,
                                                  std::string& error);
std::string UsageText();

// $XDG_DATA_HOME/reeldeck-vdb/catalogue.sqlite (or under ~/.local/share).
std::string DefaultDatabasePath();
// The film list installed beside the program (vdb/films.csv of its program folder).
std::string DefaultFilmsPath();

}  // namespace vdb
