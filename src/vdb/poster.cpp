#include "vdb/poster.h"

#include <fontconfig/fontconfig.h>
#include <gd.h>
#include <gdfontg.h>

#include <cmath>
#include <memory>
#include <vector>

namespace vdb {
namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 360;
constexpr int kMargin = 18;
constexpr const char* kFont = "DejaVu Sans:bold";

struct ImageDeleter {
    void operator()(gdImagePtr image) const { gdImageDestroy(image); }
};
using Image = std::unique_ptr<gdImage, ImageDeleter>;

// Drawing text with FreeType shares caches inside the library; one drawer at a time.
std::mutex& DrawingMutex() {
    static std::mutex mutex;
    return mutex;
}

// The library's font cache, set up before the first poster and freed when the program ends.
struct FontCache {
    FontCache() : ready(gdFontCacheSetup() == 0 && gdFTUseFontConfig(1) != 0) {}
    ~FontCache() {
        gdFontCacheShutdown();
        FcFini();  // the library leaves fontconfig's configuration behind
    }
    bool ready;
};

bool FontsReady() {
    static const FontCache cache;
    return cache.ready;
}

// A colour from the title (FNV-1a), dark enough for white text.
int GroundColour(gdImagePtr image, std::string_view title) {
    std::uint32_t hash = 2166136261u;
    for (char c : title) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    const double hue = (hash % 360) / 60.0;
    const double value = 0.45, saturation = 0.6;
    const double chroma = value * saturation;
    const double x = chroma * (1 - std::fabs(std::fmod(hue, 2.0) - 1));
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(hue)) {
        case 0:
            r = chroma, g = x;
            break;
        case 1:
            r = x, g = chroma;
            break;
        case 2:
            g = chroma, b = x;
            break;
        case 3:
            g = x, b = chroma;
            break;
        case 4:
            r = x, b = chroma;
            break;
        default:
            r = chroma, b = x;
            break;
    }
    const double m = value - chroma;
    return gdImageColorAllocate(image, static_cast<int>((r + m) * 255),
                                static_cast<int>((g + m) * 255), static_cast<int>((b + m) * 255));
}

int TextWidth(const std::string& text, double points) {
    int box[8] = {};
    if (gdImageStringFT(nullptr, box, 0, const_cast<char*>(kFont), points, 0, 0, 0,
                        const_cast<char*>(text.c_str())) != nullptr) {
        return -1;
    }
    return box[2] - box[0];
}

// The title broken into lines that fit the width at `points`; empty when a word is too wide.
std::vector<std::string> WrapTitle(std::string_view title, double points) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t begin = 0;
    while (begin <= title.size()) {
        std::size_t end = title.find(' ', begin);
        if (end == std::string_view::npos) end = title.size();
        const std::string word(title.substr(begin, end - begin));
        begin = end + 1;
        if (word.empty()) continue;
        const std::string longer = line.empty() ? word : line + " " + word;
        const int width = TextWidth(longer, points);
        if (width < 0) return {};
        if (width <= kWidth - 2 * kMargin) {
            line = longer;
        } else if (line.empty()) {
            return {};
        } else {
            lines.push_back(line);
            line = word;
            if (TextWidth(line, points) > kWidth - 2 * kMargin) return {};
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void DrawCentred(gdImagePtr image, const std::string& text, double points, int baseline,
                 int colour) {
    const int width = TextWidth(text, points);
    gdImageStringFT(image, nullptr, colour, const_cast<char*>(kFont), points, 0,
                    (kWidth - width) / 2, baseline, const_cast<char*>(text.c_str()));
}

// Without a usable font: the library's own font, ASCII only, cut to the width.
void DrawWithBuiltInFont(gdImagePtr image, std::string_view title, std::string_view year,
                         int colour) {
    gdFontPtr font = gdFontGetGiant();
    const std::size_t per_line = static_cast<std::size_t>((kWidth - 2 * kMargin) / font->w);
    std::string ascii;
    for (char c : title) ascii += (static_cast<unsigned char>(c) < 0x80) ? c : '?';
    int y = 80;
    for (std::size_t at = 0; at < ascii.size() && y < kHeight - 80; at += per_line, y += 20) {
        std::string line = ascii.substr(at, per_line);
        gdImageString(image, font, kMargin, y, reinterpret_cast<unsigned char*>(line.data()),
                      colour);
    }
    std::string year_text(year.substr(0, 4));
    gdImageString(image, font, kMargin, kHeight - 50,
                  reinterpret_cast<unsigned char*>(year_text.data()), colour);
}

}  // namespace

std::string DrawPoster(std::string_view title, std::string_view year) {
    std::lock_guard lock(DrawingMutex());
    Image image(gdImageCreateTrueColor(kWidth, kHeight));
    if (!image) return {};
    gdImagePtr im = image.get();
    gdImageFilledRectangle(im, 0, 0, kWidth - 1, kHeight - 1, GroundColour(im, title));
    const int white = gdImageColorAllocate(im, 255, 255, 255);
    const int pale = gdImageColorAllocate(im, 220, 220, 220);
    gdImageRectangle(im, 8, 8, kWidth - 9, kHeight - 9, pale);

    bool drawn = false;
    if (FontsReady()) {
        for (double points : {22.0, 18.0, 15.0, 12.0, 10.0}) {
            const std::vector<std::string> lines = WrapTitle(title, points);
            const int line_height = static_cast<int>(points * 1.6);
            if (lines.empty() || static_cast<int>(lines.size()) * line_height > kHeight - 140) {
                continue;
            }
            int baseline =
                (kHeight - 60 - static_cast<int>(lines.size()) * line_height) / 2 + line_height;
            for (const std::string& line : lines) {
                DrawCentred(im, line, points, baseline, white);
                baseline += line_height;
            }
            if (!year.empty()) DrawCentred(im, std::string(year), 16, kHeight - 40, pale);
            drawn = true;
            break;
        }
    }
    if (!drawn) DrawWithBuiltInFont(im, title, year, white);

    int size = 0;
    void* jpeg = gdImageJpegPtr(im, &size, 85);
    if (!jpeg) return {};
    std::string bytes(static_cast<const char*>(jpeg), static_cast<std::size_t>(size));
    gdFree(jpeg);
    return bytes;
}

std::string PosterCache::PosterFor(std::int64_t id, std::string_view title, std::string_view year) {
    {
        std::lock_guard lock(mutex_);
        const auto found = kept_.find(id);
        if (found != kept_.end()) return found->second;
    }
    std::string poster = DrawPoster(title, year);
    std::lock_guard lock(mutex_);
    if (kept_.size() >= kMaxKept) kept_.clear();
    if (!poster.empty()) kept_.emplace(id, poster);
    return poster;
}

}  // namespace vdb
