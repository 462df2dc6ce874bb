#include "app/image_address.h"

#include "app/record_images.h"
#include "core/paths.h"
#include "core/text.h"

namespace app {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool BeginsNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           core::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

ImageAddress CheckImageAddress(std::string_view typed) {
    ImageAddress result;
    const std::string_view address = Trimmed(typed);
    result.address = std::string(address);
    if (address.empty()) return result;
    if (!BeginsNoCase(address, "http://") && !BeginsNoCase(address, "https://")) {
        result.verdict = ImageAddress::Verdict::kNotWebAddress;
        return result;
    }
    const std::string_view after_scheme = address.substr(address.find("//") + 2);
    const std::string_view path = after_scheme.substr(0, after_scheme.find_first_of("?#"));
    const std::size_t slash = path.find('/');
    const std::string name =
        slash == std::string_view::npos ? std::string() : core::UrlLastSegment(path);
    const std::size_t dot = name.rfind('.');
    const std::string extension =
        dot == std::string::npos ? std::string() : core::ToLowerAscii(name.substr(dot + 1));
    if (extension.empty() || !IsPictureExtension(extension)) {
        result.verdict = ImageAddress::Verdict::kNotPicture;
        return result;
    }
    result.verdict = ImageAddress::Verdict::kPicture;
    result.extension = extension;
    return result;
}

}  // namespace app
