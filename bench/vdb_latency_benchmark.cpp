// Latency of the video database service under concurrent clients: eight clients send wizard
// searches over the shipped film list at the same time, and the p50 and p99 of their replies are
// printed beside those of the smallest page the service serves (the wizard's idle page), asked
// for the same way in the same run.
//
//   reeldeck-bench-vdb [--smoke]
//
// --smoke sends 25 requests per client instead of 500, to check that the benchmark still works.
// The numbers are reported, not judged.

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "bench/summary_table.h"
#include "temp_folder.h"
#include "vdb/server.h"
#include "vdb/sqlite_catalogue.h"
#include "vdb/title_import.h"

namespace {

constexpr int kClients = 8;

struct Latencies {
    std::vector<double> seconds;
    int failures = 0;
};

// The wizard's requests: several search texts, columns, sort orders and pages.
std::string SearchPath(int client, int request) {
    static const char* kFinds[] = {"the",   "star", "love",  "a",         "man",
                                   "night", "1998", "drama", "spielberg", "zz"};
    static const char* kColumns[] = {"All", "Title", "Director", "Category"};
    static const char* kSorts[] = {"Title",    "Year",     "MPAA%20Rating",
                                   "Duration", "Category", "Rating"};
    const int n = client * 7919 + request;
    return std::string("/rd/1.0/action/list.pl?f=") + kFinds[n % 10] +
           "&c=" + kColumns[n / 10 % 4] + "&s=" + kSorts[n / 40 % 6] +
           "&l=50&st=" + std::to_string(n % 3 * 50) + "&mc=0&u=urd1&p=pzt7";
}

Latencies Measure(int port, int requests, bool search) {
    std::vector<Latencies> per_client(kClients);
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c) {
        clients.emplace_back([&, c] {
            httplib::Client client("127.0.0.1", port);
            client.set_read_timeout(30, 0);
            for (int r = 0; r < requests; ++r) {
                const std::string path = search ? SearchPath(c, r) : "/rd/1.0/vidwiz/sipidle.html";
                const auto begin = std::chrono::steady_clock::now();
                const httplib::Result result = client.Get(path.c_str());
                const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
                if (!result || result->status != 200) ++per_client[c].failures;
                per_client[c].seconds.push_back(took.count());
            }
        });
    }
    for (std::thread& client : clients) client.join();
    Latencies all;
    for (const Latencies& one : per_client) {
        all.seconds.insert(all.seconds.end(), one.seconds.begin(), one.seconds.end());
        all.failures += one.failures;
    }
    std::sort(all.seconds.begin(), all.seconds.end());
    return all;
}

double Percentile(const Latencies& latencies, double fraction) {
    if (latencies.seconds.empty()) return 0;
    const auto index =
        static_cast<std::size_t>(fraction * static_cast<double>(latencies.seconds.size() - 1));
    return latencies.seconds[index];
}

void PrintRow(const std::string& measure, std::int64_t titles, double ours, double baseline) {
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%.2fx", baseline > 0 ? ours / baseline : 0.0);
    bench::PrintSummaryLine(measure, bench::Grouped(titles), bench::Milliseconds(ours),
                            bench::Milliseconds(baseline), ratio, "reported");
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<bool> smoke = bench::InitializeBenchmarks(argc, argv);
    if (!smoke) return 2;
    const int requests = *smoke ? 25 : 500;

    const vdb::TitlesRead films = vdb::ReadTitlesFile(REELDECK_VDB_FILMS);
    if (!films.ok()) {
        std::cerr << films.error << '\n';
        return 1;
    }
    TempFolder folder;
    vdb::SqliteCatalogue catalogue(folder / "catalogue.sqlite", kClients);
    catalogue.Add(films.titles);
    vdb::ServerOptions options;
    options.port = 0;
    options.threads = kClients;
    vdb::Server server(catalogue, options);
    std::string error;
    if (!server.Start(error)) {
        std::cerr << error << '\n';
        return 1;
    }

    const Latencies idle = Measure(server.port(), requests, false);
    const Latencies searches = Measure(server.port(), requests, true);
    server.Stop();

    const std::int64_t titles = catalogue.TitleCount();
    std::cout << "\nSummary (latency of one request, " << kClients << " clients x " << requests
              << " requests at the same time)\n";
    bench::PrintSummaryLine("Measure", "Titles", "Ours", "Baseline", "Ratio", "Target");
    PrintRow("Search p50", titles, Percentile(searches, 0.50), Percentile(idle, 0.50));
    PrintRow("Search p99", titles, Percentile(searches, 0.99), Percentile(idle, 0.99));
    std::cout << "Baseline: the wizard's idle page, asked for the same way in the same run.\n"
              << "Failed requests: " << searches.failures + idle.failures << '\n';
    return searches.failures + idle.failures == 0 ? 0 : 1;
}
