#pragma once

#include <string>

class QWidget;

namespace gui {

// Prints a written HTML page through the print dialog, where a PDF file can stand in for a
// printer. Nothing is printed when the dialog is cancelled or the page cannot be read.
void PrintHtmlPage(const std::string& path, QWidget* parent);

// Prints a written HTML page into a PDF file, as the print dialog's PDF printer would. Returns
// an empty text on success, otherwise why the page or the PDF could not be handled.
std::string PrintHtmlPageToPdf(const std::string& page_path, const std::string& pdf_path);

}  // namespace gui
