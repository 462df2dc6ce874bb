#pragma once

#include <QColor>
#include <QTextEdit>

#include "core/text.h"
#include "online/match_report.h"

namespace gui {

// A colour of the models (red in the low byte) as Qt takes it.
QColor ToQColor(core::Color color);

// Shows the Text Replace pane's report: its text, then each coloured span over the ones before.
void ShowReport(QTextEdit* view, const online::MatchReport& report);

}  // namespace gui
