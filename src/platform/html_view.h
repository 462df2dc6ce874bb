#pragma once

#include <string>

namespace platform {

// An HTML view embedded in a window: the player page, previews. Pages given as text are whole
// documents; addresses are web addresses or local file paths. Loading errors are not reported.
class HtmlView {
public:
    virtual ~HtmlView() = default;
    // Puts a view into the host window: 0 on success.
    virtual int Embed() = 0;
    // Removes the view; the host holds none afterwards.
    virtual void Unembed() = 0;
    virtual void DisplayPage(const std::string& address) = 0;
    virtual void DisplayHtml(const std::string& html) = 0;
    virtual void Resize(int width, int height) = 0;
};

}  // namespace platform
