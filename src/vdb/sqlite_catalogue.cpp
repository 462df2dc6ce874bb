#include "vdb/sqlite_catalogue.h"

#include <ctime>

#include "core/text.h"

namespace vdb {
namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS titles(
    id INTEGER PRIMARY KEY,
    year TEXT NOT NULL DEFAULT '',
    title TEXT NOT NULL,
    duration TEXT NOT NULL DEFAULT '',
    mpaa TEXT NOT NULL DEFAULT '',
    actors TEXT NOT NULL DEFAULT '',
    director TEXT NOT NULL DEFAULT '',
    producer TEXT NOT NULL DEFAULT '',
    writer TEXT NOT NULL DEFAULT '',
    category TEXT NOT NULL DEFAULT '',
    synopsis TEXT NOT NULL DEFAULT '',
    cover_extension TEXT NOT NULL DEFAULT '',
    rating_sum INTEGER NOT NULL DEFAULT 0,
    rating_count INTEGER NOT NULL DEFAULT 0);
CREATE INDEX IF NOT EXISTS titles_by_name ON titles(title COLLATE NOCASE, year);
CREATE TABLE IF NOT EXISTS covers(
    title_id INTEGER PRIMARY KEY REFERENCES titles(id),
    bytes BLOB NOT NULL);
CREATE TABLE IF NOT EXISTS ratings(
    id INTEGER PRIMARY KEY,
    title_id INTEGER NOT NULL REFERENCES titles(id),
    stars INTEGER NOT NULL,
    rated_at INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS advice(
    id INTEGER PRIMARY KEY,
    find TEXT NOT NULL,
    look_in TEXT NOT NULL,
    advised_at INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS feedback(
    id INTEGER PRIMARY KEY,
    topic TEXT NOT NULL,
    message TEXT NOT NULL,
    sent_at INTEGER NOT NULL);
)sql";

constexpr const char* kTitleColumns =
    "id, year, title, duration, mpaa, actors, director, producer, writer, category, synopsis, "
    "cover_extension, rating_sum, rating_count";

std::string_view SqlColumn(Column column) {
    switch (column) {
        case Column::kTitle:
            return "title";
        case Column::kYear:
            return "year";
        case Column::kCast:
            return "actors";
        case Column::kDirector:
            return "director";
        case Column::kProducer:
            return "producer";
        case Column::kWriter:
            return "writer";
        case Column::kCategory:
            return "category";
        case Column::kMpaa:
            return "mpaa";
        case Column::kSynopsis:
            return "synopsis";
    }
    return "title";
}

std::string_view SqlOrder(SortOrder order) {
    switch (order) {
        case SortOrder::kTitle:
            return "title COLLATE NOCASE, year, id";
        case SortOrder::kYear:
            return "year, title COLLATE NOCASE, id";
        case SortOrder::kMpaa:
            return "mpaa COLLATE NOCASE, title COLLATE NOCASE, id";
        case SortOrder::kDuration:
            return "duration, title COLLATE NOCASE, id";
        case SortOrder::kCategory:
            return "category COLLATE NOCASE, title COLLATE NOCASE, id";
        case SortOrder::kRating:
            return "rating_count = 0, rating_sum * 1.0 / max(rating_count, 1) DESC, "
                   "rating_count DESC, title COLLATE NOCASE, id";
        case SortOrder::kNewest:
            return "year DESC, title COLLATE NOCASE, id";
    }
    return "id";
}

// The WHERE clause of a query; its one parameter ?1 is FindParameter(). Only fixed column names
// go into the SQL text. LIKE folds ASCII letters only, as the program does; instr() keeps case.
std::string MatchClause(const Query& query) {
    if (query.find.empty()) return "?1 = ''";
    const auto one = [&](Column column) {
        const std::string name(SqlColumn(column));
        return query.match_case ? "instr(" + name + ", ?1) > 0" : name + " LIKE ?1 ESCAPE '\\'";
    };
    if (query.look_in) return one(*query.look_in);
    std::string clause;
    for (Column column :
         {Column::kTitle, Column::kYear, Column::kCast, Column::kDirector, Column::kProducer,
          Column::kWriter, Column::kCategory, Column::kMpaa, Column::kSynopsis}) {
        clause += (clause.empty() ? "(" : " OR ") + one(column);
    }
    return clause + ")";
}

// The find text as it is for instr(), or as a LIKE pattern that matches it anywhere.
std::string FindParameter(const Query& query) {
    if (query.match_case || query.find.empty()) return query.find;
    std::string pattern = "%";
    for (char c : query.find) {
        if (c == '%' || c == '_' || c == '\\') pattern += '\\';
        pattern += c;
    }
    return pattern + "%";
}

Title TitleOf(const SqliteStatement& row) {
    Title title;
    title.id = row.Integer(0);
    TitleText& text = title.text;
    std::string* fields[] = {&text.year,     &text.title,    &text.duration,        &text.mpaa,
                             &text.cast,     &text.director, &text.producer,        &text.writer,
                             &text.category, &text.synopsis, &title.cover_extension};
    int column = 1;
    for (std::string* field : fields) *field = row.Text(column++);
    title.rating_sum = row.Integer(12);
    title.rating_count = row.Integer(13);
    return title;
}

// "Abyss, The" (a title as a list with the article at the back keeps it) is "The Abyss".
std::string ArticleInFront(std::string_view title) {
    for (std::string_view article : {"The", "A", "An"}) {
        const std::string tail = ", " + std::string(article);
        if (title.size() > tail.size() &&
            core::EqualsNoCase(title.substr(title.size() - tail.size()), tail)) {
            return std::string(title.substr(title.size() - article.size())) + " " +
                   std::string(title.substr(0, title.size() - tail.size()));
        }
    }
    return {};
}

std::int64_t Now() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace

// A borrowed connection, given back when the lease ends.
class SqliteCatalogue::Lease {
  public:
    explicit Lease(SqliteCatalogue& owner) : owner_(owner), connection_(owner.Borrow()) {}
    ~Lease() { owner_.Return(std::move(connection_)); }
    SqliteConnection& operator*() { return *connection_; }

  private:
    SqliteCatalogue& owner_;
    std::unique_ptr<SqliteConnection> connection_;
};

SqliteCatalogue::SqliteCatalogue(const std::string& path, int connections) : path_(path) {
    auto first = std::make_unique<SqliteConnection>(path);
    first->Execute("PRAGMA journal_mode=WAL");
    first->Execute("PRAGMA synchronous=NORMAL");
    first->Execute(kSchema);
    idle_.push_back(std::move(first));
    for (int i = 1; i < connections; ++i) {
        idle_.push_back(std::make_unique<SqliteConnection>(path));
    }
}

SqliteCatalogue::~SqliteCatalogue() = default;

std::unique_ptr<SqliteConnection> SqliteCatalogue::Borrow() {
    std::unique_lock lock(mutex_);
    returned_.wait(lock, [this] { return !idle_.empty(); });
    std::unique_ptr<SqliteConnection> connection = std::move(idle_.back());
    idle_.pop_back();
    return connection;
}

void SqliteCatalogue::Return(std::unique_ptr<SqliteConnection> connection) {
    {
        std::lock_guard lock(mutex_);
        idle_.push_back(std::move(connection));
    }
    returned_.notify_one();
}

SearchPage SqliteCatalogue::Search(const Query& query) {
    Lease db(*this);
    const std::string where = MatchClause(query);
    const std::string find = FindParameter(query);
    SearchPage page;
    // Counting apart keeps the page query a top-N sort (or an index walk for the title order),
    // much cheaper than a count over the window; one read transaction makes them agree.
    SqliteTransaction reading(*db, false);
    SqliteStatement count(*db, "SELECT count(*) FROM titles WHERE " + where);
    count.Bind(1, find);
    if (count.Step()) page.total = count.Integer(0);
    if (query.start < page.total) {
        SqliteStatement rows(*db, std::string("SELECT ") + kTitleColumns + " FROM titles WHERE " +
                                      where + " ORDER BY " + std::string(SqlOrder(query.sort)) +
                                      " LIMIT ?2 OFFSET ?3");
        rows.Bind(1, find).Bind(2, std::int64_t{query.count}).Bind(3, query.start);
        while (rows.Step()) page.titles.push_back(TitleOf(rows));
    }
    reading.Commit();
    return page;
}

std::optional<Title> SqliteCatalogue::Get(std::int64_t id) {
    Lease db(*this);
    SqliteStatement row(*db, std::string("SELECT ") + kTitleColumns + " FROM titles WHERE id = ?1");
    row.Bind(1, id);
    if (!row.Step()) return std::nullopt;
    return TitleOf(row);
}

std::optional<Cover> SqliteCatalogue::CoverOf(std::int64_t id) {
    Lease db(*this);
    SqliteStatement row(*db,
                        "SELECT covers.bytes, titles.cover_extension FROM covers JOIN titles "
                        "ON titles.id = covers.title_id WHERE covers.title_id = ?1");
    row.Bind(1, id);
    if (!row.Step()) return std::nullopt;
    return Cover{row.Text(0), row.Text(1)};
}

std::int64_t SqliteCatalogue::TitleCount() {
    Lease db(*this);
    SqliteStatement count(*db, "SELECT count(*) FROM titles");
    return count.Step() ? count.Integer(0) : 0;
}

ImportCount SqliteCatalogue::Add(const std::vector<NewTitle>& titles) {
    Lease db(*this);
    SqliteTransaction writing(*db, true);
    SqliteStatement present(*db,
                            "SELECT 1 FROM titles WHERE title = ?1 COLLATE NOCASE AND year = ?2");
    SqliteStatement insert(*db,
                           "INSERT INTO titles(year, title, duration, mpaa, actors, director, "
                           "producer, writer, category, synopsis, cover_extension) "
                           "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)");
    SqliteStatement cover(*db, "INSERT INTO covers(title_id, bytes) VALUES(?1, ?2)");
    ImportCount counted;
    for (const NewTitle& title : titles) {
        const TitleText& t = title.text;
        present.Reset();
        present.Bind(1, t.title).Bind(2, t.year);
        if (present.Step()) {
            ++counted.already_present;
            continue;
        }
        insert.Reset();
        int index = 1;
        for (const std::string* field :
             {&t.year, &t.title, &t.duration, &t.mpaa, &t.cast, &t.director, &t.producer, &t.writer,
              &t.category, &t.synopsis}) {
            insert.Bind(index++, *field);
        }
        insert.Bind(11, title.cover ? std::string_view(title.cover->extension) : "");
        insert.Run();
        if (title.cover) {
            cover.Reset();
            cover.Bind(1, (*db).LastInsertId()).BindBlob(2, title.cover->bytes);
            cover.Run();
        }
        ++counted.added;
    }
    writing.Commit();
    return counted;
}

int SqliteCatalogue::Rate(const std::vector<RatedTitle>& titles, int stars) {
    if (stars < 1 || stars > 5) return 0;
    Lease db(*this);
    SqliteTransaction writing(*db, true);
    SqliteStatement find(*db,
                         "SELECT id FROM titles WHERE title = ?1 COLLATE NOCASE AND year = ?2 "
                         "ORDER BY id LIMIT 1");
    SqliteStatement insert(*db,
                           "INSERT INTO ratings(title_id, stars, rated_at) VALUES(?1, ?2, ?3)");
    SqliteStatement update(*db,
                           "UPDATE titles SET rating_sum = rating_sum + ?2, "
                           "rating_count = rating_count + 1 WHERE id = ?1");
    const auto find_id = [&](std::string_view title, std::string_view year) -> std::int64_t {
        if (title.empty()) return 0;
        find.Reset();
        find.Bind(1, title).Bind(2, year);
        return find.Step() ? find.Integer(0) : 0;
    };
    int rated = 0;
    for (const RatedTitle& title : titles) {
        std::int64_t id = find_id(title.title, title.year);
        if (id == 0) id = find_id(ArticleInFront(title.title), title.year);
        if (id == 0) continue;
        insert.Reset();
        insert.Bind(1, id).Bind(2, std::int64_t{stars}).Bind(3, Now()).Run();
        update.Reset();
        update.Bind(1, id).Bind(2, std::int64_t{stars}).Run();
        ++rated;
    }
    writing.Commit();
    return rated;
}

void SqliteCatalogue::Advise(std::string_view find, std::string_view look_in) {
    Lease db(*this);
    SqliteStatement insert(*db, "INSERT INTO advice(find, look_in, advised_at) VALUES(?1, ?2, ?3)");
    insert.Bind(1, find).Bind(2, look_in).Bind(3, Now()).Run();
}

void SqliteCatalogue::AddFeedback(std::string_view topic, std::string_view message) {
    Lease db(*this);
    SqliteStatement insert(*db, "INSERT INTO feedback(topic, message, sent_at) VALUES(?1, ?2, ?3)");
    insert.Bind(1, topic).Bind(2, message).Bind(3, Now()).Run();
}

}  // namespace vdb
