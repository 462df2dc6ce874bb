// Many clients at once: every query answered whole.
#include <atomic>
#include <thread>

#include "vdb_service.h"

namespace {

class Load : public VdbService {};

TEST_F(Load, EightClientsOfFiveHundredQueriesEachAllSucceed) {
    std::vector<vdb::TitleText> films;
    for (int i = 0; i < 600; ++i) {
        films.push_back({std::to_string(1950 + i % 60), "Film " + std::to_string(i), "", "PG", "",
                         "Director " + std::to_string(i % 7), "", "", "Drama", "A synopsis."});
    }
    Add(films);
    constexpr int kClients = 8;
    constexpr int kQueries = 500;
    std::atomic<int> failures{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c) {
        clients.emplace_back([&, c] {
            httplib::Client client("127.0.0.1", server_->port());
            client.set_read_timeout(30, 0);
            for (int q = 0; q < kQueries; ++q) {
                const std::string path =
                    "/rd/1.0/action/list.pl?f=" + std::to_string((c + q) % 10) +
                    "&c=All&s=Year&l=20&st=" + std::to_string(q % 5 * 20) + "&mc=0&u=urd1&p=pzt7";
                const httplib::Result result = client.Get(path.c_str());
                if (!result || result->status != 200 || result->body.empty() ||
                    result->body.back() != '\n') {
                    ++failures;
                }
            }
        });
    }
    for (std::thread& client : clients) client.join();
    EXPECT_EQ(failures.load(), 0);
}

}  // namespace
