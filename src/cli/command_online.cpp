// online-search and online-add: the Video Import Wizard's search and adding, without a window.
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "app/image_undo.h"
#include "cli/commands.h"
#include "config/recent_databases.h"
#include "config/service_config.h"
#include "core/paths.h"
#include "core/text.h"
#include "platform/curl_downloader.h"
#include "wizard/cover_queue.h"
#include "wizard/paging.h"
#include "wizard/query_worker.h"
#include "wizard/service_addresses.h"

namespace cli {
namespace {

// The companion has no picture library: a cover that is not JPEG, GIF or BMP is not stored.
class NoImageConverter final : public platform::ImageConverter {
  public:
    bool ConvertToJpeg(const std::string&, const std::string&) override { return false; }
};

// Answers the "title already exists" question as --on-duplicate says.
class FixedDuplicateAnswer final : public wizard::DuplicateQuestion {
  public:
    explicit FixedDuplicateAnswer(wizard::DuplicateChoice choice) : choice_(choice) {}
    wizard::DuplicateChoice Ask(std::string_view) override { return choice_; }

  private:
    wizard::DuplicateChoice choice_;
};

config::ServiceConfig ServiceOf(const CliContext& context) {
    config::ServiceConfig service;
    const char* override_url = std::getenv("REELDECK_SERVICE_URL");
    config::ReadServiceConfig(service, context.paths().service, override_url ? override_url : "");
    if (service.base_url.empty()) {
        throw CliError{context.paths().service +
                       ": no BASE_URL of the video database service (or set "
                       "REELDECK_SERVICE_URL)"};
    }
    return service;
}

// A choice of a wizard choice file, as given or ignoring case; names the choices otherwise.
std::string ChoiceNamed(const std::vector<std::string>& choices, const std::string& name,
                        const char* option) {
    for (const std::string& choice : choices) {
        if (choice == name) return choice;
    }
    for (const std::string& choice : choices) {
        if (core::EqualsNoCase(choice, name)) return choice;
    }
    std::string names;
    for (const std::string& choice : choices) names += (names.empty() ? "" : ", ") + choice;
    throw CliError{std::string(option) + " \"" + name + "\" is not offered (choices: " + names +
                   ")"};
}

long long NumberOption(const CliContext& context, const char* option, long long low, long long high,
                       long long fallback) {
    const std::optional<std::string> text = context.arguments().Value(option);
    if (!text) return fallback;
    long long value = 0;
    std::size_t used = 0;
    try {
        value = std::stoll(*text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text->size() || value < low || value > high) {
        throw CliError{std::string(option) + " takes a number from " + std::to_string(low) +
                       " to " + std::to_string(high)};
    }
    return value;
}

// Runs the search of the command line; throws when the service cannot be reached.
wizard::QueryOutcome SearchOnline(const CliContext& context, const config::ServiceConfig& service,
                                  const std::string& text, std::int64_t& start) {
    const std::string folder = core::JoinPath(context.paths().folder, "vidwiz");
    std::vector<std::string> look_in = {"All"};
    std::vector<std::string> sort_by;
    config::LoadHistory(look_in, core::JoinPath(folder, "tcolumns.txt"));
    config::LoadHistory(sort_by, core::JoinPath(folder, "scolumns.txt"));

    wizard::QueryForm form;
    form.find = text;
    form.look_in = ChoiceNamed(look_in, context.arguments().Value("--in").value_or("All"), "--in");
    const std::string sort = context.arguments().Value("--sort").value_or(
        sort_by.empty() ? std::string() : sort_by.front());
    form.sort_by = sort_by.empty() ? sort : ChoiceNamed(sort_by, sort, "--sort");
    form.list_count = static_cast<int>(
        NumberOption(context, "--count", wizard::kMinListCount, wizard::kMaxListCount,
                     wizard::ClampListCount(context.config().vidwiz_results_list_count)));
    form.match_case = context.arguments().Has("--match-case");
    start = NumberOption(context, "--start", 0, 1'000'000'000, 0);
    if (form.find.empty()) throw CliError{"TEXT is empty: nothing to search for"};

    const wizard::Address address = wizard::QueryAddress(service.base_url, form, start);
    if (!address.ok()) throw CliError{address.error};
    // A reply file of our own: the desktop program may be searching at the same time.
    const std::string reply = (std::filesystem::temp_directory_path() /
                               ("reeldeck-results-" + std::to_string(getpid()) + ".txt"))
                                  .string();
    platform::CurlDownloader downloader;
    wizard::QueryOutcome outcome = wizard::FetchResults(downloader, address.text, reply, {});
    std::error_code error;
    std::filesystem::remove(reply, error);
    if (outcome.kind == wizard::QueryOutcome::Kind::kConnectionError) {
        throw CliError{"cannot reach the Reeldeck Video Database at " + service.base_url + ": " +
                       outcome.reason};
    }
    return outcome;
}

std::set<std::string> PickedIds(const CliContext& context) {
    const std::optional<std::string> pick = context.arguments().Value("--pick");
    if (!pick || pick->empty())
        throw CliError{"--pick names the results to add: --pick ID[,ID...]"};
    std::set<std::string> ids;
    std::size_t begin = 0;
    while (begin <= pick->size()) {
        const std::size_t comma = std::min(pick->find(',', begin), pick->size());
        if (comma > begin) ids.insert(pick->substr(begin, comma - begin));
        begin = comma + 1;
    }
    return ids;
}

wizard::DuplicateChoice DuplicateChoiceOf(const CliContext& context) {
    const std::string choice = context.arguments().Value("--on-duplicate").value_or("skip");
    if (choice == "add") return wizard::DuplicateChoice::kAddNew;
    if (choice == "replace") return wizard::DuplicateChoice::kReplace;
    if (choice == "skip") return wizard::DuplicateChoice::kSkip;
    throw CliError{"--on-duplicate takes add, replace or skip"};
}

}  // namespace

void RunOnlineSearch(CliContext& context, std::ostream& out) {
    RequireOperands(context, 1,
                    "online-search TEXT [--in COLUMN] [--sort CHOICE] [--count N] [--start N] "
                    "[--match-case]");
    const config::ServiceConfig service = ServiceOf(context);
    std::int64_t start = 0;
    const wizard::QueryOutcome outcome =
        SearchOnline(context, service, context.arguments().operands[0], start);
    out << outcome.reply.total << '\n';
    for (const wizard::ResultRow& row : outcome.reply.rows) {
        out << row[wizard::kId] << '|' << row[wizard::kYear] << '|' << row[wizard::kTitle] << '|'
            << row[wizard::kDuration] << '|' << row[wizard::kMpaa] << '|' << row[wizard::kCategory]
            << '\n';
    }
}

void RunOnlineAdd(CliContext& context, std::ostream& out) {
    RequireOperands(context, 2,
                    "online-add DB TEXT --pick ID[,ID...] [--wanted] "
                    "[--on-duplicate add|replace|skip] [search options]");
    const std::set<std::string> ids = PickedIds(context);
    const wizard::DuplicateChoice on_duplicate = DuplicateChoiceOf(context);
    const config::ServiceConfig service = ServiceOf(context);
    context.Open(context.arguments().operands[0]);
    context.RequireFullAccess();
    app::Session& session = context.session();

    std::int64_t start = 0;
    const wizard::QueryOutcome outcome =
        SearchOnline(context, service, context.arguments().operands[1], start);
    std::vector<wizard::ResultRow> picked;
    std::set<std::string> found;
    for (const wizard::ResultRow& row : outcome.reply.rows) {
        if (ids.count(row[wizard::kId]) && found.insert(row[wizard::kId]).second) {
            picked.push_back(row);
        }
    }
    for (const std::string& id : ids) {
        if (!found.count(id)) throw CliError{"result " + id + " is not among the results found"};
    }

    // Questions about duplicates are answered as --on-duplicate says, the one about removing an
    // added title from Wanted Videos by --yes; the closing messages are the report printed below.
    const bool wanted = context.arguments().Has("--wanted");
    CliPrompts answers;
    answers.SetConfirmed(wanted ? on_duplicate == wizard::DuplicateChoice::kAddNew
                                : context.arguments().Has("--yes"));
    platform::NoProgress progress;
    if (wanted) {
        const int added = wizard::AddToWanted(session, answers, progress, picked);
        if (added > 0) SaveOpenDatabase(context);
        out << added << " titles added to Wanted Videos\n";
        return;
    }
    FixedDuplicateAnswer question(on_duplicate);
    const wizard::AddOutcome added = wizard::AddToMyVideos(session, answers, question, progress,
                                                           picked, {}, service.image_base_url);
    platform::CurlDownloader downloader;
    NoImageConverter converter;
    const wizard::CoverRun covers = wizard::DownloadCovers(
        downloader, converter, session.ImageFolder, app::ImageUndoOf(session), added.covers, {}, {},
        {}, std::chrono::milliseconds(0));
    if (added.Changed()) SaveOpenDatabase(context);
    out << added.added << " records added, " << added.replaced << " replaced, " << covers.stored
        << " of " << added.covers.size() << " covers stored\n";
}

}  // namespace cli
