// stats: the figures and value tables of the Database Properties window, as text or JSON.
#include <algorithm>
#include <iomanip>

#include "cli/commands.h"
#include "cli/json_text.h"
#include "views/database_statistics.h"

namespace cli {
namespace {

// Characters on a terminal: UTF-8 continuation bytes take no place of their own.
std::size_t ShownWidth(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void Pad(std::ostream& out, std::string_view text, std::size_t width) {
    out << text << std::string(width - std::min(width, ShownWidth(text)), ' ');
}

void WriteText(const views::DatabaseStatistics& statistics, std::ostream& out) {
    out << "General\n";
    for (const views::FigureGroup& group : views::GeneralLayout(statistics.general)) {
        out << "  " << group.title << '\n';
        for (const views::Figure& figure : group.figures) {
            out << "    ";
            Pad(out, std::string(figure.label) + ":", 12);
            out << figure.value << '\n';
        }
    }
    for (const views::ValueTable& table : statistics.tables) {
        const std::string heading = table.Heading();
        std::size_t width = ShownWidth(heading);
        for (const views::ValueRow& row : table.rows)
            width = std::max(width, ShownWidth(row.value));
        out << '\n' << "  ";
        Pad(out, heading, width);
        out << "  " << std::setw(7) << "Count"
            << "  " << std::setw(7) << "% Total" << '\n';
        for (const views::ValueRow& row : table.rows) {
            out << "  ";
            Pad(out, row.value, width);
            out << "  " << std::setw(7) << row.count << "  " << std::setw(7) << row.percent << '\n';
        }
    }
}

void WriteJson(const views::DatabaseStatistics& statistics, std::ostream& out) {
    out << "{\n  \"general\": {";
    const char* group_separator = "\n";
    for (const views::FigureGroup& group : views::GeneralLayout(statistics.general)) {
        out << group_separator << "    " << JsonString(group.title) << ": {";
        const char* separator = "\n";
        for (const views::Figure& figure : group.figures) {
            out << separator << "      " << JsonString(figure.label) << ": "
                << JsonString(figure.value);
            separator = ",\n";
        }
        out << "\n    }";
        group_separator = ",\n";
    }
    out << "\n  },\n  \"tables\": [";
    const char* table_separator = "\n";
    for (const views::ValueTable& table : statistics.tables) {
        out << table_separator << "    {\"field\": " << JsonString(table.field)
            << ", \"heading\": " << JsonString(table.Heading()) << ", \"rows\": [";
        const char* separator = "\n";
        for (const views::ValueRow& row : table.rows) {
            out << separator << "      {\"value\": " << JsonString(row.value)
                << ", \"count\": " << JsonString(row.count)
                << ", \"percent\": " << JsonString(row.percent) << "}";
            separator = ",\n";
        }
        out << (table.rows.empty() ? "]}" : "\n    ]}");
        table_separator = ",\n";
    }
    out << "\n  ]\n}\n";
}

}  // namespace

void RunStats(CliContext& context, std::ostream& out) {
    RequireOperands(context, 1, "stats DB [--json]");
    context.Open(context.arguments().operands[0]);
    views::QuietStatistics quiet;
    const std::optional<views::DatabaseStatistics> statistics = views::ComputeStatistics(
        views::StatisticsSourceOf(context.session()), std::stop_token(), quiet);
    if (!statistics) throw CliError{"the statistics were interrupted"};
    if (context.arguments().Has("--json")) {
        WriteJson(*statistics, out);
    } else {
        WriteText(*statistics, out);
    }
}

}  // namespace cli
