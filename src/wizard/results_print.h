#pragma once

#include <span>
#include <string>

#include "core/file_result.h"
#include "html/print_settings.h"
#include "platform/progress.h"
#include "wizard/results_reply.h"

namespace wizard {

// "Print Selected..." of the results list: the full-record print page of the given results,
// headed "Online Videos", with each result's cover address as its picture (`no_image` for a
// result without one). Written like the lists' print pages: 1, or -1 naming the file.
core::FileResult WriteResultsPrintFile(const std::string& path, html::PrintSettings settings,
                                       std::span<const ResultRow> results,
                                       const std::string& image_base, const std::string& no_image,
                                       const std::string& date, platform::Progress& progress);

}  // namespace wizard
