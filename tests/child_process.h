#pragma once
// Runs one of the project's programs as a separate process, as a user runs it.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "temp_folder.h"

extern char** environ;

// Starts `argv[0]` with `argv`, its output and errors going to the files named, and `env` as its
// environment (this process's own when empty); returns its process id, or -1.
inline pid_t StartProcess(std::vector<std::string> argv, const std::string& out_path,
                          const std::string& err_path, std::vector<std::string> env = {}) {
    const auto pointers = [](std::vector<std::string>& texts) {
        std::vector<char*> result;
        for (std::string& text : texts) result.push_back(text.data());
        result.push_back(nullptr);
        return result;
    };
    std::vector<char*> env_pointers = pointers(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, pointers(argv).data(),
                    env.empty() ? environ : env_pointers.data()) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Waits for a process to end: its exit status, or 128 and the signal that ended it.
inline int WaitForExit(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Waits up to ten seconds for the file at `path` to hold a match of `pattern`; returns the
// pattern's first group, or "" when none came.
inline std::string WaitForOutput(const std::string& path, const std::string& pattern) {
    const std::regex expression(pattern);
    std::smatch match;
    for (int i = 0; i < 500; ++i) {
        const std::string out = ReadFileBytes(path);
        if (std::regex_search(out, match, expression)) return match[1].str();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return "";
}
