#pragma once

#include <QString>

#include "platform/file_types.h"

namespace gui {

// File types through the freedesktop.org standards: a shared-mime-info package, a desktop entry
// and icons under the user's data folder ($XDG_DATA_HOME, ~/.local/share). Files are rewritten
// only when their content changes, and the desktop's caches are refreshed then.
class XdgFileTypes final : public platform::FileTypes {
  public:
    explicit XdgFileTypes(QString data_home = {});
    bool Associate(const std::string& program, const std::string& program_folder) override;

    // What Associate writes, for tests.
    static QString MimePackage();
    static QString DesktopEntry(const QString& program);

  private:
    QString data_home_;
};

}  // namespace gui
