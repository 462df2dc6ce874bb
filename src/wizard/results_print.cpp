#include "wizard/results_print.h"

#include <vector>

#include "core/video_list.h"
#include "html/print_pages.h"
#include "wizard/service_addresses.h"

namespace wizard {
namespace {

// The columns a full record prints, holding the result fields of the same meaning.
constexpr std::pair<std::string_view, ResultField> kPrintedFields[] = {
    {"Key", kId},        {"Title", kTitle},       {"Year", kYear},
    {"MPAA", kMpaa},     {"Duration", kDuration}, {"Category", kCategory},
    {"Cast", kCast},     {"Director", kDirector}, {"Producer", kProducer},
    {"Writer", kWriter}, {"Synopsis", kSynopsis}};

}  // namespace

core::FileResult WriteResultsPrintFile(const std::string& path, html::PrintSettings settings,
                                       std::span<const ResultRow> results,
                                       const std::string& image_base, const std::string& no_image,
                                       const std::string& date, platform::Progress& progress) {
    core::VideoList list;
    std::vector<core::VideoColumn> columns;
    for (const auto& [name, field] : kPrintedFields) {
        core::VideoColumn column;
        column.Name = std::string(name);
        columns.push_back(column);
    }
    list.SetColumns(columns);
    std::vector<int> rows;
    for (const ResultRow& result : results) {
        const int row = list.InsertRow(list.RowCount(), result[kId]);
        int column = 0;
        for (const auto& [name, field] : kPrintedFields) list.SetCell(row, column++, result[field]);
        rows.push_back(row);
    }
    settings.titles_only = false;
    html::MyVideosPrint print{list, rows, {}, no_image, date};
    print.list_name = "Online Videos";
    print.image_of = [&](int row) {
        const ResultRow& result = results[static_cast<std::size_t>(row)];
        return HasCover(result) ? CoverAddress(image_base, result[kImageFolder], result[kImageFile])
                                : no_image;
    };
    return html::WriteMyVideosPrintFile(path, settings, print, progress);
}

}  // namespace wizard
