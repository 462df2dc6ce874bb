#pragma once

#include <string>
#include <vector>

namespace gui {

// The desktop program from start to end: returns the process's exit code.
int RunApplication(int argc, char** argv);

// The warning shown when the HTML view cannot be created.
extern const char* const kHtmlViewMissingWarning;

}  // namespace gui
