#pragma once

#include <QObject>

#include "app/session.h"

namespace gui {

// Turns the session's notifications into Qt signals, so windows can follow the open database.
class SessionAdapter final : public QObject, public app::SessionListener {
    Q_OBJECT
  public:
    explicit SessionAdapter(app::Session& session, QObject* parent = nullptr);
    ~SessionAdapter() override;

    app::Session& session() const { return session_; }

    void DatabaseOpened() override { emit databaseOpened(); }
    void DatabaseClosed() override { emit databaseClosed(); }
    void DatabaseRenamed() override { emit databaseRenamed(); }
    void ListsChanged() override { emit listsChanged(); }
    void DatabaseSaved() override { emit databaseSaved(); }
    void LoginChanged() override { emit loginChanged(); }

  signals:
    void databaseOpened();
    void databaseClosed();
    void databaseRenamed();
    void listsChanged();
    void databaseSaved();
    void loginChanged();

  private:
    app::Session& session_;
};

}  // namespace gui
