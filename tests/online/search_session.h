#pragma once

#include "lists/prompted_session.h"
#include "online/search_panes.h"

// A session with rows to search and the two search panes' place.
class SearchSession : public PromptedSession {
  protected:
    SearchSession() {
        config_.search_window_visible = false;
        config_.replace_window_visible = false;
    }
    online::SearchPanes panes_{config_};
};
