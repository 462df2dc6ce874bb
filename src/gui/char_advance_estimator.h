#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <array>
#include <limits>
#include <unordered_map>
#include <vector>

#include "platform/text_widths.h"

namespace gui {

// Estimates a cell's width as the sum of its characters' advances in the list's font, plus the
// kerning of each pair of printable ASCII characters, each advance and pair measured once: a
// few nanoseconds a character where laying out the text takes microseconds. What the sum
// leaves out (rounding, kerning beyond ASCII, shaping of joined scripts, tab stops) goes into
// the slack.
class CharAdvanceEstimator final : public platform::CellWidthEstimator {
  public:
    CharAdvanceEstimator(const QFont& font, int padding);
    platform::WidthEstimate Estimate(std::string_view text) override;

  private:
    // Characters up to Latin Extended-B: no joining, marks or tab stops among the printable ones.
    static constexpr char32_t kTableSize = 0x250;
    static constexpr int kAsciiCount = 0x7f - 0x20;  // printable ASCII
    static constexpr int kUnknown = std::numeric_limits<int>::min();

    int TableAdvance(char32_t c);
    int OtherAdvance(char32_t c);
    int AsciiAdvanceAfter(unsigned char previous, unsigned char byte);

    // Advances in 64ths of a pixel, summed as integers.
    QFontMetricsF metrics_;
    int padding_;
    double pairless_slack_;  // per character in the table but beyond ASCII: unknown kerning
    double other_slack_;     // per character outside the table
    double control_slack_;   // per control character: a tab may reach the next tab stop
    std::array<int, kTableSize> table_;
    // A printable ASCII character's advance with its kerning after the one before (row 0: after
    // none), measured when first met.
    std::vector<int> ascii_after_;
    std::unordered_map<char32_t, int> others_;
};

}  // namespace gui
