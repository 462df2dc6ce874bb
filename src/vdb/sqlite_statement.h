#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// Thin owners of an SQLite connection and its prepared statements; every failure throws
// CatalogueError with SQLite's own message.
namespace vdb {

class SqliteConnection {
  public:
    explicit SqliteConnection(const std::string& path);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    void Execute(const char* sql);  // statements without parameters or results
    sqlite3* handle() const { return db_; }
    std::int64_t LastInsertId() const;
    [[noreturn]] void Fail(std::string_view what) const;

  private:
    sqlite3* db_ = nullptr;
    std::string path_;
};

class SqliteStatement {
  public:
    SqliteStatement(SqliteConnection& connection, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Parameters count from 1, as in the SQL text.
    SqliteStatement& Bind(int index, std::string_view text);
    SqliteStatement& Bind(int index, std::int64_t value);
    SqliteStatement& BindBlob(int index, std::string_view bytes);

    bool Step();  // true while a row is ready
    void Run() { Step(); }
    void Reset();

    std::string Text(int column) const;
    std::int64_t Integer(int column) const;

  private:
    SqliteConnection& connection_;
    sqlite3_stmt* statement_ = nullptr;
};

// Commits when Commit() is called, else rolls back on destruction.
class SqliteTransaction {
  public:
    SqliteTransaction(SqliteConnection& connection, bool write);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;
    void Commit();

  private:
    SqliteConnection& connection_;
    bool open_ = true;
};

}  // namespace vdb
