#include "core/accounts_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/database_set.h"
#include "failing_streams.h"
#include "temp_folder.h"

namespace {

using core::FileResult;
using core::UserAccount;

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

// Sets the process's umask for one test and restores it afterwards.
class UmaskScope {
  public:
    explicit UmaskScope(mode_t mask) : previous_(::umask(mask)) {}
    ~UmaskScope() { ::umask(previous_); }

  private:
    mode_t previous_;
};

std::string Written(const std::vector<UserAccount>& accounts) {
    std::ostringstream out;
    EXPECT_TRUE(core::WriteAccounts(accounts, out).ok());
    return out.str();
}

std::vector<UserAccount> ReadBack(const std::string& bytes) {
    std::istringstream in(bytes);
    std::vector<UserAccount> accounts;
    EXPECT_TRUE(core::ReadAccounts(in, accounts).ok());
    return accounts;
}

class AccountsFileTest : public ::testing::Test {
  protected:
    TempFolder folder_;
    const std::string path_ = folder_ / "films.rdka";
};

TEST_F(AccountsFileTest, StoresEveryByteShiftedDownByFortyEight) {
    const std::vector<UserAccount> accounts = {
        {"1", "ab", core::kFullAccess, "q?", "A"},
        {"guest", "", core::kReadOnlyAccess, "", ""},
    };
    const std::string expected = std::string("\x01|12|\x02|A\x0f|\x11|\n") + "7E5CD||\x01|||\n";
    EXPECT_EQ(Written(accounts), expected);
    ASSERT_TRUE(core::WriteAccounts(accounts, path_).ok());
    EXPECT_EQ(ReadFileBytes(path_), expected);
    std::vector<UserAccount> reread;
    EXPECT_EQ(core::ReadAccounts(reread, path_).value, 2);
    EXPECT_EQ(reread, accounts);
    EXPECT_EQ(core::FindLogin(reread, "1", "ab"), &reread[0]);
    EXPECT_EQ(core::FindLogin(reread, "1", "AB"), nullptr);
}

TEST_F(AccountsFileTest, CharactersStoredAsControlBytesSurviveASaveAndAReload) {
    // "0" is stored as NUL, "=" as a carriage return, "J" as the byte 26, "@" as 16.
    const std::vector<UserAccount> accounts = {
        {"0", "J=0", core::kFullAccess, "What is 10=J?", "=0J"},
        {"user0", "pass=word", -1, "", "J"},
        {"\xFF\x80", "~!\"#$%&'()*+,-./", 0, ";<>?@[\\]^_`{}", "0=J0=J"},
    };
    const std::string bytes = Written(accounts);
    EXPECT_NE(bytes.find('\0'), std::string::npos);
    EXPECT_NE(bytes.find('\r'), std::string::npos);
    EXPECT_NE(bytes.find('\x1a'), std::string::npos);
    EXPECT_EQ(ReadBack(bytes), accounts);

    ASSERT_TRUE(core::WriteAccounts(accounts, path_).ok());
    std::vector<UserAccount> reread;
    EXPECT_EQ(core::ReadAccounts(reread, path_).value, 3);
    EXPECT_EQ(reread, accounts);
}

TEST_F(AccountsFileTest, RefusesTextThatCannotBeStoredAndKeepsTheOldFile) {
    const std::vector<UserAccount> good = {{"admin", "secret", core::kFullAccess, "Pet?", "Rex"}};
    ASSERT_TRUE(core::WriteAccounts(good, path_).ok());
    const std::string before = ReadFileBytes(path_);

    for (const std::string bad : {":", "|", "\xAC", "a:b", "x|", "end\xAC"}) {
        for (int field = 0; field < 4; ++field) {
            std::vector<UserAccount> accounts = good;
            accounts.push_back({"second", "pw", core::kReadOnlyAccess, "q", "a"});
            UserAccount& account = accounts.back();
            std::string* fields[] = {&account.UserName, &account.Password, &account.HintQuestion,
                                     &account.HintAnswer};
            *fields[field] = bad;
            EXPECT_FALSE(core::IsStorableAccountText(bad));

            std::ostringstream out;
            EXPECT_EQ(core::WriteAccounts(accounts, out).value, -1);
            EXPECT_EQ(out.str(), "");
            const FileResult result = core::WriteAccounts(accounts, path_);
            EXPECT_EQ(result.value, -1) << "field " << field;
            EXPECT_EQ(result.path, path_);
            EXPECT_FALSE(result.reason.empty());
            EXPECT_EQ(ReadFileBytes(path_), before);
        }
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_TRUE(core::IsStorableAccountText("any other text 0=J;<"));
}

TEST_F(AccountsFileTest, ReadsAtMostFiftyAccounts) {
    std::vector<UserAccount> accounts;
    for (int i = 0; i < 60; ++i) accounts.push_back({"u" + std::to_string(i), "p", 1, "", ""});
    const std::vector<UserAccount> read = ReadBack(Written(accounts));
    ASSERT_EQ(read.size(), 50u);
    EXPECT_EQ(read.back().UserName, "u49");
}

TEST_F(AccountsFileTest, ToleratesDamagedLines) {
    struct Case {
        std::string bytes;
        std::size_t count;
    };
    const Case cases[] = {
        {"no separators at all", 1},
        {"\n\n\n", 0},
        {"\x01|\x01|\x02", 1},  // fields missing at the end
        {"||||||||||\n", 1},
        {"\x01|\x01|\x02|||\r\n\x02|\x02|\x01|||\r\n", 2},
        {std::string(100000, 'x') + "|", 1},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.bytes);
        std::vector<UserAccount> accounts = {{"stale", "", 1, "", ""}};
        const FileResult result = core::ReadAccounts(in, accounts);
        EXPECT_TRUE(result.ok());
        EXPECT_EQ(accounts.size(), c.count) << c.bytes.substr(0, 30);
        EXPECT_EQ(result.value, static_cast<std::int64_t>(c.count));
    }
    const std::vector<UserAccount> missing_fields = ReadBack("\x01|\x01|\x02");
    EXPECT_EQ(missing_fields[0].Level, 2);
    EXPECT_EQ(missing_fields[0].HintQuestion, "");
    const std::vector<UserAccount> crlf = ReadBack("\x01|\x01|\x02|||\r\n");
    EXPECT_EQ(crlf[0].HintAnswer, "");
}

TEST_F(AccountsFileTest, MissingFileAndFailingStreams) {
    std::vector<UserAccount> accounts = {{"stale", "", 1, "", ""}};
    const FileResult missing = core::ReadAccounts(accounts, folder_ / "missing.rdka");
    EXPECT_EQ(missing.value, -1);
    EXPECT_TRUE(accounts.empty());
    WriteFileBytes(path_, "");
    EXPECT_EQ(core::ReadAccounts(accounts, path_).value, 0);
    EXPECT_EQ(core::WriteAccounts(accounts, "").value, -1);

    FailingInput in("\x01|\x01|\x02|||\n");
    EXPECT_EQ(core::ReadAccounts(in, accounts).value, -1);
    FullWriteBuffer full(4);
    std::ostream out(&full);
    EXPECT_EQ(core::WriteAccounts({{"admin", "pw", 2, "", ""}}, out).value, -1);
}

TEST_F(AccountsFileTest, ANewFileIsReadableByItsOwnerOnly) {
    const UmaskScope umask(022);
    ASSERT_TRUE(core::WriteAccounts({{"admin", "pw", 2, "", ""}}, path_).ok());
    EXPECT_EQ(ModeOf(path_), 0600);

    // An existing file keeps the permissions its owner gave it.
    const std::string shared = folder_ / "shared.rdka";
    WriteFileBytes(shared, "old");
    std::filesystem::permissions(shared, static_cast<std::filesystem::perms>(0640));
    ASSERT_TRUE(core::WriteAccounts({{"admin", "pw", 2, "", ""}}, shared).ok());
    EXPECT_EQ(ModeOf(shared), 0640);
    EXPECT_NE(ReadFileBytes(shared), "old");
}

}  // namespace
