#include "vdb/server.h"

#include <httplib.h>

#include <charconv>
#include <iostream>
#include <thread>

#include "vdb/cover_names.h"
#include "vdb/html_pages.h"
#include "vdb/poster.h"
#include "vdb/request_params.h"
#include "vdb/results_file.h"

namespace vdb {
namespace {

constexpr std::size_t kMaxBody = 64 * 1024;  // only the feedback form sends a body
constexpr std::size_t kMaxFeedback = 4000;
constexpr int kBrowserPageSize = 50;
constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr const char* kText = "text/plain; charset=utf-8";

std::optional<std::int64_t> PositiveId(const std::string& text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1) {
        return std::nullopt;
    }
    return value;
}

void ReplyHtml(httplib::Response& res, std::string page, int status = 200) {
    res.status = status;
    res.set_header("Cache-Control", "no-store");
    res.set_content(std::move(page), kHtml);
}

void ReplyText(httplib::Response& res, std::string text, int status = 200) {
    res.status = status;
    res.set_header("Cache-Control", "no-store");
    res.set_content(std::move(text), kText);
}

std::string StatusHeading(int status) {
    switch (status) {
        case 400:
            return "Bad request";
        case 404:
            return "Not found";
        case 413:
            return "Request too large";
        case 414:
            return "Address too long";
        default:
            return status >= 500 ? "Service error" : "Request refused";
    }
}

}  // namespace

struct Server::Impl {
    Impl(Catalogue& catalogue, ServerOptions options)
        : catalogue(catalogue), options(std::move(options)) {}

    void Configure();
    void Routes();
    void List(const httplib::Request& req, httplib::Response& res);
    void BrowserList(const httplib::Request& req, httplib::Response& res);
    void Preview(const httplib::Request& req, httplib::Response& res);
    void Advise(const httplib::Request& req, httplib::Response& res);
    void Rate(const httplib::Request& req, httplib::Response& res);
    void CoverImage(const httplib::Request& req, httplib::Response& res);
    void Ranked(httplib::Response& res, std::string_view heading, SortOrder order);

    Catalogue& catalogue;
    ServerOptions options;
    httplib::Server http;
    PosterCache posters;
    std::thread thread;
    int port = -1;
};

void Server::Impl::Configure() {
    const int threads = std::max(1, options.threads);
    http.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
    const auto seconds = static_cast<time_t>(options.timeout.count());
    http.set_read_timeout(seconds, 0);
    http.set_write_timeout(seconds, 0);
    // An idle connection gives its thread back soon.
    http.set_keep_alive_timeout(2);
    http.set_keep_alive_max_count(100);
    http.set_payload_max_length(kMaxBody);
    http.set_error_handler(
        httplib::Server::HandlerWithResponse([](const httplib::Request&, httplib::Response& res) {
            // Never the request's own text: a fixed page per status.
            if (res.body.empty()) {
                ReplyHtml(res,
                          MessagePage(StatusHeading(res.status),
                                      "The service cannot answer this request."),
                          res.status);
            }
            return httplib::Server::HandlerResponse::Handled;
        }));
    http.set_exception_handler(
        [](const httplib::Request&, httplib::Response& res, std::exception_ptr error) {
            try {
                if (error) std::rethrow_exception(error);
            } catch (const std::exception& e) {
                std::cerr << "reeldeck-vdb: " << e.what() << '\n';
            } catch (...) {
                std::cerr << "reeldeck-vdb: unknown failure\n";
            }
            ReplyHtml(res, MessagePage("Service error", "The request could not be served."), 500);
        });
}

void Server::Impl::Routes() {
    using Request = const httplib::Request&;
    using Response = httplib::Response&;
    http.Get("/rd/1.0/action/list.pl", [this](Request req, Response res) {
        // The wizard always sends "f"; the program's HTML lists link with "t" or "c" alone.
        if (!req.has_param("f") && (req.has_param("t") || req.has_param("c"))) {
            BrowserList(req, res);
        } else {
            List(req, res);
        }
    });
    http.Get("/rd/1.0/action/preview.pl", [this](Request req, Response res) { Preview(req, res); });
    http.Get("/rd/1.0/action/advise.pl", [this](Request req, Response res) { Advise(req, res); });
    http.Get("/rd/1.0/action/rate_videos.pl",
             [this](Request req, Response res) { Rate(req, res); });
    http.Get("/rd/1.0/vidwiz/sip.html",
             [](Request, Response res) { ReplyHtml(res, SearchInProgressPage()); });
    http.Get("/rd/1.0/vidwiz/sipidle.html",
             [](Request, Response res) { ReplyHtml(res, IdlePage()); });
    http.Get(R"(/images/(\d{1,12})/([0-9]{1,19}\.[a-z]{3}))",
             [this](Request req, Response res) { CoverImage(req, res); });

    http.Get("/",
             [this](Request, Response res) { ReplyHtml(res, HomePage(catalogue.TitleCount())); });
    http.Get("/vdb/", [this](Request req, Response res) {
        std::string error;
        std::optional<Query> query = ParseListQuery(req.params, error);
        if (!query) return ReplyHtml(res, MessagePage("Bad request", error), 400);
        if (!req.has_param("f")) {
            return ReplyHtml(res, BrowserSearchPage("", "All", nullptr));
        }
        query->count = kBrowserPageSize;
        const SearchPage results = catalogue.Search(*query);
        ReplyHtml(res, BrowserSearchPage(query->find, Param(req.params, "c"), &results));
    });
    http.Get("/vdb/boxoffice/",
             [this](Request, Response res) { Ranked(res, "Best rated", SortOrder::kRating); });
    http.Get("/vdb/upcoming/",
             [this](Request, Response res) { Ranked(res, "Newest", SortOrder::kNewest); });
    http.Get("/rd/1.0/guide/", [](Request, Response res) { ReplyHtml(res, GuidePage()); });
    http.Get("/rd/1.0/upgrade/", [](Request, Response res) { ReplyHtml(res, UpgradePage()); });
    http.Get("/contact/", [](Request req, Response res) {
        const auto param = [&](const char* name) { return Param(req.params, name).substr(0, 200); };
        ReplyHtml(res, FeedbackPage(param("pr"), param("ca"), param("os"), param("ra")));
    });
    http.Post("/contact/", [this](Request req, Response res) {
        const std::string message = Param(req.params, "message");
        if (message.empty() || message.size() > kMaxFeedback) {
            return ReplyHtml(
                res,
                MessagePage("Feedback not sent", "Write a message of at most 4000 characters."),
                400);
        }
        catalogue.AddFeedback(Param(req.params, "topic").substr(0, 200), message);
        ReplyHtml(res, MessagePage("Thank you", "Your feedback has been sent."));
    });
}

void Server::Impl::List(const httplib::Request& req, httplib::Response& res) {
    std::string error;
    const std::optional<Query> query = ParseListQuery(req.params, error);
    if (!query) return ReplyText(res, error + "\n", 400);
    ReplyText(res, ResultsFile(catalogue.Search(*query)));
}

void Server::Impl::BrowserList(const httplib::Request& req, httplib::Response& res) {
    Query query;
    query.count = kBrowserPageSize;
    const bool by_title = req.has_param("t");
    query.find = Param(req.params, by_title ? "t" : "c");
    query.look_in = by_title ? Column::kTitle : Column::kCategory;
    if (query.find.size() > kMaxFindLength) {
        return ReplyHtml(res, MessagePage("Bad request", "The search text is too long."), 400);
    }
    const SearchPage results = catalogue.Search(query);
    ReplyHtml(res, Page("Reeldeck Video Database",
                        "<h1>" + std::string(by_title ? "Titles" : "Category") + ": " +
                            HtmlEscape(query.find) + "</h1>\n" + TitleTable(results)));
}

void Server::Impl::Preview(const httplib::Request& req, httplib::Response& res) {
    const std::optional<std::int64_t> id = PositiveId(Param(req.params, "v"));
    if (!id) return ReplyHtml(res, MessagePage("Bad request", "No video was named."), 400);
    const std::optional<Title> title = catalogue.Get(*id);
    if (!title) {
        return ReplyHtml(res, MessagePage("Not found", "This video is not in the database."), 404);
    }
    ReplyHtml(res, PreviewPage(*title, options.image_base));
}

void Server::Impl::Advise(const httplib::Request& req, httplib::Response& res) {
    const std::string find = Param(req.params, "f");
    const std::string look_in = Param(req.params, "c");
    if (find.empty() || look_in.empty()) {
        return ReplyText(res, "Name a title and a column.\n", 400);
    }
    if (find.size() > kMaxFindLength || look_in.size() > 64) {
        return ReplyText(res, "The text is too long.\n", 400);
    }
    catalogue.Advise(find, look_in);
    ReplyText(res, "OK\n");
}

void Server::Impl::Rate(const httplib::Request& req, httplib::Response& res) {
    const std::string stars = Param(req.params, "r");
    if (stars.size() != 1 || stars[0] < '1' || stars[0] > '5') {
        return ReplyText(res, "A rating is 1 to 5 stars.\n", 400);
    }
    const int rated = catalogue.Rate(ParseRatedTitles(Param(req.params, "vals")), stars[0] - '0');
    ReplyText(res, "Rated " + std::to_string(rated) + "\n");
}

void Server::Impl::CoverImage(const httplib::Request& req, httplib::Response& res) {
    const std::optional<CoverPath> path =
        ParseCoverPath(req.matches[1].str(), req.matches[2].str());
    const std::optional<Title> title = path ? catalogue.Get(path->id) : std::nullopt;
    if (!title || CoverFileName(*title) != req.matches[2].str()) {
        res.status = 404;
        return;
    }
    std::string bytes;
    if (!title->cover_extension.empty()) {
        if (std::optional<Cover> cover = catalogue.CoverOf(title->id))
            bytes = std::move(cover->bytes);
    } else {
        bytes = posters.PosterFor(title->id, title->text.title, title->text.year);
    }
    if (bytes.empty()) {
        res.status = 404;
        return;
    }
    res.set_header("Cache-Control", "max-age=86400");
    res.set_content(std::move(bytes), std::string(CoverMediaType(path->extension)).c_str());
}

void Server::Impl::Ranked(httplib::Response& res, std::string_view heading, SortOrder order) {
    Query query;
    query.sort = order;
    query.count = kBrowserPageSize;
    const SearchPage results = catalogue.Search(query);
    ReplyHtml(res, Page(heading, "<h1>" + HtmlEscape(heading) + "</h1>\n" + TitleTable(results)));
}

Server::Server(Catalogue& catalogue, ServerOptions options)
    : impl_(std::make_unique<Impl>(catalogue, std::move(options))) {
    impl_->Configure();
    impl_->Routes();
}

Server::~Server() {
    Stop();
}

int Server::Bind(std::string& error) {
    const std::string& address = impl_->options.address;
    impl_->port =
        impl_->options.port == 0
            ? impl_->http.bind_to_any_port(address)
            : (impl_->http.bind_to_port(address, impl_->options.port) ? impl_->options.port : -1);
    if (impl_->port < 0) {
        error = "cannot listen on " + address + " port " + std::to_string(impl_->options.port) +
                " (is the address right and the port free?)";
    }
    return impl_->port;
}

bool Server::Serve() {
    return impl_->http.listen_after_bind();
}

bool Server::Start(std::string& error) {
    if (Bind(error) < 0) return false;
    impl_->thread = std::thread([this] { Serve(); });
    // stop() does nothing until the server runs, so wait for that.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!impl_->http.is_running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!impl_->http.is_running()) error = "the server did not start";
    return impl_->http.is_running();
}

void Server::Stop() {
    impl_->http.stop();
    if (impl_->thread.joinable()) impl_->thread.join();
}

int Server::port() const {
    return impl_->port;
}

}  // namespace vdb
