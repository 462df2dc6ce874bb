#include "gui/synchronize_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace gui {

SynchronizeDialog::SynchronizeDialog(app::SynchronizeWindow& window, QWidget* parent)
    : QDialog(parent), window_(window) {
    setObjectName("synchronizeDialog");
    setWindowTitle("Synchronize");
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox("Select items to synchronize", this);
    auto* boxes = new QVBoxLayout(group);
    wanted_ = new QCheckBox("&Wanted Videos", group);
    wanted_->setObjectName("wantedVideos");
    wanted_->setToolTip("Remove wanted titles that My Videos already holds");
    images_ = new QCheckBox("Video &Images", group);
    images_->setObjectName("videoImages");
    images_->setToolTip(
        "Delete image files of no record and all but the newest image of each record");
    boxes->addWidget(wanted_);
    boxes->addWidget(images_);
    layout->addWidget(group);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto follow = [this] {
        window_.SetWantedVideos(wanted_->isChecked());
        window_.SetVideoImages(images_->isChecked());
        ok_->setEnabled(window_.OkEnabled());
    };
    connect(wanted_, &QCheckBox::toggled, this, follow);
    connect(images_, &QCheckBox::toggled, this, follow);
    follow();
    setMinimumWidth(320);
}

}  // namespace gui
