#include "cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "child_process.h"

namespace {

pid_t Spawn(const std::string& program_folder, const std::vector<std::string>& arguments,
            const std::string& out_path, const std::string& err_path) {
    std::vector<std::string> argv{REELDECK_CLI};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> env{"REELDECK_HOME=" + program_folder};
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::string(*entry).rfind("REELDECK_HOME=", 0) != 0) env.emplace_back(*entry);
    }
    return StartProcess(argv, out_path, err_path, env);
}

}  // namespace

CliRunner::CliRunner(std::string program_folder) : program_folder_(std::move(program_folder)) {
    std::filesystem::create_directories(program_folder_ + "/cfg");
    for (const char* file : {"cfg.txt", "mlh.txt", "service.txt"}) {
        std::filesystem::copy_file(std::string(REELDECK_SOURCE_DATA) + "/cfg/" + file,
                                   program_folder_ + "/cfg/" + file,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

CliRun CliRunner::Run(const std::vector<std::string>& arguments) const {
    TempFolder output;
    CliRun run;
    const pid_t pid = Spawn(program_folder_, arguments, output / "out", output / "err");
    if (pid < 0) return run;
    run.exit_code = WaitForExit(pid);
    run.out = ReadFileBytes(output / "out");
    run.err = ReadFileBytes(output / "err");
    return run;
}

pid_t CliRunner::Start(const std::vector<std::string>& arguments) const {
    return Spawn(program_folder_, arguments, "/dev/null", "/dev/null");
}

int LineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

void ExpectFailure(const CliRun& run, const std::string& part) {
    EXPECT_EQ(run.exit_code, 1) << run.err;
    EXPECT_EQ(LineCount(run.err), 1) << run.err;
    EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
}

std::map<std::string, std::string> Files(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) files[entry.path().string()] = ReadFileBytes(entry.path());
    }
    return files;
}
