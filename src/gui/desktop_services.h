#pragma once

#include <QPointer>
#include <QString>
#include <map>

#include "platform/shell.h"

class QTextBrowser;
class QUrl;
class QWidget;

namespace gui {

// Web pages, folders and documents open in the desktop's own programs.
class QtShell final : public platform::Shell {
  public:
    void Open(const std::string& target) override;
};

// The guide's pages under help/, in a window of their own; pop-up help from help/popup.html.
class QtHelp final : public platform::Help {
  public:
    QtHelp(QString contents_page, QString popup_page)
        : contents_page_(std::move(contents_page)), popup_page_(std::move(popup_page)) {}
    ~QtHelp() override;

    void SetParent(QWidget* parent) { parent_ = parent; }
    void ShowContents() override;
    void ShowTopic(const std::string& topic) override;
    std::string PopupText(const std::string& entry) override;
    // The help window, once shown.
    QWidget* Window() const;

  private:
    void ShowPage(const QUrl& page);

    QString contents_page_;
    QString popup_page_;
    QPointer<QWidget> parent_;
    QPointer<QWidget> window_;
    QTextBrowser* browser_ = nullptr;
    std::map<std::string, std::string> popup_entries_;
    bool popup_loaded_ = false;
};

}  // namespace gui
