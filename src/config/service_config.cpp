#include "config/service_config.h"

#include <fstream>

#include "core/line_reader.h"
#include "core/paths.h"
#include "core/text.h"

namespace config {

core::FileResult ReadServiceConfig(ServiceConfig& service, const std::string& path,
                                   const std::string& service_url_override) {
    std::ifstream in(path, std::ios::binary);
    core::FileResult result = core::FileResult::Success();
    if (!in) {
        result = core::FileResult::Failure(path, core::SystemErrorText(errno));
    } else {
        const std::pair<std::string_view, std::string*> keys[] = {
            {"BASE_URL=", &service.base_url},
            {"IMAGE_BASE_URL=", &service.image_base_url},
            {"PRODUCT_SITE_URL=", &service.product_site_url},
            {"PRODUCT_SITE_NAME=", &service.product_site_name},
        };
        core::LineReader lines(in, 4096);
        std::string_view line;
        while (lines.Next(line)) {
            for (const auto& [key, value] : keys) {
                if (core::StartsWith(line, key)) *value = std::string(line.substr(key.size()));
            }
        }
    }
    if (!service_url_override.empty()) {
        // Covers served by the same service move with it.
        const std::string& old_base = service.base_url;
        if (!old_base.empty() && core::StartsWith(service.image_base_url, old_base)) {
            std::string rest = service.image_base_url.substr(old_base.size());
            std::string base = service_url_override;
            if (!base.empty() && base.back() != '/' && !rest.empty() && rest.front() != '/') {
                base += '/';
            }
            service.image_base_url = base + rest;
        }
        service.base_url = service_url_override;
    }
    return result;
}

}  // namespace config
