#pragma once

#include <string>

class QWidget;

namespace gui {

// Prints a written HTML page through the print dialog, where a PDF file can stand in for a
// printer. Nothing is printed when the dialog is cancelled or the page cannot be read.
void PrintHtmlPage(const std::string& path, QWidget* parent);

}  // namespace gui
