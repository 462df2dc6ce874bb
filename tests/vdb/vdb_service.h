#pragma once

#include <gtest/gtest.h>
#include <httplib.h>

#include <memory>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "vdb/server.h"
#include "vdb/sqlite_catalogue.h"

// The service on 127.0.0.1 (a port the system picks) over a catalogue in a temporary folder,
// with a real HTTP client.
class VdbService : public ::testing::Test {
  protected:
    void SetUp() override {
        catalogue_ = std::make_unique<vdb::SqliteCatalogue>(folder_ / "catalogue.sqlite");
        vdb::ServerOptions options;
        options.port = 0;
        options.timeout = std::chrono::seconds(2);
        server_ = std::make_unique<vdb::Server>(*catalogue_, options);
        std::string error;
        ASSERT_TRUE(server_->Start(error)) << error;
    }
    void TearDown() override { server_->Stop(); }

    void Add(std::vector<vdb::TitleText> texts) {
        std::vector<vdb::NewTitle> titles;
        for (vdb::TitleText& text : texts) titles.push_back({std::move(text), std::nullopt});
        catalogue_->Add(titles);
    }

    // Titles with cases, line breaks, "|" and markup in their texts.
    void AddFiveTitles() {
        Add({{"1989", "The Abyss", "02:20:00", "PG-13", "Ed Harris", "James Cameron",
              "Gale Anne Hurd", "James Cameron", "Science Fiction", "Divers find something."},
             {"1979", "Alien", "01:57:00", "R", "Sigourney Weaver", "Ridley Scott", "",
              "Dan O'Bannon", "Horror", "In space."},
             {"1986", "aliens", "02:17:00", "R", "Sigourney Weaver", "James Cameron", "", "",
              "Action", ""},
             {"1992", "Tom | Jerry", "", "G", "", "", "", "", "Animation",
              "Line one\nLine two\r\nthree|four"},
             {"2001", "<b>Bold</b> & \"Co\"", "", "", "", "", "", "", "Comedy",
              "<script>x</script>"}});
    }

    struct Reply {
        int status = 0;  // 0: no reply
        std::string body;
        std::string type;
    };
    Reply Get(const std::string& path) const {
        httplib::Client client("127.0.0.1", server_->port());
        client.set_read_timeout(10, 0);
        const httplib::Result result = client.Get(path.c_str());
        if (!result) return {};
        return {result->status, result->body, result->get_header_value("Content-Type")};
    }

    // The results file of a search, its lines split into fields.
    struct Results {
        int status = 0;
        long long total = -1;
        std::vector<std::vector<std::string>> rows;
    };
    Results List(const std::string& query) const {
        const Reply reply = Get("/rd/1.0/action/list.pl?" + query + "&u=urd1&p=pzt7");
        Results results{reply.status, -1, {}};
        if (reply.status != 200) return results;
        std::size_t begin = reply.body.find('\n');
        results.total = std::stoll(reply.body.substr(0, begin));
        for (++begin; begin < reply.body.size();) {
            const std::size_t end = reply.body.find('\n', begin);
            std::vector<std::string> fields;
            std::size_t field = begin;
            for (std::size_t bar; (bar = reply.body.find('|', field)) < end; field = bar + 1) {
                fields.push_back(reply.body.substr(field, bar - field));
            }
            fields.push_back(reply.body.substr(field, end - field));
            results.rows.push_back(fields);
            begin = end + 1;
        }
        return results;
    }
    // One field of every row, in order.
    static std::vector<std::string> Column(const Results& results, int field) {
        std::vector<std::string> values;
        for (const auto& row : results.rows)
            values.push_back(row.at(static_cast<std::size_t>(field)));
        return values;
    }

    static std::string Encoded(const std::string& text) {
        static const char* kHex = "0123456789ABCDEF";
        std::string out;
        for (unsigned char c : text) {
            if (std::isalnum(c) || c == '-' || c == '_' || c == '.') {
                out += static_cast<char>(c);
            } else {
                (out += '%') += kHex[c >> 4];
                out += kHex[c & 15];
            }
        }
        return out;
    }

    TempFolder folder_;
    std::unique_ptr<vdb::SqliteCatalogue> catalogue_;
    std::unique_ptr<vdb::Server> server_;
};
