#include "vdb/sqlite_statement.h"

#include <sqlite3.h>

#include "vdb/catalogue.h"

namespace vdb {

SqliteConnection::SqliteConnection(const std::string& path) : path_(path) {
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        const std::string reason = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw CatalogueError(path + ": " + reason);
    }
    // Writers wait for each other instead of failing at once.
    sqlite3_busy_timeout(db_, 10000);
    sqlite3_extended_result_codes(db_, 1);
}

SqliteConnection::~SqliteConnection() {
    sqlite3_close(db_);
}

void SqliteConnection::Execute(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail("");
}

std::int64_t SqliteConnection::LastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

void SqliteConnection::Fail(std::string_view what) const {
    std::string message = path_ + ": ";
    if (!what.empty()) message.append(what).append(": ");
    throw CatalogueError(message + sqlite3_errmsg(db_));
}

SqliteStatement::SqliteStatement(SqliteConnection& connection, std::string_view sql)
    : connection_(connection) {
    if (sqlite3_prepare_v2(connection.handle(), sql.data(), static_cast<int>(sql.size()),
                           &statement_, nullptr) != SQLITE_OK) {
        connection.Fail("cannot prepare a statement");
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
    if (sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT,
                            SQLITE_UTF8) != SQLITE_OK) {
        connection_.Fail("cannot bind a value");
    }
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::int64_t value) {
    if (sqlite3_bind_int64(statement_, index, value) != SQLITE_OK) {
        connection_.Fail("cannot bind a value");
    }
    return *this;
}

SqliteStatement& SqliteStatement::BindBlob(int index, std::string_view bytes) {
    if (sqlite3_bind_blob64(statement_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT) !=
        SQLITE_OK) {
        connection_.Fail("cannot bind a value");
    }
    return *this;
}

bool SqliteStatement::Step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW) return true;
    if (result != SQLITE_DONE) connection_.Fail("");
    return false;
}

void SqliteStatement::Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

std::string SqliteStatement::Text(int column) const {
    // Blobs and texts alike: the bytes as stored.
    const void* bytes = sqlite3_column_blob(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    return bytes ? std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(size))
                 : std::string();
}

std::int64_t SqliteStatement::Integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

SqliteTransaction::SqliteTransaction(SqliteConnection& connection, bool write)
    : connection_(connection) {
    connection_.Execute(write ? "BEGIN IMMEDIATE" : "BEGIN");
}

SqliteTransaction::~SqliteTransaction() {
    if (open_) sqlite3_exec(connection_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::Commit() {
    connection_.Execute("COMMIT");
    open_ = false;
}

}  // namespace vdb
