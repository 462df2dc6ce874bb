#pragma once

#include <string_view>

#include "app/session.h"
#include "platform/prompts.h"

// Deleting rows of My Videos, with their image files when the settings say so.
namespace app {

// When the settings confirm deletions, asks `question` (OK or Cancel); true when the deletion
// may go ahead.
bool ConfirmDeletion(const Session& session, platform::Prompts& prompts, std::string_view question);

// Deletes the selected rows, after asking when deletions are confirmed. Nothing happens without
// a selection or for a read-only user. True if rows were deleted.
bool DeleteSelected(Session& session, platform::Prompts& prompts);
// Deletes every row, after asking when deletions are confirmed. True if rows were deleted.
bool DeleteAll(Session& session, platform::Prompts& prompts);

}  // namespace app
