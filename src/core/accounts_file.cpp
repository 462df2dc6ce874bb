#include "core/accounts_file.h"

#include <cerrno>

#include "core/line_reader.h"
#include "core/paths.h"
#include "core/read_file.h"
#include "core/text.h"

namespace core {
namespace {

constexpr unsigned char kShift = 48;

std::string Unshift(std::string_view stored) {
    std::string text(stored);
    for (char& c : text) c = static_cast<char>(static_cast<unsigned char>(c) + kShift);
    return text;
}

void AppendShifted(std::string& out, std::string_view text) {
    for (char c : text) out += static_cast<char>(static_cast<unsigned char>(c) - kShift);
    out += '|';
}

std::string UnstorableReason() {
    return "An account holds a character that cannot be stored (\":\" or \"|\")";
}

}  // namespace

bool IsStorableAccountText(std::string_view text) {
    for (char c : text) {
        const auto stored = static_cast<unsigned char>(static_cast<unsigned char>(c) - kShift);
        if (c == '|' || stored == '\n' || stored == '|') return false;
    }
    return true;
}

FileResult ReadAccounts(std::istream& in, std::vector<UserAccount>& accounts) {
    accounts.clear();
    LineReader lines(in, 4096);
    std::string_view line;
    while (static_cast<int>(accounts.size()) < kMaxAccounts && lines.Next(line)) {
        if (line.empty()) continue;
        UserAccount account;
        account.UserName = Unshift(GetField(line, 0));
        account.Password = Unshift(GetField(line, 1));
        account.Level = ParseLeadingInt(Unshift(GetField(line, 2)));
        account.HintQuestion = Unshift(GetField(line, 3));
        account.HintAnswer = Unshift(GetField(line, 4));
        accounts.push_back(std::move(account));
    }
    if (lines.Failed()) return FileResult::Failure({}, SystemErrorText(EIO));
    return FileResult::Success(static_cast<std::int64_t>(accounts.size()));
}

FileResult ReadAccounts(std::vector<UserAccount>& accounts, const std::string& path) {
    accounts.clear();
    return ReadFileWith(path, [&](std::istream& in) { return ReadAccounts(in, accounts); });
}

FileResult WriteAccounts(const std::vector<UserAccount>& accounts, std::ostream& out) {
    std::string text;
    for (const UserAccount& account : accounts) {
        const std::string level = std::to_string(account.Level);
        for (std::string_view field : {std::string_view(account.UserName),
                                       std::string_view(account.Password), std::string_view(level),
                                       std::string_view(account.HintQuestion),
                                       std::string_view(account.HintAnswer)}) {
            if (!IsStorableAccountText(field)) return FileResult::Failure({}, UnstorableReason());
            AppendShifted(text, field);
        }
        text += '\n';
    }
    if (!out.write(text.data(), static_cast<std::streamsize>(text.size()))) {
        return FileResult::Failure({}, SystemErrorText(EIO));
    }
    return FileResult::Success();
}

FileResult WriteAccounts(const std::vector<UserAccount>& accounts, const std::string& path,
                         FileSystemCalls& calls) {
    return WriteFileSafely(
        path, [&](std::ostream& out) { return WriteAccounts(accounts, out); }, 0600, calls);
}

const UserAccount* FindLogin(const std::vector<UserAccount>& accounts, std::string_view user_name,
                             std::string_view password) {
    for (const UserAccount& account : accounts) {
        if (account.UserName == user_name && account.Password == password) return &account;
    }
    return nullptr;
}

}  // namespace core
