#pragma once

#include <QByteArray>
#include <string>

#include "core/file_result.h"

// The main window's dock layout (QMainWindow::saveState) kept between runs in a small settings
// file: a header line, then "STATE=" and the state in base64.
namespace gui {

// The stored state; empty when the file is missing or holds none.
QByteArray ReadWindowLayout(const std::string& path);
core::FileResult WriteWindowLayout(const std::string& path, const QByteArray& state);

}  // namespace gui
