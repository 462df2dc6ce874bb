#pragma once

#include <string>
#include <vector>

#include "core/accounts_file.h"
#include "core/sort_state_file.h"
#include "core/video_list.h"
#include "core/wanted_list.h"

namespace core {

// What one database holds in memory: both lists with the column table, the accounts, the sort
// state and the image folder in use.
struct DatabaseSet {
    VideoList videos;
    WantedList wanted;
    std::vector<UserAccount> accounts;
    SortState sort;
    std::string image_folder;
};

// The first account with exactly this name and password (case-sensitive), or null.
const UserAccount* FindLogin(const std::vector<UserAccount>& accounts, std::string_view user_name,
                             std::string_view password);

}  // namespace core
