#include "html/page_generation.h"

#include <algorithm>

#include "core/safe_file.h"
#include "html/page_fragments.h"

namespace html {
namespace {

std::string PathIn(const std::string& folder, const char* name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

// The logo and the links of the request's theme; an unreadable theme gives the standard logo
// and no links.
ThemeDecorations DecorationsOf(const PageRequest& request) {
    ThemeDecorations decorations;
    if (!LoadThemeDecorations(request.theme_path, decorations)) decorations = {};
    return decorations;
}

// A column of the page and how its cells are written.
struct PageColumn {
    enum class Kind { kTitle, kCategory, kText };
    int list_index = 0;
    Kind kind = Kind::kText;
};

// Columns by HtmlOrder position, each position in table order; a column whose HtmlOrder lies
// past the table is not on the page.
std::vector<PageColumn> PageColumnsOf(const core::VideoList& videos) {
    std::vector<PageColumn> columns;
    for (int position = 0; position < videos.ColumnCount(); ++position) {
        for (const core::VideoColumn& column : videos.Columns()) {
            if (!column.HtmlShown || column.HtmlOrder != position) continue;
            PageColumn page_column{column.ListIndex, PageColumn::Kind::kText};
            if (column.Name == core::column_name::kTitle)
                page_column.kind = PageColumn::Kind::kTitle;
            if (column.Name == core::column_name::kCategory) {
                page_column.kind = PageColumn::Kind::kCategory;
            }
            columns.push_back(page_column);
        }
    }
    return columns;
}

// A link to the list search for a title: the cell is address-encoded in the address and
// escaped in the title attribute; the link text is the cell as it is.
void PutTitleLink(PageOut& out, const PageAddresses& addresses, std::string_view title) {
    out.Put("<a href=\"");
    out.Put(addresses.list_search);
    out.Put("t=");
    PutAddressEncoded(out, title);
    out.Put("\" class=\"text-link\" title=\"Click for more information about ");
    PutAttributeEscaped(out, title);
    out.Put("\">");
    out.Put(title);
    out.Put("</a>");
}

void PutCategoryLink(PageOut& out, const PageAddresses& addresses, std::string_view category) {
    out.Put("<a href=\"");
    out.Put(addresses.list_search);
    out.Put("c=");
    PutAddressEncoded(out, category);
    out.Put("\" class=\"text-link\" title=\"Click for more ");
    PutAttributeEscaped(out, category);
    out.Put(" videos\">");
    out.Put(category);
    out.Put("</a>");
}

class MyVideosBody {
  public:
    MyVideosBody(PageOut& out, const core::VideoList& videos, const PageAddresses& addresses)
        : out_(out), videos_(videos), addresses_(addresses), columns_(PageColumnsOf(videos)) {}

    void WriteTop(const PreparedSettings& page, int record_count) {
        out_ << "<table border=\"0\" cellpadding=\"0\" cellspacing=\"6\" width=\"100%\">\n"
                "<tr>\n<td align=\"center\"><span class=\"text-heading\">"
             << page.title << " (" << record_count
             << ")</span></td>\n</tr><tr><td><hr size =\"1\" color=\"" << page.borders
             << "\"></td></tr></table>\n\n"
                "<table border=\"0\" cellpadding=\"0\" cellspacing=\"6\" width=\"100%\">\n"
                "<tr>\n<!-- RDLH -->\n<td><span class=\"text-heading\">#</span></td>\n";
        for (const PageColumn& column : columns_) {
            out_ << "<td valign=\"bottom\" nowrap><span class=\"text-heading\">"
                 << videos_.Column(column.list_index).Name << "</span></td>\n";
        }
        out_ << "<!-- /RDLH -->\n</tr>\n<td valign=\"top\" colspan=\"" << columns_.size() + 1
             << "\"><hr size=\"1\" color=\"" << page.borders << "\"></td>\n</tr>\n";
    }

    // Asks for the cells of a row that comes soon: a record's text lies in memory of its own, and
    // waiting for it to arrive takes longer than writing it.
    void Prefetch(int row) const {
        if (row < videos_.RowCount()) __builtin_prefetch(videos_.Cell(row, 0).data());
    }

    void WriteRecord(int row, int number) {
        out_.Put("<tr>\n<!-- RDLR -->\n<td valign=\"top\"><span class=\"text-text\">");
        out_ << number;
        out_.Put(".</span></td>\n");
        for (const PageColumn& column : columns_) {
            const std::string_view cell = videos_.Cell(row, column.list_index);
            out_.Put("<td valign=\"top\">");
            switch (column.kind) {
                case PageColumn::Kind::kTitle:
                    PutTitleLink(out_, addresses_, cell);
                    break;
                case PageColumn::Kind::kCategory:
                    PutCategoryLink(out_, addresses_, cell);
                    break;
                case PageColumn::Kind::kText:
                    out_.Put("<span class=\"text-text\">");
                    out_.Put(cell);
                    out_.Put("</span>");
                    break;
            }
            out_.Put("</td>\n");
        }
        out_.Put("<!-- /RDLR -->\n</tr>\n");
    }

  private:
    PageOut& out_;
    const core::VideoList& videos_;
    const PageAddresses& addresses_;
    std::vector<PageColumn> columns_;
};

// Writes one page file safely: `write_body` streams the records between the top and the
// footer. Returns 1, or -1 when the file could not be written.
template <typename WriteBody>
int WritePage(const std::string& path, PageKind kind, const PageRequest& request,
              const PreparedSettings& page, int record_count, const PageAddresses& addresses,
              WriteBody write_body) {
    core::SafeFileWriter writer(path);
    if (!writer.Open()) return -1;
    PageOut out(writer.Stream());
    const ThemeDecorations decorations = DecorationsOf(request);
    WriteHead(out, kind, page, record_count);
    WriteLogo(out, decorations.logo, {request.standard_logo, PathIn(request.folder, "hllogo.gif")},
              addresses);
    WritePageLinks(out, kind, decorations.links, page);
    write_body(out);
    WriteFooter(out, page, addresses);
    out.Flush();
    return writer.Commit() ? 1 : -1;
}

// Runs the progress display only while the status bar is shown.
class GenerationProgress {
  public:
    GenerationProgress(GenerationServices& services, std::int64_t range, const std::string& path)
        : progress_(services.status_bar_shown ? &services.progress : nullptr) {
        if (progress_) progress_->Begin(range, "Generating " + path);
    }
    ~GenerationProgress() {
        if (progress_) progress_->End();
    }
    GenerationProgress(const GenerationProgress&) = delete;
    GenerationProgress& operator=(const GenerationProgress&) = delete;
    void Step() {
        if (progress_) progress_->Step(1);
    }

  private:
    platform::Progress* progress_;
};

int Finish(int result, const std::string& path, GenerationServices& services, bool open) {
    if (result == 1 && open) services.shell.Open(path);
    return result;
}

}  // namespace

int GenerateMyVideosPage(const PageRequest& request, const core::VideoList& videos,
                         GenerationServices& services, bool open) {
    if (videos.RowCount() == 0) return 0;
    std::vector<int> rows;
    if (request.selected_rows) {
        for (int row : *request.selected_rows) {
            if (row >= 0 && row < videos.RowCount()) rows.push_back(row);
        }
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    }
    const bool all = !request.selected_rows;
    const int record_count = all ? videos.RowCount() : static_cast<int>(rows.size());
    const std::string path = PathIn(request.folder, "myvideos.html");
    const PreparedSettings page = PrepareSettings(request.settings, "My Videos");
    const PageAddresses& addresses = services.addresses;

    const int result = WritePage(
        path, PageKind::kMyVideos, request, page, record_count, addresses, [&](PageOut& out) {
            MyVideosBody body(out, videos, addresses);
            body.WriteTop(page, record_count);
            GenerationProgress progress(services, videos.RowCount(), path);
            for (int number = 1; number <= record_count; ++number) {
                const auto row_of = [&](int n) {
                    return all ? n - 1 : rows[static_cast<std::size_t>(n - 1)];
                };
                if (number + 4 <= record_count) body.Prefetch(row_of(number + 4));
                body.WriteRecord(row_of(number), number);
                progress.Step();
            }
        });
    return Finish(result, path, services, open);
}

int GenerateWantedPage(const PageRequest& request, const core::WantedList& wanted,
                       GenerationServices& services, bool open) {
    if (wanted.Count() == 0) return 0;
    const std::string path = PathIn(request.folder, "wanted.html");
    const PreparedSettings page = PrepareSettings(request.settings, "Wanted Videos");
    const PageAddresses& addresses = services.addresses;

    const int result = WritePage(
        path, PageKind::kWanted, request, page, wanted.Count(), addresses, [&](PageOut& out) {
            out << "<tr>\n<td colspan=\"2\" height=\"30\"><span class=\"text-heading\">"
                << page.title << " (" << wanted.Count() << ")</span></td>\n</tr>";
            GenerationProgress progress(services, wanted.Count(), path);
            int number = 0;
            for (const std::string& title : wanted.Titles()) {
                out.Put("<tr>\n<td><span class=\"text-text\">");
                out << ++number;
                out.Put(".</span></td>\n<td>");
                PutTitleLink(out, addresses, title);
                out.Put("</td>\n</tr>\n");
                progress.Step();
            }
        });
    return Finish(result, path, services, open);
}

int GenerateLists(ListKind kind, const PageRequest& request, const PageLists& lists,
                  GenerationServices& services) {
    switch (kind) {
        case ListKind::kMyVideos:
            return GenerateMyVideosPage(request, lists.videos, services, true);
        case ListKind::kWanted:
            return GenerateWantedPage(request, lists.wanted, services, true);
        case ListKind::kBoth:
            break;
    }
    const int videos = GenerateMyVideosPage(request, lists.videos, services, true);
    const int wanted = GenerateWantedPage(request, lists.wanted, services, false);
    if (videos < 0 || wanted < 0) return -1;
    return videos > 0 || wanted > 0 ? 1 : 0;
}

}  // namespace html
