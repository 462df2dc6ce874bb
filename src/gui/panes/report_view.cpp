#include "gui/panes/report_view.h"

#include <QTextCursor>

#include "gui/panes/offset_map.h"

namespace gui {

QColor ToQColor(core::Color color) {
    return QColor(static_cast<int>(color & 0xff), static_cast<int>((color >> 8) & 0xff),
                  static_cast<int>((color >> 16) & 0xff));
}

void ShowReport(QTextEdit* view, const online::MatchReport& report) {
    std::vector<std::size_t> boundaries;
    for (const online::ColoredSpan& span : report.spans) {
        boundaries.push_back(span.start);
        boundaries.push_back(span.start + span.length);
    }
    const OffsetMap map(report.text, std::move(boundaries));
    view->setPlainText(map.Text());
    QTextCursor cursor(view->document());
    for (const online::ColoredSpan& span : report.spans) {
        cursor.setPosition(map.Position(span.start));
        cursor.setPosition(map.Position(span.start + span.length), QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setForeground(ToQColor(span.color));
        cursor.mergeCharFormat(format);
    }
}

}  // namespace gui
