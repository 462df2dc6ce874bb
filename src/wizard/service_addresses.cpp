#include "wizard/service_addresses.h"

namespace wizard {
namespace {

bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.' || c == '~';
}

Address Checked(std::string address) {
    if (address.size() <= kMaxAddressLength) return {std::move(address), {}};
    return {{},
            "The search text is too long to send to the Reeldeck Video Database (the request "
            "would be " +
                std::to_string(address.size()) + " characters long; at most " +
                std::to_string(kMaxAddressLength) +
                " are allowed).\nPlease shorten it and try again."};
}

}  // namespace

std::string PercentEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (Unreserved(byte)) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    return out;
}

std::string ServiceAddress(std::string_view base, std::string_view path) {
    std::string address(base);
    while (!address.empty() && address.back() == '/') address.pop_back();
    while (!path.empty() && path.front() == '/') path.remove_prefix(1);
    return address + "/" + std::string(path);
}

Address QueryAddress(std::string_view base, const QueryForm& form, std::int64_t start) {
    return Checked(ServiceAddress(base, kListPath) + "f=" + PercentEncode(form.find) +
                   "&c=" + PercentEncode(form.look_in) + "&s=" + PercentEncode(form.sort_by) +
                   "&l=" + std::to_string(form.list_count) + "&st=" + std::to_string(start) +
                   "&mc=" + (form.match_case ? "1" : "0") + "&u=urd1&p=pzt7");
}

std::string PreviewAddress(std::string_view base, std::string_view id, std::int64_t now) {
    return ServiceAddress(base, kPreviewPath) + PercentEncode(id) + "&time=" + std::to_string(now);
}

Address AdviseAddress(std::string_view base, std::string_view find, std::string_view look_in) {
    if (find.empty() || look_in.empty()) return {{}, "Nothing to report."};
    return Checked(ServiceAddress(base, kAdvisePath) + "f=" + PercentEncode(find) +
                   "&c=" + PercentEncode(look_in));
}

Address RatingAddress(std::string_view base, std::string_view values, int stars) {
    return Checked(ServiceAddress(base, kRatePath) + "vals=" + PercentEncode(values) +
                   "&r=" + std::to_string(stars));
}

std::string CoverAddress(std::string_view image_base, std::string_view folder,
                         std::string_view file) {
    return ServiceAddress(image_base, PercentEncode(folder)) + "/" + PercentEncode(file);
}

}  // namespace wizard
