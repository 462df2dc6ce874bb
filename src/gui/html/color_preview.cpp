#include "gui/html/color_preview.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace gui {

core::Color& ColorOf(html::HtmlTheme& theme, ThemeColor which) {
    switch (which) {
        case ThemeColor::kBackground:
            return theme.background;
        case ThemeColor::kText:
            return theme.text;
        case ThemeColor::kHeading:
            return theme.heading;
        case ThemeColor::kBorders:
            return theme.borders;
        case ThemeColor::kLink:
            return theme.link;
        case ThemeColor::kActiveLink:
            return theme.active_link;
        case ThemeColor::kVisitedLink:
            break;
    }
    return theme.visited_link;
}

QColor QtColorOf(core::Color color) {
    return QColor(static_cast<int>(color & 0xff), static_cast<int>((color >> 8) & 0xff),
                  static_cast<int>((color >> 16) & 0xff));
}

core::Color CoreColorOf(const QColor& color) {
    return core::MakeColor(color.red(), color.green(), color.blue());
}

ColorPreview::ColorPreview(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    setToolTip("Click a sample to change its color");
}

void ColorPreview::Show(const html::HtmlTheme& theme) {
    theme_ = theme;
    update();
}

void ColorPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    html::HtmlTheme& t = theme_;
    painter.fillRect(rect(), QtColorOf(t.background));
    painter.setPen(QPen(QtColorOf(t.borders), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));

    struct Row {
        ThemeColor colors[3];
        const char* texts[3];
        bool bold;
    };
    const Row rows[] = {
        {{ThemeColor::kHeading, ThemeColor::kHeading, ThemeColor::kHeading},
         {"Num", "Heading 1", "Heading 2"},
         true},
        {{ThemeColor::kText, ThemeColor::kText, ThemeColor::kText},
         {"1.", "This is General", "text."},
         false},
        {{ThemeColor::kLink, ThemeColor::kActiveLink, ThemeColor::kVisitedLink},
         {"Link", "Active", "Visited"},
         false},
    };
    samples_.clear();
    // Each column starts after the widest sample of the one before it.
    const int left = 12;
    QFont bold = painter.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int columns[3] = {left, 0, 0};
    for (int c = 1; c < 3; ++c) {
        int widest = 0;
        for (const Row& row : rows)
            widest = std::max(widest, metrics.horizontalAdvance(row.texts[c - 1]));
        columns[c] = columns[c - 1] + widest + 12;
    }
    const int row_height = (height() - 16) / 3;
    for (int r = 0; r < 3; ++r) {
        QFont font = painter.font();
        font.setBold(rows[r].bold);
        font.setUnderline(r == 2);
        painter.setFont(font);
        for (int c = 0; c < 3; ++c) {
            const QRect area(columns[c], 8 + r * row_height,
                             painter.fontMetrics().horizontalAdvance(rows[r].texts[c]) + 4,
                             row_height);
            painter.setPen(QtColorOf(ColorOf(t, rows[r].colors[c])));
            painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, rows[r].texts[c]);
            samples_.push_back({area, rows[r].colors[c]});
        }
        // The rule under the headings, as on a page.
        if (r == 0) {
            painter.setPen(QPen(QtColorOf(t.borders), 1));
            const int y = 8 + row_height - 2;
            painter.drawLine(left, y, width() - left, y);
        }
    }
}

void ColorPreview::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    for (const Sample& sample : samples_) {
        if (sample.area.contains(at)) {
            emit colorClicked(sample.color);
            return;
        }
    }
    const bool on_border = !rect().adjusted(4, 4, -4, -4).contains(at);
    emit colorClicked(on_border ? ThemeColor::kBorders : ThemeColor::kBackground);
}

}  // namespace gui
