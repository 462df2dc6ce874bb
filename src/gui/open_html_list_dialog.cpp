#include "gui/open_html_list_dialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/text_bytes.h"

namespace gui {

OpenHtmlListDialog::OpenHtmlListDialog(html::OpenHtmlListWindow& window, QWidget* parent)
    : QDialog(parent), window_(window) {
    setObjectName("openHtmlListDialog");
    setWindowTitle("Reeldeck HTML List");
    auto* text = new QLabel(
        "Enter the URL or path to a Reeldeck HTML list on the Internet, your computer, or your "
        "network that you want to open.",
        this);
    text->setWordWrap(true);
    field_ = new QComboBox(this);
    field_->setObjectName("openField");
    field_->setEditable(true);
    field_->setInsertPolicy(QComboBox::NoInsert);
    field_->lineEdit()->setMaxLength(259);
    field_->setMinimumWidth(380);
    auto* open_label = new QLabel("O&pen:", this);
    open_label->setBuddy(field_);

    ok_ = new QPushButton("&OK", this);
    ok_->setObjectName("okButton");
    ok_->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("cancelButton");
    browse_ = new QPushButton("&Browse...", this);
    browse_->setObjectName("browseButton");

    auto* field_row = new QHBoxLayout;
    field_row->addWidget(open_label);
    field_row->addWidget(field_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addWidget(browse_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(field_row);
    layout->addLayout(buttons);

    progress_poll_ = new QTimer(this);
    progress_poll_->setInterval(100);
    connect(progress_poll_, &QTimer::timeout, this, [this] { window_.ShowDownloadProgress(); });
    connect(field_, &QComboBox::editTextChanged, this, [this](const QString& typed) {
        window_.SetText(ToBytes(typed));
        ok_->setEnabled(window_.OkEnabled());
    });
    connect(field_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        window_.SelectEntry(index);
        ShowModel();
    });
    connect(ok_, &QPushButton::clicked, this, &OpenHtmlListDialog::Ok);
    connect(cancel, &QPushButton::clicked, this, &OpenHtmlListDialog::reject);
    connect(browse_, &QPushButton::clicked, this, [this] {
        window_.Browse();
        ShowModel();
    });
    ShowModel();
}

void OpenHtmlListDialog::Ok() {
    // The model calls back on its worker thread; the call is posted to the application object,
    // which outlives every window, and the dialog is looked at only on the GUI thread.
    QPointer<OpenHtmlListDialog> self(this);
    window_.Ok([self] {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self] {
                if (self) self->DownloadEnded();
            },
            Qt::QueuedConnection);
    });
    if (window_.Downloading()) progress_poll_->start();
    ShowModel();
}

void OpenHtmlListDialog::DownloadEnded() {
    progress_poll_->stop();
    window_.DownloadFinished();
    ShowModel();
}

void OpenHtmlListDialog::reject() {
    progress_poll_->stop();
    window_.Cancel();
    QDialog::reject();
}

void OpenHtmlListDialog::ShowModel() {
    if (window_.Closed()) {
        progress_poll_->stop();
        QDialog::accept();
        return;
    }
    {
        const QSignalBlocker blocker(field_);
        field_->clear();
        for (const std::string& entry : window_.History()) field_->addItem(FromBytes(entry));
        field_->setCurrentIndex(window_.SelectedEntry());
        field_->setEditText(FromBytes(window_.Text()));
    }
    ok_->setEnabled(window_.OkEnabled());
    browse_->setEnabled(window_.BrowseEnabled());
    if (window_.TakeFocusRequest()) {
        field_->setFocus();
        field_->lineEdit()->selectAll();
    }
}

}  // namespace gui
