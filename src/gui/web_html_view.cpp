#include "gui/web_html_view.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "gui/text_bytes.h"

namespace gui {

WebHtmlView::WebHtmlView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

int WebHtmlView::Embed() {
    if (view_) return 0;
    view_ = new QWebEngineView(this);
    if (!view_) return -1;
    layout()->addWidget(view_);
    return 0;
}

void WebHtmlView::Unembed() {
    if (!view_) return;
    layout()->removeWidget(view_);
    delete view_;
}

void WebHtmlView::DisplayPage(const std::string& address) {
    if (!view_ && Embed() != 0) return;
    view_->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    const QString text = FromBytes(address);
    const bool local = QFileInfo::exists(text);
    view_->load(local ? QUrl::fromLocalFile(text) : QUrl(text));
}

void WebHtmlView::DisplayHtml(const std::string& html) {
    if (!view_ && Embed() != 0) return;
    view_->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    // Local pictures named by file:// addresses are allowed from a local base.
    view_->setHtml(FromBytes(html), QUrl("file:///"));
}

void WebHtmlView::Resize(int width, int height) {
    resize(width, height);
}

bool HtmlViewAvailable() {
    const QByteArray configured = qgetenv("QTWEBENGINE_PROCESS_PATH");
    if (!configured.isEmpty()) return QFileInfo(QString::fromLocal8Bit(configured)).isExecutable();
    const QString process =
        QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + "/QtWebEngineProcess";
    return QFileInfo(process).isExecutable();
}

}  // namespace gui
