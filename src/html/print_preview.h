#pragma once

#include <string>

#include "html/print_settings.h"

namespace html {

// The sample page the Print Output Options window shows: made-up records in the settings' font,
// colours and layout, for the chosen list. It is written to text, never to the print pages.
std::string PrintPreviewPage(const PrintSettings& settings, const std::string& no_image,
                             const std::string& date);

}  // namespace html
