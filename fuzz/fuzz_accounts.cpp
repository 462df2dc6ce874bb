// The accounts file (user names, passwords and rights).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/accounts_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<core::UserAccount> accounts;
    auto in = fuzz::Stream(data, size);
    core::ReadAccounts(in, accounts);
    return 0;
}
