#include "gui/char_advance_estimator.h"

#include <QString>
#include <cmath>
#include <cstdint>

#include "gui/text_bytes.h"

namespace gui {
namespace {

// Rounding: of the sum, of the exact width, and of each glyph's place in a hinted layout.
constexpr double kBaseSlack = 2;
constexpr double kRoundingSlack = 0.125;  // per printable ASCII character
// Qt's default distance between tab stops.
constexpr double kTabStop = 80;

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7f && c < 0xa0);
}

constexpr int kFixedOne = 64;  // a pixel

int ToFixed(double pixels) {
    return static_cast<int>(std::lround(pixels * kFixedOne));
}

bool IsPrintableAscii(unsigned char byte) {
    return byte >= 0x20 && byte < 0x7f;
}

}  // namespace

CharAdvanceEstimator::CharAdvanceEstimator(const QFont& font, int padding)
    : metrics_(font),
      padding_(padding),
      pairless_slack_(metrics_.averageCharWidth() / 4),
      other_slack_(metrics_.averageCharWidth() / 2),
      control_slack_(kTabStop + metrics_.maxWidth()),
      ascii_after_((kAsciiCount + 1) * kAsciiCount, kUnknown) {
    table_.fill(kUnknown);
    for (char32_t c = 0x20; c < 0x7f; ++c) ascii_after_[c - 0x20] = TableAdvance(c);
}

int CharAdvanceEstimator::TableAdvance(char32_t c) {
    int& advance = table_[c];
    // Laid out as a text, as the list draws it: with hinting, a glyph's advance in a text may
    // differ from the font's own advance for the character.
    if (advance == kUnknown)
        advance = ToFixed(metrics_.horizontalAdvance(QString(QChar(static_cast<char16_t>(c)))));
    return advance;
}

int CharAdvanceEstimator::OtherAdvance(char32_t c) {
    const auto found = others_.find(c);
    if (found != others_.end()) return found->second;
    // Characters beyond the first plane take two UTF-16 units.
    const int advance = ToFixed(metrics_.horizontalAdvance(QString::fromUcs4(&c, 1)));
    others_.emplace(c, advance);
    return advance;
}

int CharAdvanceEstimator::AsciiAdvanceAfter(unsigned char previous, unsigned char byte) {
    const char pair[2] = {static_cast<char>(previous), static_cast<char>(byte)};
    return ToFixed(metrics_.horizontalAdvance(QString::fromLatin1(pair, 2))) - table_[previous];
}

platform::WidthEstimate CharAdvanceEstimator::Estimate(std::string_view text) {
    std::int64_t sum = 0;
    int ascii = 0;
    int pairless = 0;
    int others = 0;
    int controls = 0;
    int row = 0;  // of ascii_after_: 1 + the printable ASCII character before, or 0
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (IsPrintableAscii(byte)) {  // most of every cell
            int& advance = ascii_after_[row * kAsciiCount + (byte - 0x20)];
            if (advance == kUnknown) advance = AsciiAdvanceAfter(row + 0x1f, byte);
            sum += advance;
            row = byte - 0x1f;
            ++ascii;
            ++at;
            continue;
        }
        row = 0;
        const char32_t c = NextShownChar(text, at);
        if (IsControl(c)) {
            sum += OtherAdvance(c);
            ++controls;
        } else if (c < kTableSize) {
            sum += TableAdvance(c);
            ++pairless;
        } else {
            sum += OtherAdvance(c);
            ++others;
        }
    }
    const double slack = kBaseSlack + ascii * kRoundingSlack + pairless * pairless_slack_ +
                         others * other_slack_ + controls * control_slack_;
    return {static_cast<int>((sum + kFixedOne / 2) / kFixedOne) + padding_,
            static_cast<int>(std::ceil(slack))};
}

}  // namespace gui
