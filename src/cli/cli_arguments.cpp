#include "cli/cli_arguments.h"

#include <algorithm>

namespace cli {

bool CliArguments::Has(const std::string& flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

std::optional<std::string> CliArguments::Value(const std::string& option) const {
    auto found = values.find(option);
    if (found == values.end()) return std::nullopt;
    return found->second;
}

std::optional<CliArguments> ParseArguments(int argc, char** argv, std::string& error) {
    CliArguments arguments;
    bool options_end = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!options_end && arg == "--") {
            options_end = true;
        } else if (!options_end &&
                   (arg == "--user" || arg == "--password" || arg == "--in" || arg == "--theme" ||
                    arg == "--html" || arg == "--pdf" || arg == "--image-folder" ||
                    arg == "--program" || arg == "--map" || arg == "--sort" || arg == "--count" ||
                    arg == "--start" || arg == "--pick" || arg == "--on-duplicate")) {
            if (i + 1 >= argc) {
                error = "option " + arg + " needs a value";
                return std::nullopt;
            }
            if (arg == "--map") {
                arguments.repeated[arg].push_back(argv[++i]);
            } else if (arg != "--user" && arg != "--password") {
                arguments.values[arg] = argv[++i];
            } else {
                (arg == "--user" ? arguments.user : arguments.password) = argv[++i];
            }
        } else if (!options_end && arg.size() > 2 && arg.rfind("--", 0) == 0) {
            arguments.flags.push_back(arg);
        } else if (arguments.command.empty()) {
            arguments.command = arg;
        } else {
            arguments.operands.push_back(arg);
        }
    }
    return arguments;
}

std::string UsageText() {
    return "Usage: reeldeck-cli COMMAND [ARGUMENTS] [--user NAME --password PW]\n"
           "\n"
           "The headless companion of Reeldeck, the video collection catalogue.\n"
           "\n"
           "Commands:\n"
           "  info DB          show the database's files, counts, sort order and columns\n"
           "  copy SRC DST     write the whole database SRC, with its images and accounts,\n"
           "                   as DST\n"
           "  new DB           create an empty database (--yes to replace an existing one)\n"
           "  sync DB [--wanted] [--images]\n"
           "                   remove wanted titles already in My Videos (--wanted) and\n"
           "                   image files without a record or superseded (--images);\n"
           "                   both when neither is given\n"
           "  delete DB [--yes]\n"
           "                   delete the database's files and images (--yes confirms)\n"
           "  users DB         list the accounts (names and access, never passwords)\n"
           "  sort DB COLUMN [--descending]\n"
           "                   sort My Videos by a sortable column and save the new order\n"
           "  find DB TEXT [--in COLUMN] [--match-case] [--whole]\n"
           "                   print the titles of the records with a cell holding TEXT\n"
           "                   (--whole: a cell that is TEXT), in all searchable columns\n"
           "                   or only in COLUMN\n"
           "  replace DB WHAT WITH [--in COLUMN] [--match-case] [--whole]\n"
           "                   replace WHAT by WITH in every cell as find finds them, save,\n"
           "                   and print the number of records updated\n"
           "  list DB flagged|viewed|not-viewed|duplicates [--by-year]\n"
           "                   print the titles of the flagged, viewed or not viewed records,\n"
           "                   or of the records whose title (--by-year: title and year) an\n"
           "                   earlier record has\n"
           "  export-html DB FOLDER [--theme NAME] [--wanted | --both]\n"
           "                   write myvideos.html (--wanted: wanted.html; --both: both) of\n"
           "                   all records into FOLDER with the theme NAME of cfg/hls (the\n"
           "                   default theme when not given); the links use cfg/service.txt\n"
           "  open-html PAGE NEWDB [--yes]\n"
           "                   read a My Videos HTML list (a file, or an http:// or https://\n"
           "                   address, downloaded first) and save it as the database NEWDB\n"
           "                   (--yes to replace an existing one)\n"
           "  print DB (--pdf FILE | --html FILE) [--wanted | --both]\n"
           "           [--titles-only | --full-records] [--no-images] [--single-column]\n"
           "                   write the print page of My Videos (--wanted: Wanted Videos)\n"
           "                   as HTML or PDF to FILE; --both also writes Wanted Videos to FILE\n"
           "                   with \"-wanted\" before its extension. The layout is that of\n"
           "                   the program's last print (cfg/ps.txt), changed by the options.\n"
           "                   PDF files are printed by reeldeck-pdf, built with the desktop\n"
           "                   program and installed beside the companion\n"
           "  import DB SOURCE [--images] [--image-folder DIR]\n"
           "         [--map \"SOURCE NAME=TARGET NAME\"]... [--program FILE]\n"
           "                   import the records of SOURCE into My Videos and save: another\n"
           "                   database (.rdk), a Filmfolio 2.0 database (.mff, with --program\n"
           "                   naming the Filmfolio program file beside its db/cfg.ini), a CSV\n"
           "                   file (.csv, first row the column names), a Tellico (.tc) or\n"
           "                   GCstar (.gcs) collection. Fields pair with columns of the same\n"
           "                   name; each --map pairs one field (\"NAME=\" leaves it out).\n"
           "                   Records whose Key is taken are skipped. --images copies the\n"
           "                   source's images (from DIR if given), never overwriting\n"
           "  import-wanted DB FILE\n"
           "                   add the titles of a wanted list (.rdkw or .wff) to Wanted\n"
           "                   Videos, skipping those already listed, and save\n"
           "  export-csv DB FILE [--all-columns]\n"
           "                   write My Videos as CSV: the shown columns, or every column\n"
           "  stats DB [--json]\n"
           "                   print the database's figures (files, records, durations,\n"
           "                   images) and the value tables of Category, Year, MPAA, Cast,\n"
           "                   Director, Producer and Writer, as the Database Properties\n"
           "                   window shows them (--json: the same texts as JSON)\n"
           "  online-search TEXT [--in COLUMN] [--sort CHOICE] [--count N] [--start N]\n"
           "                [--match-case]\n"
           "                   search the Reeldeck Video Database (the service named by\n"
           "                   cfg/service.txt or REELDECK_SERVICE_URL) as the Video Import\n"
           "                   Wizard does; print the total, then one line per result:\n"
           "                   identifier|year|title|duration|MPAA|category\n"
           "  online-add DB TEXT --pick ID[,ID...] [--wanted]\n"
           "             [--on-duplicate add|replace|skip] [search options]\n"
           "                   run the same search and add the picked results to My Videos\n"
           "                   with their covers (--wanted: their titles to Wanted Videos);\n"
           "                   a title My Videos has already is skipped unless\n"
           "                   --on-duplicate says otherwise; --yes removes added titles\n"
           "                   from Wanted Videos\n"
           "\n"
           "A database protected by accounts is opened only with --user and --password\n"
           "matching one of its accounts (both case-sensitive). Changing a protected\n"
           "database needs an account with full access.\n"
           "\n"
           "Exit status: 0 on success, 1 on failure (with one line on standard error).\n";
}

}  // namespace cli
