#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_result.h"
#include "core/safe_file.h"

// The accounts file of a database: one line per account, five fields each followed by "|", every
// byte of a field stored as its value minus 48. The file is read and written as raw bytes, so
// every character survives except those whose stored form is a line feed (":") or the field
// separator ("|" itself is refused too, as the Users window refuses it).
namespace core {

constexpr int kMaxAccounts = 50;
constexpr int kFullAccess = 2;
constexpr int kReadOnlyAccess = 1;

struct UserAccount {
    std::string UserName;
    std::string Password;
    int Level = kReadOnlyAccess;  // 2 full access (administrator), 1 read-only (guest)
    std::string HintQuestion;
    std::string HintAnswer;
    bool operator==(const UserAccount&) const = default;
};

// True if every byte of the field can be stored and read back unchanged.
bool IsStorableAccountText(std::string_view text);

// Reads up to 50 accounts (later lines are ignored; empty lines are skipped). Returns the count.
FileResult ReadAccounts(std::istream& in, std::vector<UserAccount>& accounts);
// A missing file gives -1 (the caller treats it as no accounts).
FileResult ReadAccounts(std::vector<UserAccount>& accounts, const std::string& path);

// -1 without writing anything when a field holds text that cannot be stored.
FileResult WriteAccounts(const std::vector<UserAccount>& accounts, std::ostream& out);
// A new file is readable by its owner only; an existing file keeps its permissions.
FileResult WriteAccounts(const std::vector<UserAccount>& accounts, const std::string& path,
                         FileSystemCalls& calls = FileSystemCalls::System());

// The first account with exactly this name and password (case-sensitive), or null.
const UserAccount* FindLogin(const std::vector<UserAccount>& accounts, std::string_view user_name,
                             std::string_view password);

}  // namespace core
