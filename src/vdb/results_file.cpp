#include "vdb/results_file.h"

#include "vdb/cover_names.h"

namespace vdb {

std::string ResultField(std::string_view text, bool keep_line_breaks_as_tilde) {
    std::string field;
    field.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            // "\r\n" is one break.
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            field += keep_line_breaks_as_tilde ? '~' : ' ';
        } else if (c == '|') {
            field += '/';
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            field += ' ';
        } else {
            field += c;
        }
    }
    return field;
}

std::string ResultsFile(const SearchPage& page) {
    std::string out = std::to_string(page.total) + "\n";
    for (const Title& title : page.titles) {
        const TitleText& t = title.text;
        out += std::to_string(title.id);
        for (const std::string* field : {&t.year, &t.title}) (out += '|') += ResultField(*field);
        (out += '|') += t.duration.empty() ? std::string("00:00:00") : ResultField(t.duration);
        for (const std::string* field :
             {&t.mpaa, &t.cast, &t.director, &t.producer, &t.writer, &t.category}) {
            (out += '|') += ResultField(*field);
        }
        (out += '|') += ResultField(t.synopsis, true);
        out += '|' + std::to_string(CoverFolder(title.id)) + '|' + CoverFileName(title) + '\n';
    }
    return out;
}

}  // namespace vdb
