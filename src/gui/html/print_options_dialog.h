#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <functional>
#include <string>

#include "config/program_paths.h"
#include "core/video_list.h"
#include "core/wanted_list.h"
#include "html/print_output.h"
#include "platform/progress.h"
#include "platform/prompts.h"

namespace gui {

// What the window prints from and where its files are.
struct PrintOptionsContext {
    html::PrintSettings& settings;  // kept for the program run
    const core::VideoList& videos;
    const core::WantedList& wanted;
    const config::ProgramPaths& paths;
    std::string image_folder;
    std::string date;  // the printing date on the pages
    platform::Prompts& prompts;
    platform::Progress& progress;
};

// "Print Output Options": the list, records, font, colours and layout of the print pages with a
// live preview. Print keeps the settings and prints the chosen lists; Cancel keeps the settings
// and removes the print pages.
class PrintOptionsDialog final : public QDialog {
    Q_OBJECT
  public:
    // Reads the settings file (a missing one is reported and the settings stay as they are).
    PrintOptionsDialog(PrintOptionsContext context, QWidget* parent = nullptr);

    // Sends one written page to the printer.
    std::function<void(const std::string& page)> print_page;

    void reject() override;

  private:
    QWidget* BuildLists();
    QWidget* BuildFont();
    QWidget* BuildLayout();
    void Print();
    void ChooseList(html::PrintList list);
    void ShowChoices();
    void ShowSettings();
    void ChangeFont();
    void ChangeColor(core::Color& color);
    html::PrintRun Run();

    PrintOptionsContext context_;
    html::PrintChoices choices_;
    QRadioButton* my_videos_;
    QRadioButton* wanted_;
    QRadioButton* both_;
    QRadioButton* all_;
    QRadioButton* selected_;
    QLineEdit* font_face_;
    QLineEdit* font_style_;
    QSpinBox* font_size_;
    QPushButton* heading_color_;
    QPushButton* text_color_;
    QCheckBox* multiple_columns_;
    QCheckBox* titles_only_;
    QCheckBox* include_images_;
    QTextBrowser* preview_;
};

}  // namespace gui
