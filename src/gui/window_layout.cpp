#include "gui/window_layout.h"

#include <fstream>
#include <string_view>

#include "core/safe_file.h"

namespace gui {
namespace {

constexpr std::string_view kHeader = "[Reeldeck - Version 1.0 - Window Layout]";
constexpr std::string_view kStateKey = "STATE=";

}  // namespace

QByteArray ReadWindowLayout(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.starts_with(kStateKey)) continue;
        const std::string_view value = std::string_view(line).substr(kStateKey.size());
        return QByteArray::fromBase64(
            QByteArray(value.data(), static_cast<qsizetype>(value.size())));
    }
    return {};
}

core::FileResult WriteWindowLayout(const std::string& path, const QByteArray& state) {
    const QByteArray encoded = state.toBase64();
    return core::WriteFileSafely(path, [&](std::ostream& out) {
        out << kHeader << '\n' << kStateKey;
        out.write(encoded.constData(), encoded.size());
        out << '\n';
        return core::FileResult::Success();
    });
}

}  // namespace gui
