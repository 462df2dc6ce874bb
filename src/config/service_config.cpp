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
    if (!service_url_override.empty()) service.base_url = service_url_override;
    return result;
}

}  // namespace config
