#pragma once

#include "core/video_list.h"
#include "platform/progress.h"
#include "platform/text_widths.h"

// The widths of the My Videos columns.
namespace app {

// The "Flag" column shows only the flag mark.
constexpr int kFlagColumnWidth = 13;

// Sets every column's shown width: hidden columns 0; visible ones their stored Width, or, with
// `autosize`, the width of their widest cell (the short date, year, rating and duration columns
// the width of their header). On an empty list every visible column fits its header. "Flag"
// always gets the width of its mark. Measuring a large list's cells shows progress.
void ApplyColumnWidths(core::VideoList& list, bool autosize, platform::TextWidths& widths,
                       platform::Progress* progress = nullptr);

// The user dragged a column divider: the column keeps the new width as its Width.
void ColumnResized(core::VideoList& list, int list_index, int width);

// Puts hidden columns back to width 0 (after the user clicked a header or double-clicked a
// divider, which may have widened them).
void KeepHiddenColumnsHidden(core::VideoList& list);

}  // namespace app
