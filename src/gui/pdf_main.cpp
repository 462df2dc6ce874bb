// reeldeck-pdf: prints a written HTML page into a PDF file without a screen. The companion
// calls it for `print --pdf`, since its own rules and files need no windowing system.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "gui/html/html_page_printer.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: reeldeck-pdf PAGE.html OUTPUT.pdf\n", stderr);
        return 2;
    }
    // Fonts and page layout need a platform plug-in, not a display.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    const std::string error = gui::PrintHtmlPageToPdf(argv[1], argv[2]);
    if (error.empty()) return 0;
    std::fprintf(stderr, "reeldeck-pdf: %s\n", error.c_str());
    return 1;
}
