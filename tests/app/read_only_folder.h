#pragma once

#include <functional>
#include <string>

// Runs `body` while nothing can be created, replaced or removed in `folder`, and passes it the
// system's text for the error a write then meets.
//
// Permissions do not stop root, so as root the body runs in a child process with its own mount
// table, in which the folder is mounted read-only; the child's failed expectations fail the
// test. Otherwise the folder's write permission is taken away for the run.
//
// Returns false, without running the body, when the folder cannot be made read-only here.
bool RunWithReadOnlyFolder(const std::string& folder,
                           const std::function<void(const std::string& reason)>& body);
