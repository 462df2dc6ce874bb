#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <string>

#include "html/html_theme.h"

namespace gui {

// "Save Theme": the name of the theme to save, at most 11 characters.
class SaveThemeDialog final : public QDialog {
    Q_OBJECT
  public:
    SaveThemeDialog(const QString& name, QWidget* parent = nullptr);
    std::string Name() const;

  private:
    QLineEdit* name_;
};

// "Page Links": the extra links of a theme; OK rewrites the theme file.
class PageLinksDialog final : public QDialog {
    Q_OBJECT
  public:
    PageLinksDialog(std::string theme_path, QWidget* parent = nullptr);
    void accept() override;

  private:
    void Add();
    void AppendRow(const html::PageLink& link);

    std::string theme_path_;
    QLineEdit* address_;
    QLineEdit* text_;
    QComboBox* target_;
    QTableWidget* table_;
};

// "Page Logo": the logo of a theme with its preview; OK rewrites the theme file.
class PageLogoDialog final : public QDialog {
    Q_OBJECT
  public:
    PageLogoDialog(std::string theme_path, std::string standard_logo,
                   const html::HtmlTheme& settings, QWidget* parent = nullptr);
    void accept() override;

  private:
    void Browse();
    void UpdatePreview();

    std::string theme_path_;
    std::string standard_logo_;
    html::HtmlTheme settings_;
    QLineEdit* source_;
    QLineEdit* address_;
    QLineEdit* text_;
    QComboBox* target_;
    QLabel* preview_;
};

}  // namespace gui
