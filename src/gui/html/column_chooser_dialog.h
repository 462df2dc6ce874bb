#pragma once

#include <QDialog>
#include <QListWidget>
#include <string>

#include "core/video_list.h"
#include "platform/prompts.h"

namespace gui {

// "My Videos List Columns": which columns generated pages show, and in which order. OK renumbers
// the columns and writes the database's header file.
class ColumnChooserDialog final : public QDialog {
    Q_OBJECT
  public:
    ColumnChooserDialog(core::VideoList& videos, std::string header_path,
                        platform::Prompts& prompts, QWidget* parent = nullptr);
    void accept() override;

  private:
    void Fill(QListWidget* list, const std::vector<int>& columns);
    static void Move(QListWidget* from, QListWidget* to);
    static void Shift(QListWidget* list, int step);
    static std::vector<int> Indexes(const QListWidget* list);

    core::VideoList& videos_;
    std::string header_path_;
    platform::Prompts& prompts_;
    QListWidget* available_;
    QListWidget* display_;
};

}  // namespace gui
