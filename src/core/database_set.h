#pragma once

#include <string_view>
#include <vector>

#include "core/accounts_file.h"

namespace core {

// The first account with exactly this name and password (case-sensitive), or null.
const UserAccount* FindLogin(const std::vector<UserAccount>& accounts, std::string_view user_name,
                             std::string_view password);

}  // namespace core
