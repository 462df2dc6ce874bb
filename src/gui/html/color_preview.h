#pragma once

#include <QRect>
#include <QWidget>
#include <vector>

#include "html/html_theme.h"

namespace gui {

// The seven colours of a theme, in the order of the window's swatches.
enum class ThemeColor { kBackground, kText, kHeading, kBorders, kLink, kActiveLink, kVisitedLink };
inline constexpr int kThemeColorCount = 7;
core::Color& ColorOf(html::HtmlTheme& theme, ThemeColor which);

// Sample texts in a theme's colours on its background inside a border in its border colour. A
// click on a sample asks to change that sample's colour.
class ColorPreview final : public QWidget {
    Q_OBJECT
  public:
    explicit ColorPreview(QWidget* parent = nullptr);
    void Show(const html::HtmlTheme& theme);
    QSize sizeHint() const override { return {300, 110}; }
    QSize minimumSizeHint() const override { return {280, 100}; }

  signals:
    void colorClicked(gui::ThemeColor which);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    struct Sample {
        QRect area;
        ThemeColor color;
    };
    html::HtmlTheme theme_;
    std::vector<Sample> samples_;
};

QColor QtColorOf(core::Color color);
core::Color CoreColorOf(const QColor& color);

}  // namespace gui
