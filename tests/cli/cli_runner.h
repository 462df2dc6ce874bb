#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

#include "temp_folder.h"

// Runs reeldeck-cli as a separate process with its own program folder.
struct CliRun {
    int exit_code = -1;
    std::string out;
    std::string err;
};

class CliRunner {
  public:
    // `program_folder` becomes the companion's REELDECK_HOME; it gets the shipped cfg/ files.
    explicit CliRunner(std::string program_folder);

    CliRun Run(const std::vector<std::string>& arguments) const;
    // Starts the companion without waiting; its output is discarded.
    pid_t Start(const std::vector<std::string>& arguments) const;

  private:
    std::string program_folder_;
};

// Number of lines of a text.
int LineCount(const std::string& text);
// Expects a failure: exit status 1 and one line on standard error that holds `part`.
void ExpectFailure(const CliRun& run, const std::string& part);
// Every regular file under a folder, by path, with its bytes.
std::map<std::string, std::string> Files(const std::string& folder);

// A temporary folder holding the companion's program folder and the test's databases.
class CliTest : public ::testing::Test {
  protected:
    TempFolder folder_;
    CliRunner cli_{folder_ / "program"};
    std::string main_;  // the database the cases work on, where the fixture writes one
};
