#include "html/html_list_address.h"

#include "core/paths.h"

namespace html {
namespace {

bool IsPlainNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_';
}

}  // namespace

bool IsWebAddress(std::string_view text) {
    for (std::string_view scheme : {"http://", "HTTP://", "https://", "HTTPS://"}) {
        if (text.find(scheme) != std::string_view::npos) return true;
    }
    return false;
}

std::string DownloadFileNameOf(std::string_view address) {
    const std::size_t query = address.find_first_of("?#");
    if (query != std::string_view::npos) address = address.substr(0, query);
    // Nothing after the host ("http://host") is no file name either.
    const std::size_t scheme = address.find("://");
    if (scheme != std::string_view::npos &&
        address.find('/', scheme + 3) == std::string_view::npos) {
        return "index.html";
    }
    std::string name;
    for (char c : core::UrlLastSegment(address)) {
        if (IsPlainNameChar(c)) name += c;
    }
    if (name.empty() || name == "." || name == "..") return "index.html";
    return name;
}

std::string RequestAddressOf(std::string_view address, const core::Clock& clock) {
    // An address with a query of its own keeps it intact.
    const char separator = address.find('?') == std::string_view::npos ? '?' : '&';
    return std::string(address) + separator + "t=" + core::NowKey(clock);
}

}  // namespace html
