#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// A command line: the command, its operands and the options given.
struct CliArguments {
    std::string command;
    std::vector<std::string> operands;
    std::optional<std::string> user;
    std::optional<std::string> password;
    std::vector<std::string> flags;  // options without a value ("--yes", "--descending" ...)
    std::map<std::string, std::string> values;  // other options with a value ("--in Title")
    // Options that may be given more than once ("--map A=B --map C=D"), in order.
    std::map<std::string, std::vector<std::string>> repeated;

    bool Has(const std::string& flag) const;
    std::optional<std::string> Value(const std::string& option) const;
};

// Parses argv; on a malformed line returns nothing and sets `error`.
std::optional<CliArguments> ParseArguments(int argc, char** argv, std::string& error);

// The text of --help.
std::string UsageText();

}  // namespace cli
