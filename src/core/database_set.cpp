#include "core/database_set.h"

namespace core {

const UserAccount* FindLogin(const std::vector<UserAccount>& accounts, std::string_view user_name,
                             std::string_view password) {
    for (const UserAccount& account : accounts) {
        if (account.UserName == user_name && account.Password == password) return &account;
    }
    return nullptr;
}

}  // namespace core
