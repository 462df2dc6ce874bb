// An HTML theme file: its settings and its decorations (logo and links).
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "html/html_theme.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    html::HtmlTheme theme;
    auto settings = fuzz::Stream(data, size);
    html::ReadThemeSettings(settings, theme);
    auto decorations = fuzz::Stream(data, size);
    html::ReadThemeDecorations(decorations);
    return 0;
}
