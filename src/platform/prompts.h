#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The buttons of a message box.
enum class Buttons { kOk, kOkCancel, kYesNo, kYesNoCancel, kRetryCancel, kAbortRetryIgnore };
// The icon of a message box.
enum class Icon { kNone, kInformation, kQuestion, kWarning, kError };
// The button the user pressed.
enum class Answer { kOk, kCancel, kYes, kNo, kRetry, kAbort, kIgnore };

// A file-type choice of a file picker: "Reeldeck Database (*.rdk)" with the pattern "*.rdk".
struct FileFilter {
    std::string label;
    std::string pattern;
    // The picker also offers every file ("All Files (*)"), for files whose names another system
    // gave them.
    bool with_all_files = false;
};

// Every question, message and file or folder picker the logic needs in the middle of a flow.
// The desktop program shows real message boxes and pickers; tests answer from a script.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual Answer Message(std::string_view text, std::string_view title, Buttons buttons,
                           Icon icon) = 0;
    // A file to open; nothing when cancelled.
    virtual std::optional<std::string> OpenFile(std::string_view title, const FileFilter& filter) = 0;
    // A file to save to; the picker asks before replacing an existing file. Nothing when
    // cancelled.
    virtual std::optional<std::string> SaveFile(std::string_view title, const FileFilter& filter) = 0;
    // A folder; nothing when cancelled.
    virtual std::optional<std::string> ChooseFolder(std::string_view title,
                                                    const std::string& start_folder) = 0;
};

}  // namespace platform
