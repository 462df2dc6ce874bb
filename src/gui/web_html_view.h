#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/html_view.h"

#include <QWebEngineView>

namespace gui {

// An HTML view in a host widget, over Qt WebEngine. Pages given as text run without
// JavaScript; loading errors are not reported.
class WebHtmlView final : public QWidget, public platform::HtmlView {
    Q_OBJECT
  public:
    explicit WebHtmlView(QWidget* parent = nullptr);

    int Embed() override;
    void Unembed() override;
    void DisplayPage(const std::string& address) override;
    void DisplayHtml(const std::string& html) override;
    void Resize(int width, int height) override;

    QWebEngineView* view() const { return view_; }

  private:
    QPointer<QWebEngineView> view_;
};

// Whether this system can show HTML views (the web engine's helper process is installed).
bool HtmlViewAvailable();

}  // namespace gui
