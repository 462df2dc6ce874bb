#pragma once

#include <string>

#include "core/file_result.h"

// The online addresses of a deployment, kept in cfg/service.txt.
namespace config {

struct ServiceConfig {
    std::string base_url;           // the video database service
    std::string image_base_url;     // where its cover images are
    std::string product_site_url;   // the product's web site
    std::string product_site_name;  // its name as menus show it
};

// Reads BASE_URL=, IMAGE_BASE_URL=, PRODUCT_SITE_URL= and PRODUCT_SITE_NAME= lines. A non-empty
// `service_url_override` ($REELDECK_SERVICE_URL) replaces the base address, and with it the
// start of an image base address that lies under the base address (the service's own covers).
core::FileResult ReadServiceConfig(ServiceConfig& service, const std::string& path,
                                   const std::string& service_url_override);

}  // namespace config
