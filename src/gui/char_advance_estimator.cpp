#include "gui/char_advance_estimator.h"

#include <QString>
#include <cmath>
#include <limits>

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
      pairs_(kAsciiCount * kAsciiCount, std::numeric_limits<float>::quiet_NaN()) {
    table_.fill(-1);
    for (char32_t c = 0x20; c < 0x7f; ++c) TableAdvance(c);
}

double CharAdvanceEstimator::TableAdvance(char32_t c) {
    double& advance = table_[c];
    // Laid out as a text, as the list draws it: with hinting, a glyph's advance in a text may
    // differ from the font's own advance for the character.
    if (advance < 0) advance = metrics_.horizontalAdvance(QString(QChar(static_cast<char16_t>(c))));
    return advance;
}

double CharAdvanceEstimator::OtherAdvance(char32_t c) {
    const auto found = others_.find(c);
    if (found != others_.end()) return found->second;
    // Characters beyond the first plane take two UTF-16 units.
    const double advance = metrics_.horizontalAdvance(QString::fromUcs4(&c, 1));
    others_.emplace(c, advance);
    return advance;
}

double CharAdvanceEstimator::PairKerning(unsigned char first, unsigned char second) {
    float& kerning = pairs_[(first - 0x20) * kAsciiCount + (second - 0x20)];
    if (std::isnan(kerning)) {
        const char pair[2] = {static_cast<char>(first), static_cast<char>(second)};
        kerning = static_cast<float>(metrics_.horizontalAdvance(QString::fromLatin1(pair, 2)) -
                                     table_[first] - table_[second]);
    }
    return kerning;
}

platform::WidthEstimate CharAdvanceEstimator::Estimate(std::string_view text) {
    double sum = 0;
    int ascii = 0;
    int pairless = 0;
    int others = 0;
    int controls = 0;
    unsigned char previous = 0;  // the printable ASCII character before, or 0
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (IsPrintableAscii(byte)) {  // most of every cell
            sum += table_[byte];
            if (previous) sum += PairKerning(previous, byte);
            previous = byte;
            ++ascii;
            ++at;
            continue;
        }
        previous = 0;
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
    return {static_cast<int>(std::lround(sum)) + padding_, static_cast<int>(std::ceil(slack))};
}

}  // namespace gui
