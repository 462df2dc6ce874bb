#pragma once

#include "fakes/fake_prompts.h"
#include "fakes/list_session.h"
#include "online/search_panes.h"

// A session with rows to search and the two search panes' place.
class SearchSession : public ListSession {
  protected:
    SearchSession() {
        config_.search_window_visible = false;
        config_.replace_window_visible = false;
    }
    FakePrompts prompts_;
    online::SearchPanes panes_{config_};
};
