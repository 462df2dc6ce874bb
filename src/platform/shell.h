#pragma once

#include <string>

namespace platform {

// The desktop's own handlers: web pages in the default browser, folders in the file manager,
// documents in their application. Failures are not reported.
class Shell {
public:
    virtual ~Shell() = default;
    // `target` is a web address ("http://…") or a local path.
    virtual void Open(const std::string& target) = 0;
};

// The program's help: the guide's pages under the help folder.
class Help {
public:
    virtual ~Help() = default;
    // The contents page (also the first page shown at first start).
    virtual void ShowContents() = 0;
    // A page of the guide and its section, e.g. "settings.html#layout". Without topics of its
    // own a help shows the contents.
    virtual void ShowTopic(const std::string& topic) {
        (void)topic;
        ShowContents();
    }
    // One entry of the pop-up help, by its name; empty text when there is none.
    virtual std::string PopupText(const std::string& entry) = 0;
};

}  // namespace platform
