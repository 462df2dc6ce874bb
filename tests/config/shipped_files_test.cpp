// The files shipped in the program folder are read by the same code as the user's files.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "config/program_config.h"
#include "config/service_config.h"
#include "core/header_file.h"
#include "temp_folder.h"

namespace {

const std::string kData = REELDECK_SOURCE_DATA;

TEST(ShippedFiles, ConfigurationHoldsEveryKeyInTheWrittenLayout) {
    const std::string text = ReadFileBytes(kData + "/cfg/cfg.txt");
    config::ProgramConfig config;
    std::istringstream in(text);
    ASSERT_TRUE(config::ReadConfig(in, config).ok());
    EXPECT_TRUE(config.unknown_lines.empty());
    EXPECT_TRUE(config.first_start);
    std::ostringstream out;
    config::WriteConfig(config, out);
    EXPECT_EQ(out.str(), text);
}

TEST(ShippedFiles, DefaultHeaderDescribesAll23ColumnsWithKeyFirst) {
    core::VideoList list;
    ASSERT_TRUE(core::ReadHeader(list, kData + "/cfg/mlh.txt").ok());
    ASSERT_EQ(list.ColumnCount(), 23);
    EXPECT_EQ(list.Column(0).Name, "Key");
    EXPECT_EQ(list.Column(11).Name, "Date Added");  // the sort column of a new database

    std::set<int> custom_slots;
    for (const core::VideoColumn& column : list.Columns()) {
        std::optional<int> built_in = core::BuiltInSlotOf(column.Name);
        if (built_in) {
            EXPECT_EQ(*built_in, column.FileSlot) << column.Name;
            EXPECT_FALSE(column.Custom) << column.Name;
        } else {
            EXPECT_TRUE(column.Custom) << column.Name;
            EXPECT_LE(column.Name.size(), 14u);
            custom_slots.insert(column.FileSlot);
        }
    }
    EXPECT_EQ(custom_slots, (std::set<int>{6, 7, 8, 9, 10, 14, 15}));

    // Reading and writing it again changes nothing: the file is in the written layout.
    std::ostringstream out;
    core::WriteHeader(list, out);
    EXPECT_EQ(out.str(), ReadFileBytes(kData + "/cfg/mlh.txt"));
}

TEST(ShippedFiles, ServiceFileNamesEveryAddress) {
    config::ServiceConfig service;
    ASSERT_TRUE(config::ReadServiceConfig(service, kData + "/cfg/service.txt", "").ok());
    EXPECT_FALSE(service.base_url.empty());
    EXPECT_FALSE(service.image_base_url.empty());
    EXPECT_FALSE(service.product_site_url.empty());
    EXPECT_FALSE(service.product_site_name.empty());
}

}  // namespace
