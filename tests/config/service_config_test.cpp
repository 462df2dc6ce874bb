#include "config/service_config.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

TEST(ServiceConfig, ReadsTheAddressesAndHonoursTheOverrideEvenWithoutAFile) {
    TempFolder folder;
    WriteFileBytes(folder / "service.txt",
                   "[Reeldeck - Version 1.0 - Online Services]\r\n"
                   "BASE_URL=http://films.example/api/\r\n"
                   "IMAGE_BASE_URL=http://img.example/\n"
                   "PRODUCT_SITE_URL=https://reeldeck.example/\n"
                   "PRODUCT_SITE_NAME=Reeldeck Online\n");
    config::ServiceConfig service;
    ASSERT_TRUE(config::ReadServiceConfig(service, folder / "service.txt", "").ok());
    EXPECT_EQ(service.base_url, "http://films.example/api/");
    EXPECT_EQ(service.image_base_url, "http://img.example/");
    EXPECT_EQ(service.product_site_url, "https://reeldeck.example/");
    EXPECT_EQ(service.product_site_name, "Reeldeck Online");

    config::ServiceConfig overridden;
    config::ReadServiceConfig(overridden, folder / "service.txt", "http://127.0.0.1:4000/");
    EXPECT_EQ(overridden.base_url, "http://127.0.0.1:4000/");
    EXPECT_EQ(overridden.image_base_url, "http://img.example/");

    config::ServiceConfig missing;
    EXPECT_FALSE(config::ReadServiceConfig(missing, folder / "none.txt", "http://x/").ok());
    EXPECT_EQ(missing.base_url, "http://x/");
}

}  // namespace
