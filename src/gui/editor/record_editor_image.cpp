// The image page: choosing, downloading and deleting the record's picture, and the progress bar.
#include <QCoreApplication>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

#include "gui/editor/record_editor_dialog.h"

namespace gui {

void RecordEditorDialog::Browse() {
    editor_.Browse();
    ShowModel();
    ShowProgress();
}

std::function<void()> RecordEditorDialog::DownloadEndedCallback() {
    // The model calls back on its worker thread. The call is posted to the application object,
    // which outlives every window, and the dialog is looked at only there, on the GUI thread: a
    // dialog closed in the meantime is simply gone.
    QPointer<RecordEditorDialog> self(this);
    return [self] {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self] {
                if (self) self->DownloadEnded();
            },
            Qt::QueuedConnection);
    };
}

void RecordEditorDialog::StartDownload() {
    editor_.Download(DownloadEndedCallback());
    ShowModel();
    ShowProgress();
}

void RecordEditorDialog::FillFromWizard() {
    if (!editor_.FillFromWizard(DownloadEndedCallback())) return;
    ShowModel();
    ShowProgress();
    ApplyFocus();
}

void RecordEditorDialog::FillFromWizardPick(const app::WizardPick& pick) {
    editor_.FillFromPick(pick, DownloadEndedCallback());
    ShowModel();
    ShowProgress();
    ApplyFocus();
}

void RecordEditorDialog::DownloadEnded() {
    editor_.DownloadFinished();
    ShowModel();
    ShowProgress();
}

void RecordEditorDialog::DeleteImage() {
    editor_.DeleteImage();
    ShowModel();
}

void RecordEditorDialog::ShowProgress() {
    progress_->setValue(editor_.ProgressValue());
    if (!editor_.DownloadEnabled()) {
        // Still downloading: the model's value is polled until the download ends.
        if (!progress_poll_->isActive()) progress_poll_->start();
        return;
    }
    progress_poll_->stop();
    // A full bar stays a moment, then the model's hold ends and the bar goes back to 0.
    if (editor_.ProgressValue() >= 100 && !progress_hold_->isActive()) progress_hold_->start();
}

}  // namespace gui
