#include "gui/list_text_widths.h"

#include <QFontMetrics>
#include <QHeaderView>

#include "gui/char_advance_estimator.h"
#include "gui/text_bytes.h"

namespace gui {
namespace {
// Room beside the text: the cell's margins, and in the header the sort arrow.
constexpr int kCellPadding = 12;
constexpr int kHeaderPadding = 24;
}  // namespace

int ListTextWidths::HeaderWidth(std::string_view title) {
    if (!view_) return 0;
    return QFontMetrics(view_->horizontalHeader()->font()).horizontalAdvance(FromBytes(title)) +
           kHeaderPadding;
}

int ListTextWidths::CellWidth(std::string_view text) {
    if (!view_) return 0;
    return QFontMetrics(view_->font()).horizontalAdvance(FromBytes(text)) + kCellPadding;
}

std::unique_ptr<platform::CellWidthEstimator> ListTextWidths::CellEstimator() {
    if (!view_) return TextWidths::CellEstimator();
    return std::make_unique<CharAdvanceEstimator>(view_->font(), kCellPadding);
}

}  // namespace gui
