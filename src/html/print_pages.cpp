#include "html/print_pages.h"

#include <functional>

#include "core/images.h"
#include "core/safe_file.h"
#include "html/page_settings.h"

namespace html {
namespace {

constexpr std::string_view kRule = "<hr size=\"1\" noshade color=\"#C0C0C0\">";

// The font and colours as the page's style sheet uses them.
struct PageStyle {
    std::string face;
    std::string style;
    std::string weight;
    std::string size;
    std::string heading;
    std::string text;
};

PageStyle PageStyleOf(const PrintSettings& settings) {
    PageStyle page;
    page.face = MarkupSafe(settings.font_face.empty() ? "Verdana" : settings.font_face);
    const CssFont font = CssFontOf(settings.font_style);
    page.style = font.style;
    page.weight = font.weight;
    // No size yet (no settings file was ever written) would print invisible 0pt text.
    page.size = std::to_string(settings.font_size > 0 ? settings.font_size : 10);
    page.heading = core::ColorToHtml(settings.heading);
    page.text = core::ColorToHtml(settings.text);
    return page;
}

// Cells are written as they are stored; stored cells hold no angle brackets, and one read from a
// damaged or foreign file must not become markup (a script) in the printed page.
void WriteCell(std::ostream& out, std::string_view cell) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '<' && cell[i] != '>') continue;
        out << cell.substr(start, i - start) << (cell[i] == '<' ? "&lt;" : "&gt;");
        start = i + 1;
    }
    out << cell.substr(start);
}

// A file path inside a double-quoted attribute.
void WriteAttribute(std::ostream& out, std::string_view value) {
    for (char c : value) {
        switch (c) {
            case '&':
                out << "&amp;";
                break;
            case '"':
                out << "&quot;";
                break;
            case '<':
                out << "&lt;";
                break;
            case '>':
                out << "&gt;";
                break;
            default:
                out << c;
        }
    }
}

void WriteHead(std::ostream& out, const PageStyle& page, std::string_view list_name, int count) {
    out << "<html><head><title>Reeldeck - " << list_name << " (" << count
        << ")</title><style type=\"text/css\">.text-heading{font-style: " << page.style
        << "; color: " << page.heading << "; font-weight: " << page.weight
        << "; font-family: " << page.face << "; font-size: " << page.size
        << "pt;}.text-text{font-style: " << page.style << "; color: " << page.text
        << "; font-weight: " << page.weight << "; font-family: " << page.face
        << "; font-size: " << page.size;
}

// The titles-only layout over `count` titles, each given by `title_of`.
template <typename TitleOf>
void WriteTitles(std::ostream& out, bool multiple_columns, std::string_view list_name, int count,
                 const std::string& date, TitleOf title_of, platform::Progress& progress) {
    const char* heading_span = multiple_columns ? "2" : "1";
    const char* full_span = multiple_columns ? "3" : "2";
    out << "pt;}</style></head><body marginheight=\"4\" marginwidth=\"4\" topmargin=\"4\" "
           "leftmargin=\"4\"><table border=\"0\" cellspacing=\"0\" width=\"100%\" "
           "cellpadding=\"2\"><tr><td colspan=\""
        << heading_span << "\"><span class=\"text-heading\">Reeldeck - " << list_name
        << "</span><span class=\"text-text\"> (" << count
        << ")</span></td><td align=\"right\" colspan=\"1\"><span class=\"text-text\">" << date
        << "</span></td></tr><tr><td colspan=\"" << full_span << "\">" << kRule << "</td></tr>";
    for (int i = 0; i < count; ++i) {
        if (!multiple_columns || i % 3 == 0) out << "<tr>";
        out << "<td valign=\"top\"><span class=\"text-heading\">" << i + 1
            << ". </span><span class=\"text-text\">";
        WriteCell(out, title_of(i));
        out << "</span></td>";
        // A last row of one or two titles is left open.
        if (!multiple_columns || i % 3 == 2) out << "</tr>";
        progress.Step();
    }
    out << "<tr><td valign=\"top\" colspan=\"" << full_span << "\">" << kRule
        << "</td></tr></table></body></html>";
}

// The list index of each column a full record shows; -1 where the table has none.
struct RecordColumns {
    int title, year, synopsis, director, producer, writer, category, duration, cast, mpaa;

    explicit RecordColumns(const core::VideoList& videos)
        : title(videos.ColumnIndexOf("Title")),
          year(videos.ColumnIndexOf("Year")),
          synopsis(videos.ColumnIndexOf("Synopsis")),
          director(videos.ColumnIndexOf("Director")),
          producer(videos.ColumnIndexOf("Producer")),
          writer(videos.ColumnIndexOf("Writer")),
          category(videos.ColumnIndexOf("Category")),
          duration(videos.ColumnIndexOf("Duration")),
          cast(videos.ColumnIndexOf("Cast")),
          mpaa(-1) {
        for (const core::VideoColumn& column : videos.Columns()) {
            if (column.Name.find("MPAA") != std::string::npos) mpaa = column.ListIndex;
        }
    }
};

std::string_view CellOf(const core::VideoList& videos, int row, int column) {
    return column < 0 ? std::string_view{} : videos.Cell(row, column);
}

void WriteSection(std::ostream& out, std::string_view heading, std::string_view text) {
    out << "<tr><td colspan=\"4\"><span class=\"text-heading\"><u>" << heading
        << "</u>:</span></td></tr><tr><td colspan=\"4\"><span class=\"text-text\">";
    WriteCell(out, text);
    out << "</span></td></tr>";
}

void WriteRecord(std::ostream& out, const MyVideosPrint& print, bool images,
                 const RecordColumns& columns, int row, int number) {
    const core::VideoList& videos = print.videos;
    const auto cell = [&](int column) { return CellOf(videos, row, column); };
    out << "<tr><td valign=\"top\" width=\"40%\"><span class=\"text-heading\">" << number << ". ";
    WriteCell(out, cell(columns.title));
    out << "</span><span class=\"text-text\"> (";
    WriteCell(out, cell(columns.year));
    out << ")</span></td><td valign=\"top\" width=\"40%\"><span class=\"text-heading\">";
    WriteCell(out, cell(columns.category));
    out << "</span></td><td align=\"right\" valign=\"top\" width=\"10%\"><span "
           "class=\"text-heading\">";
    WriteCell(out, cell(columns.mpaa));
    out << "</span></td><td align=\"right\" valign=\"top\" width=\"10%\"><span "
           "class=\"text-heading\">";
    WriteCell(out, cell(columns.duration));
    out << "</span></td></tr>";
    if (images) {
        std::string source = print.image_of ? print.image_of(row)
                                            : core::ImageFileOf(print.image_folder,
                                                                cell(videos.ColumnIndexOf("Key")));
        if (source.empty()) source = print.no_image;
        out << "<tr><td colspan=\"4\"><table border=\"0\" cellpadding=\"4\" "
               "cellspacing=\"0\"><tr><td "
               "valign=\"top\"><img src=\"";
        WriteAttribute(out, source);
        out << "\" height=\"81\" border=\"0\"></td><td valign=\"top\"><table border=\"0\" "
               "cellspacing=\"0\" cellpadding=\"2\"><tr><td><span class=\"text-text\">";
        WriteCell(out, cell(columns.synopsis));
        out << "</span></td></tr></table></td></tr></table></td></tr>";
    } else {
        WriteSection(out, "Synopsis", cell(columns.synopsis));
    }
    const std::pair<const char*, int> sections[] = {{"Starring", columns.cast},
                                                    {"Director", columns.director},
                                                    {"Producer", columns.producer},
                                                    {"Writer", columns.writer}};
    for (const auto& [heading, column] : sections) {
        if (!cell(column).empty()) WriteSection(out, heading, cell(column));
    }
    out << "<tr><td colspan=\"4\">" << kRule << "</td></tr>";
}

void WriteFullRecords(std::ostream& out, const MyVideosPrint& print, bool images,
                      platform::Progress& progress) {
    out << "pt;}</style></head><body marginheight=\"2\" marginwidth=\"2\" topmargin=\"2\" "
           "leftmargin=\"2\"><table border=\"0\" cellspacing=\"0\" width=\"100%\" "
           "cellpadding=\"2\"><tr><td colspan=\"3\"><span class=\"text-heading\">Reeldeck - "
        << print.list_name << "</span><span class=\"text-text\"> (" << print.rows.size()
        << ")</span></td><td align=\"right\"><span class=\"text-text\">" << print.date
        << "</span></td></tr><tr><td colspan=\"4\">" << kRule << "</td></tr>";
    const RecordColumns columns(print.videos);
    int number = 0;
    for (int row : print.rows) {
        WriteRecord(out, print, images, columns, row, ++number);
        progress.Step();
    }
    out << "</table></body></html>";
}

core::FileResult WritePageFile(const std::string& path, int count,
                               const std::function<void(std::ostream&)>& write) {
    if (count == 0) return core::FileResult::Success(0);
    return core::WriteFileSafely(path, [&write](std::ostream& out) {
        write(out);
        return core::FileResult::Success();
    });
}

}  // namespace

void WriteMyVideosPrintPage(std::ostream& out, const PrintSettings& settings,
                            const MyVideosPrint& print, platform::Progress& progress) {
    const int count = static_cast<int>(print.rows.size());
    platform::ProgressScope scope(progress, count, "Printing my videos list");
    WriteHead(out, PageStyleOf(settings), print.list_name, count);
    if (settings.titles_only) {
        const int title = print.videos.ColumnIndexOf("Title");
        const auto title_of = [&](int i) { return CellOf(print.videos, print.rows[i], title); };
        WriteTitles(out, settings.multiple_columns, print.list_name, count, print.date, title_of,
                    progress);
    } else {
        WriteFullRecords(out, print, settings.include_images, progress);
    }
}

void WriteWantedPrintPage(std::ostream& out, const PrintSettings& settings,
                          const core::WantedList& wanted, const std::string& date,
                          platform::Progress& progress) {
    platform::ProgressScope scope(progress, wanted.Count(), "Printing wanted videos list");
    WriteHead(out, PageStyleOf(settings), "Wanted Videos", wanted.Count());
    const auto title_of = [&](int i) { return std::string_view(wanted.Get(i)); };
    WriteTitles(out, settings.multiple_columns, "Wanted Videos", wanted.Count(), date, title_of,
                progress);
}

std::vector<int> RowsToPrint(const core::VideoList& videos, PrintRecords records) {
    if (records == PrintRecords::kSelected) return videos.SelectedRows();
    std::vector<int> rows(static_cast<std::size_t>(videos.RowCount()));
    for (int i = 0; i < videos.RowCount(); ++i) rows[static_cast<std::size_t>(i)] = i;
    return rows;
}

core::FileResult WriteMyVideosPrintFile(const std::string& path, const PrintSettings& settings,
                                        const MyVideosPrint& print, platform::Progress& progress) {
    return WritePageFile(path, static_cast<int>(print.rows.size()), [&](std::ostream& out) {
        WriteMyVideosPrintPage(out, settings, print, progress);
    });
}

core::FileResult WriteWantedPrintFile(const std::string& path, const PrintSettings& settings,
                                      const core::WantedList& wanted, const std::string& date,
                                      platform::Progress& progress) {
    return WritePageFile(path, wanted.Count(), [&](std::ostream& out) {
        WriteWantedPrintPage(out, settings, wanted, date, progress);
    });
}

}  // namespace html
