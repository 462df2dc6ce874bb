#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "vdb/catalogue.h"
#include "vdb/sqlite_statement.h"

namespace vdb {

// The catalogue in one SQLite file. Requests on several threads each borrow one of a few
// connections; readers run side by side (write-ahead log) while a writer works.
class SqliteCatalogue final : public Catalogue {
  public:
    // Opens or creates the file and its tables. Throws CatalogueError.
    explicit SqliteCatalogue(const std::string& path, int connections = 4);
    ~SqliteCatalogue() override;

    SearchPage Search(const Query& query) override;
    std::optional<Title> Get(std::int64_t id) override;
    std::optional<Cover> CoverOf(std::int64_t id) override;
    std::int64_t TitleCount() override;
    ImportCount Add(const std::vector<NewTitle>& titles) override;
    int Rate(const std::vector<RatedTitle>& titles, int stars) override;
    void Advise(std::string_view find, std::string_view look_in) override;
    void AddFeedback(std::string_view topic, std::string_view message) override;

  private:
    class Lease;
    std::unique_ptr<SqliteConnection> Borrow();
    void Return(std::unique_ptr<SqliteConnection> connection);

    std::string path_;
    std::mutex mutex_;
    std::condition_variable returned_;
    std::vector<std::unique_ptr<SqliteConnection>> idle_;
};

}  // namespace vdb
