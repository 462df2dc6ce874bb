#include "gui/qt_prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "gui/text_bytes.h"

namespace gui {
namespace {

QMessageBox::Icon ToQt(platform::Icon icon) {
    switch (icon) {
        case platform::Icon::kInformation:
            return QMessageBox::Information;
        case platform::Icon::kQuestion:
            return QMessageBox::Question;
        case platform::Icon::kWarning:
            return QMessageBox::Warning;
        case platform::Icon::kError:
            return QMessageBox::Critical;
        case platform::Icon::kNone:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(platform::Buttons buttons) {
    switch (buttons) {
        case platform::Buttons::kOk:
            return QMessageBox::Ok;
        case platform::Buttons::kOkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case platform::Buttons::kYesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case platform::Buttons::kYesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case platform::Buttons::kRetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        case platform::Buttons::kAbortRetryIgnore:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

platform::Answer FromQt(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return platform::Answer::kOk;
        case QMessageBox::Yes:
            return platform::Answer::kYes;
        case QMessageBox::No:
            return platform::Answer::kNo;
        case QMessageBox::Retry:
            return platform::Answer::kRetry;
        case QMessageBox::Abort:
            return platform::Answer::kAbort;
        case QMessageBox::Ignore:
            return platform::Answer::kIgnore;
        default:
            return platform::Answer::kCancel;
    }
}

// The picker's filter: the label's name with the patterns as Qt reads them (separated by
// spaces), since a label such as "HTML files (*.htm, *.html)" would make "*.htm," a pattern.
QStringList PatternsOf(const platform::FileFilter& filter) {
    return FromBytes(filter.pattern).split(';', Qt::SkipEmptyParts);
}

QString NameFilterOf(const platform::FileFilter& filter) {
    QString name = FromBytes(filter.label);
    const QStringList patterns = PatternsOf(filter);
    if (patterns.isEmpty()) return name;
    const qsizetype open = name.lastIndexOf(" (");
    if (open > 0 && name.endsWith(')')) name.truncate(open);
    return name + " (" + patterns.join(' ') + ")";
}

}  // namespace

void QtPrompts::BeforeShowing() const {
    if (before_showing_) before_showing_();
}

platform::Answer QtPrompts::Message(std::string_view text, std::string_view title,
                                    platform::Buttons buttons, platform::Icon icon) {
    BeforeShowing();
    QMessageBox box(ToQt(icon), FromBytes(title), FromBytes(text), ToQt(buttons), parent_);
    box.setTextFormat(Qt::PlainText);
    if (buttons == platform::Buttons::kYesNoCancel) box.setDefaultButton(QMessageBox::Yes);
    if (buttons == platform::Buttons::kOkCancel) box.setDefaultButton(QMessageBox::Ok);
    if (buttons == platform::Buttons::kAbortRetryIgnore) box.setDefaultButton(QMessageBox::Retry);
    const int pressed = box.exec();
    // Closing the box with Escape or its close button answers like its cancelling button.
    if (pressed == QMessageBox::NoButton || pressed == QMessageBox::Escape) {
        return buttons == platform::Buttons::kOk ? platform::Answer::kOk
                                                 : platform::Answer::kCancel;
    }
    return FromQt(pressed);
}

std::optional<std::string> QtPrompts::PickFile(std::string_view title,
                                               const platform::FileFilter& filter, bool saving) {
    BeforeShowing();
    QFileDialog dialog(parent_, FromBytes(title),
                       last_folder_.isEmpty() ? QDir::homePath() : last_folder_);
    QStringList name_filters{NameFilterOf(filter)};
    if (filter.with_all_files) name_filters << "All Files (*)";
    dialog.setNameFilters(name_filters);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving) {
        // With the extension added by the picker, replacing an existing database is confirmed.
        const QStringList patterns = PatternsOf(filter);
        if (!patterns.isEmpty() && patterns.first().startsWith("*."))
            dialog.setDefaultSuffix(patterns.first().mid(2));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    last_folder_ = QFileInfo(chosen).absolutePath();
    return ToBytes(chosen);
}

std::optional<std::string> QtPrompts::OpenFile(std::string_view title,
                                               const platform::FileFilter& filter) {
    return PickFile(title, filter, false);
}

std::optional<std::string> QtPrompts::SaveFile(std::string_view title,
                                               const platform::FileFilter& filter) {
    return PickFile(title, filter, true);
}

std::optional<std::string> QtPrompts::ChooseFolder(std::string_view title,
                                                   const std::string& start_folder) {
    BeforeShowing();
    const QString folder =
        QFileDialog::getExistingDirectory(parent_, FromBytes(title), FromBytes(start_folder));
    if (folder.isEmpty()) return std::nullopt;
    return ToBytes(folder);
}

}  // namespace gui
