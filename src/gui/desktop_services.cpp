#include "gui/desktop_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/text_bytes.h"

namespace gui {

void QtShell::Open(const std::string& target) {
    const QString text = FromBytes(target);
    const bool web = text.startsWith("http://", Qt::CaseInsensitive) ||
                     text.startsWith("https://", Qt::CaseInsensitive);
    QDesktopServices::openUrl(web ? QUrl(text) : QUrl::fromLocalFile(text));
}

QtHelp::~QtHelp() {
    delete window_;
}

void QtHelp::ShowContents() {
    ShowPage(QUrl::fromLocalFile(contents_page_));
}

void QtHelp::ShowTopic(const std::string& topic) {
    // Topics are pages beside the contents page, with the section after "#".
    const QString text = FromBytes(topic);
    const qsizetype hash = text.indexOf('#');
    QUrl page = QUrl::fromLocalFile(QFileInfo(contents_page_).absolutePath() + "/" +
                                    (hash < 0 ? text : text.left(hash)));
    if (hash >= 0) page.setFragment(text.mid(hash + 1));
    ShowPage(page);
}

void QtHelp::ShowPage(const QUrl& page) {
    if (!window_) {
        auto* window = new QDialog(parent_, Qt::Window);
        window->setObjectName("helpWindow");
        window->setWindowTitle("Reeldeck Help");
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        browser_ = new QTextBrowser(window);
        browser_->setObjectName("helpBrowser");
        browser_->setAccessibleName("Help");
        browser_->setOpenExternalLinks(true);
        layout->addWidget(browser_);
        window->resize(760, 620);
        window_ = window;
    }
    browser_->setSource(page);
    // Over a modal window (Settings' Help button) the help must take input too, so it becomes
    // modal itself; otherwise it stays beside the main window.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality =
        modal && modal != window_ ? Qt::ApplicationModal : Qt::NonModal;
    if (window_->windowModality() != modality) {
        window_->hide();
        window_->setWindowModality(modality);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

QWidget* QtHelp::Window() const {
    return window_;
}

std::string QtHelp::PopupText(const std::string& entry) {
    if (!popup_loaded_) {
        popup_loaded_ = true;
        QFile file(popup_page_);
        if (file.open(QIODevice::ReadOnly)) {
            const QString html = QString::fromUtf8(file.readAll());
            static const QRegularExpression element(
                R"re(<(\w+)[^>]*\bid="([^"]+)"[^>]*>(.*?)</\1>)re",
                QRegularExpression::DotMatchesEverythingOption);
            for (auto match = element.globalMatch(html); match.hasNext();) {
                const QRegularExpressionMatch found = match.next();
                QTextDocument document;
                document.setHtml(found.captured(3));
                popup_entries_[ToBytes(found.captured(2))] =
                    ToBytes(document.toPlainText().simplified());
            }
        }
    }
    auto found = popup_entries_.find(entry);
    return found == popup_entries_.end() ? std::string() : found->second;
}

}  // namespace gui
