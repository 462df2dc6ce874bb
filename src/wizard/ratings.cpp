#include "wizard/ratings.h"

namespace wizard {
namespace {

constexpr std::size_t kMaxValueList = 51200;

}  // namespace

std::string RatingValues(std::string_view title, std::string_view year) {
    if (title.empty() || year.empty() || title.size() + year.size() + 10 >= kMaxValueList) {
        return {};
    }
    return std::string(title) + "_IS_" + std::string(year) + "_SEP_";
}

std::string StarsText(int stars) {
    return std::string(static_cast<std::size_t>(stars < 1 ? 1 : stars > 5 ? 5 : stars), '*');
}

std::optional<std::string> RankSelectedRecord(app::Session& session, int stars) {
    core::VideoList& list = session.Videos;
    if (list.SelectedCount() != 1 || !session.CanChange() || stars < 1 || stars > 5) {
        return std::nullopt;
    }
    const int row = list.SelectedRows().front();
    const core::VideoColumn* rank = list.FindColumn("Rank");
    if (rank && rank->Custom) {
        list.SetCell(row, rank->ListIndex, StarsText(stars));
        session.Modified = true;
        session.NotifyListsChanged();
    }
    std::string values = RatingValues(list.Cell(row, list.ColumnIndexOf("Title")),
                                      list.Cell(row, list.ColumnIndexOf("Year")));
    if (values.empty() || !session.config.video_list_rank_online) return std::nullopt;
    return values;
}

}  // namespace wizard
