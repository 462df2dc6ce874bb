#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <array>
#include <functional>
#include <string>

#include "core/video_list.h"
#include "gui/html/color_preview.h"
#include "html/page_setup.h"
#include "platform/prompts.h"

namespace gui {

// What the window needs beside its model: the list whose columns "Columns" chooses, the open
// database's header file, the standard logo and the prompts.
struct PageSetupContext {
    core::VideoList& videos;
    std::string header_path;
    std::string standard_logo;
    platform::Prompts& prompts;
};

// "My Videos List - HTML Page Setup" and its two siblings: the settings of the theme in use,
// the theme list and the theme editors. Open it with Start(); it fails when the default theme
// cannot be loaded.
class PageSetupDialog final : public QDialog {
    Q_OBJECT
  public:
    PageSetupDialog(html::PageSetup& model, PageSetupContext context, QWidget* parent = nullptr);

    // Loads the default theme and shows it; false (after the message) when that fails.
    bool Start();

    // Runs when Generate is pressed, with the window's settings and choices.
    std::function<void(const html::GenerationChoice&)> on_generate;

  private:
    QWidget* BuildSettings();
    QWidget* BuildColors();
    QWidget* BuildThemes();
    void ShowTheme();
    void UpdateButtons();
    void ChangeColor(ThemeColor which);
    void ChangeFont();
    void ChangeDestination();
    void SaveTheme();
    void DeleteTheme();
    void ResetTheme();

    html::PageSetup& model_;
    PageSetupContext context_;
    QLineEdit* title_;
    QLineEdit* font_face_;
    QLineEdit* font_style_;
    QSpinBox* font_size_;
    QSpinBox* top_margin_;
    QSpinBox* left_margin_;
    QLineEdit* destination_;
    QRadioButton* output_all_;
    QRadioButton* output_selected_;
    std::array<QPushButton*, kThemeColorCount> swatches_{};
    ColorPreview* preview_;
    QListWidget* themes_;
    QPushButton* set_default_;
    QPushButton* columns_;
    QPushButton* generate_;
};

}  // namespace gui
