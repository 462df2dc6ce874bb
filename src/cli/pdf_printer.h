#pragma once

#include <string>

namespace cli {

// Turns a written print page into a PDF file through reeldeck-pdf, the Qt printer that is
// built with the desktop program and installed beside the companion. Throws CliError naming
// the reason when the printer is missing or fails; the PDF file is then left as it was.
void PrintPageToPdf(const std::string& page_path, const std::string& pdf_path);

}  // namespace cli
