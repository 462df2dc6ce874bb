#pragma once

#include <QPointer>
#include <QTableView>

#include "platform/text_widths.h"

namespace gui {

// Widths of texts as the My Videos list draws them, for sizing its columns to their contents.
class ListTextWidths final : public platform::TextWidths {
  public:
    explicit ListTextWidths(QTableView* view) : view_(view) {}
    int HeaderWidth(std::string_view title) override;
    int CellWidth(std::string_view text) override;
    // Sums of character advances in the list's font as it is now.
    std::unique_ptr<platform::CellWidthEstimator> CellEstimator() override;

  private:
    QPointer<QTableView> view_;
};

}  // namespace gui
