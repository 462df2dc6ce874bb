#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Path and file helpers. Paths are native ("/"); splitting also accepts "\" so that paths
// written on other systems still come apart at their separators.
namespace core {

// Folder of the running program's executable, without a trailing separator.
std::string ModuleFolder();

// Part after the last separator (the whole path if there is none).
std::string FileNameOf(std::string_view path);
// Part before the last separator, without it (empty if there is none).
std::string ParentFolderOf(std::string_view path);
// Part of the file name after its last "."; the whole text if the name has no ".".
std::string ExtensionOf(std::string_view path);
// The path without the "." and extension of its file name; empty if the name has no ".".
std::string StripExtension(std::string_view path);
// True if the file name has a "." and the part after its last "." is `extension` (no dot),
// ignoring case.
bool HasExtensionNoCase(std::string_view path, std::string_view extension);
// Part after the last "/".
std::string UrlLastSegment(std::string_view url);
// folder + "/" + name (no doubled separator).
std::string JoinPath(std::string_view folder, std::string_view name);

// True if a file or folder of that exact name exists.
bool FileExists(const std::string& path);
// True if the folder exists.
bool FolderExists(const std::string& path);
// Number of lines of a file (a last line without a line feed counts), or -1 if it cannot be read.
std::int64_t CountLines(const std::string& path);
// The paths of the files (not folders) in `folder` whose extension equals `extension`, ignoring
// case; none when the folder cannot be read.
std::vector<std::string> FilesWithExtension(const std::string& folder, std::string_view extension);
// Their number.
int CountFilesWithExtension(const std::string& folder, std::string_view extension);
// ".jpg", ".gif" or ".bmp" (or the same in upper case): the first, in that order, for which
// base path + extension exists; empty if none does.
std::string FindImageExtension(const std::string& base_path);
// Size of a file in bytes, or -1.
std::int64_t FileSize(const std::string& path);

// The system's text for an error number ("No such file or directory").
std::string SystemErrorText(int error_number);

}  // namespace core
