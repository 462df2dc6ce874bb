#include "gui/session_adapter.h"

namespace gui {

SessionAdapter::SessionAdapter(app::Session& session, QObject* parent)
    : QObject(parent), session_(session) {
    session_.listener = this;
}

SessionAdapter::~SessionAdapter() {
    if (session_.listener == this) session_.listener = nullptr;
}

}  // namespace gui
