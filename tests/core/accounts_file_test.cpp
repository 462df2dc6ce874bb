#include "core/accounts_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "test_doubles.h"

namespace {

using core::FileResult;
using core::UserAccount;
using Accounts = std::vector<UserAccount>;

std::string Written(const Accounts& accounts) {
    std::ostringstream out;
    EXPECT_TRUE(core::WriteAccounts(accounts, out).ok());
    return out.str();
}

Accounts ReadBack(const std::string& bytes, std::int64_t expected_count) {
    std::istringstream in(bytes);
    Accounts accounts = {{"stale", "", 1, "", ""}};
    EXPECT_EQ(core::ReadAccounts(in, accounts).value, expected_count) << bytes.substr(0, 30);
    EXPECT_EQ(accounts.size(), static_cast<std::size_t>(expected_count));
    return accounts;
}

class AccountsFileTest : public ::testing::Test {
  protected:
    TempFolder folder_;
    const std::string path_ = folder_ / "films.rdka";
};

TEST_F(AccountsFileTest, StoresEveryByteShiftedDownByFortyEightAndReadsItBack) {
    const Accounts accounts = {{"1", "ab", core::kFullAccess, "q?", "A"},
                               {"guest", "", core::kReadOnlyAccess, "", ""}};
    ASSERT_TRUE(core::WriteAccounts(accounts, path_).ok());
    EXPECT_EQ(ReadFileBytes(path_), std::string("\x01|12|\x02|A\x0f|\x11|\n") + "7E5CD||\x01|||\n");
    Accounts reread;
    EXPECT_EQ(core::ReadAccounts(reread, path_).value, 2);
    EXPECT_EQ(reread, accounts);

    // Characters stored as control bytes ("0" as NUL, "=" as a carriage return, "J" as the byte
    // 26) and bytes beyond ASCII survive a save and a reload.
    const Accounts controls = {{"0J=\xFF", "~!\"#$%&'()*+,-./", 0, ";<>?@[\\]^_`{}", "=0J"}};
    ASSERT_TRUE(core::WriteAccounts(controls, path_).ok());
    EXPECT_EQ(core::ReadAccounts(reread, path_).value, 1);
    EXPECT_EQ(reread, controls);
}

TEST_F(AccountsFileTest, RefusesTextThatCannotBeStoredAndKeepsTheOldFile) {
    const Accounts good = {{"admin", "secret", core::kFullAccess, "Pet?", "Rex"}};
    ASSERT_TRUE(core::WriteAccounts(good, path_).ok());
    const std::string before = ReadFileBytes(path_);
    // ":" would be stored as a line feed, "|" and the byte AC as the field separator.
    for (const std::string bad : {":", "|", "\xAC", "a:b", "end\xAC"}) {
        EXPECT_FALSE(core::IsStorableAccountText(bad));
        for (int field = 0; field < 4; ++field) {
            Accounts accounts = good;
            accounts.push_back({"second", "pw", core::kReadOnlyAccess, "q", "a"});
            std::string* fields[] = {&accounts[1].UserName, &accounts[1].Password,
                                     &accounts[1].HintQuestion, &accounts[1].HintAnswer};
            *fields[field] = bad;
            std::ostringstream out;
            EXPECT_EQ(core::WriteAccounts(accounts, out).value, -1);
            EXPECT_EQ(out.str(), "");
            const FileResult result = core::WriteAccounts(accounts, path_);
            EXPECT_EQ(result.path, path_) << "field " << field;
            EXPECT_FALSE(result.reason.empty());
        }
    }
    EXPECT_EQ(ReadFileBytes(path_), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
    EXPECT_TRUE(core::IsStorableAccountText("any other text 0=J;<"));
}

TEST_F(AccountsFileTest, ReadsAtMostFiftyAccountsAndToleratesDamagedLines) {
    Accounts sixty;
    for (int i = 0; i < 60; ++i) sixty.push_back({"u" + std::to_string(i), "p", 1, "", ""});
    EXPECT_EQ(ReadBack(Written(sixty), 50).back().UserName, "u49");

    EXPECT_EQ(ReadBack("no separators at all", 1)[0].Password, "");
    ReadBack("\n\n\n", 0);
    ReadBack("||||||||||\n", 1);
    ReadBack(std::string(100000, 'x') + "|", 1);
    const Accounts missing_fields = ReadBack("\x01|\x01|\x02", 1);
    EXPECT_EQ(missing_fields[0].Level, 2);
    EXPECT_EQ(missing_fields[0].HintQuestion, "");
    const Accounts crlf = ReadBack("\x01|\x01|\x02|||\r\n\x02|\x02|\x01|||\r\n", 2);
    EXPECT_EQ(crlf[1], (UserAccount{"2", "2", 1, "", ""}));
}

TEST_F(AccountsFileTest, MissingFileAndFailingStreams) {
    Accounts accounts = {{"stale", "", 1, "", ""}};
    EXPECT_EQ(core::ReadAccounts(accounts, folder_ / "missing.rdka").value, -1);
    EXPECT_TRUE(accounts.empty());
    WriteFileBytes(path_, "");
    EXPECT_EQ(core::ReadAccounts(accounts, path_).value, 0);
    EXPECT_EQ(core::WriteAccounts(accounts, "").value, -1);

    FailingInput in("\x01|\x01|\x02|||\n");
    EXPECT_EQ(core::ReadAccounts(in, accounts).value, -1);
    std::ostream out(nullptr);  // a stream that takes nothing
    EXPECT_EQ(core::WriteAccounts({{"admin", "pw", 2, "", ""}}, out).value, -1);
}

}  // namespace
