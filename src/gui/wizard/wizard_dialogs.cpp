#include "gui/wizard/wizard_dialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/text_bytes.h"
#include "wizard/cover_queue.h"

namespace gui {

NoResultsDialog::NoResultsDialog(const QString& searched, bool advise_enabled, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle("Results");
    setObjectName("noResultsDialog");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("There were no results found for:", this));
    auto* what = new QLabel(searched, this);
    what->setObjectName("searchedText");
    what->setTextFormat(Qt::PlainText);
    what->setWordWrap(true);
    QFont bold = what->font();
    bold.setBold(true);
    what->setFont(bold);
    layout->addWidget(what);
    layout->addSpacing(8);
    layout->addWidget(new QLabel("Review the suggestions listed below and try again.", this));
    layout->addWidget(
        new QLabel("1. Check spelling.\n2. Use fewer terms.\n3. Verify search colomn "
                   "(title, cast, etc.).",
                   this));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    QPushButton* advise = buttons->addButton("&Advise", QDialogButtonBox::ActionRole);
    advise->setObjectName("adviseButton");
    advise->setEnabled(advise_enabled);
    advise->setToolTip("Ask the Reeldeck Video Database to add this title");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::reject);
    connect(advise, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

wizard::DuplicateChoice DuplicateQuestionBox::Ask(std::string_view title) {
    QMessageBox box(QMessageBox::Information, FromBytes(wizard::kDuplicateCaption),
                    FromBytes(wizard::DuplicateText(title)), QMessageBox::NoButton, parent_);
    QPushButton* add = box.addButton("&Add New", QMessageBox::AcceptRole);
    QPushButton* replace = box.addButton("&Replace", QMessageBox::AcceptRole);
    QPushButton* skip = box.addButton("&Skip", QMessageBox::RejectRole);
    box.setEscapeButton(skip);
    box.setDefaultButton(add);
    box.exec();
    if (box.clickedButton() == add) return wizard::DuplicateChoice::kAddNew;
    if (box.clickedButton() == replace) return wizard::DuplicateChoice::kReplace;
    return wizard::DuplicateChoice::kSkip;
}

CoverDownloadDialog::CoverDownloadDialog(platform::Downloader& downloader,
                                         platform::ImageConverter& converter,
                                         std::string image_folder, core::ImageUndoCopy undo,
                                         std::vector<wizard::CoverJob> queue, QWidget* parent)
    : QDialog(parent),
      downloader_(downloader),
      converter_(converter),
      image_folder_(std::move(image_folder)),
      undo_(std::move(undo)),
      queue_(std::move(queue)) {
    setWindowTitle("Video Import Wizard");
    setObjectName("coverDownloadDialog");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    text_ = new QLabel("Downloading...", this);
    text_->setObjectName("downloadText");
    text_->setMinimumWidth(360);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, static_cast<int>(queue_.size()));
    bar_->setValue(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, [this] {
        worker_.request_stop();
        reject();
    });
    layout->addWidget(text_);
    layout->addWidget(bar_);
    layout->addWidget(buttons);
}

CoverDownloadDialog::~CoverDownloadDialog() {
    worker_.request_stop();
    if (worker_.joinable()) worker_.join();
}

int CoverDownloadDialog::exec() {
    const int count = static_cast<int>(queue_.size());
    // The worker hands each step to this window's thread; a step for a window that closed in the
    // meantime is dropped with it.
    auto post = [this](std::function<void()> step) {
        QMetaObject::invokeMethod(this, std::move(step), Qt::QueuedConnection);
    };
    try {
        worker_ = std::jthread([this, count, post](std::stop_token stop) {
            wizard::DownloadCovers(
                downloader_, converter_, image_folder_, undo_, queue_, stop,
                [&](int number) {
                    post([this, stop, text = wizard::CoverProgressText(number, count)] {
                        if (!stop.stop_requested()) text_->setText(FromBytes(text));
                    });
                },
                [&] {
                    post([this, stop] {
                        if (!stop.stop_requested()) bar_->setValue(bar_->value() + 1);
                    });
                });
            post([this, stop] {
                if (!stop.stop_requested()) accept();
            });
        });
    } catch (const std::system_error&) {
        return Rejected;
    }
    return QDialog::exec();
}

}  // namespace gui
