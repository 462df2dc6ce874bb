#pragma once

#include <string>

namespace platform {

// Makes the desktop open database files with this program: ".rdk" opens in it; the five
// companion files get a type and an icon of their own. Failures are ignored by the caller.
class FileTypes {
public:
    virtual ~FileTypes() = default;
    // `program` is the executable, `program_folder` the folder that holds res/.
    virtual bool Associate(const std::string& program, const std::string& program_folder) = 0;
};

}  // namespace platform
