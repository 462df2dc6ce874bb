#pragma once

#include <memory>
#include <string_view>

namespace platform {

// A quick guess at a cell's width: the exact width is at most `width + slack` pixels.
struct WidthEstimate {
    int width = 0;
    int slack = 0;
};

// Guesses the widths of many cells for one sizing of the list's columns, far faster than
// measuring each, so that only the few cells that may be the widest need measuring.
class CellWidthEstimator {
  public:
    virtual ~CellWidthEstimator() = default;
    virtual WidthEstimate Estimate(std::string_view text) = 0;
};

// How wide texts are drawn in the My Videos list, in pixels, padding included: what a column
// needs to show its header title or a cell whole.
class TextWidths {
  public:
    virtual ~TextWidths() = default;
    virtual int HeaderWidth(std::string_view title) = 0;
    virtual int CellWidth(std::string_view text) = 0;
    // An estimator for one sizing (the list's font may change between sizings). This one
    // measures every cell exactly.
    virtual std::unique_ptr<CellWidthEstimator> CellEstimator();
};

namespace detail {
class ExactCellWidths final : public CellWidthEstimator {
  public:
    explicit ExactCellWidths(TextWidths& widths) : widths_(widths) {}
    WidthEstimate Estimate(std::string_view text) override { return {widths_.CellWidth(text), 0}; }

  private:
    TextWidths& widths_;
};
}  // namespace detail

inline std::unique_ptr<CellWidthEstimator> TextWidths::CellEstimator() {
    return std::make_unique<detail::ExactCellWidths>(*this);
}

}  // namespace platform
