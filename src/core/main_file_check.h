#pragma once

#include <string>

#include "core/file_result.h"

namespace core {

// Whether a file can be the main file of a database, judged cheaply from its first record
// block so that a wrong file is refused before anything is closed or created. An empty file, or
// one of nothing but empty lines, is an empty database. Otherwise the first block begins with a
// Key (a decimal number) or, where the Key has another form (imported, or empty), is a whole
// block of 23 lines closed by an empty one, without a NUL byte.
// Returns 1, or -1 with the path and the reason: the system's, or
// "The file is not a Reeldeck database".
FileResult CheckMainFile(const std::string& path);

}  // namespace core
