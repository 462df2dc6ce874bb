#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <map>

#include "app/record_editor.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTimer;
class QTreeWidget;

namespace gui {

class DigitSpinField;
class LimitedTextEdit;
class PictureArea;

// The Add Video / Edit Video window over its model: a page tree with the record's picture
// beneath it, the General, Extended, Synopsis and Image pages, and OK, Close, Help and Wizard.
// Every rule is the model's; the window shows it after each change and forwards what the user
// does.
class RecordEditorDialog final : public QDialog {
    Q_OBJECT
  public:
    // `editor` must outlive the dialog.
    RecordEditorDialog(app::RecordEditor& editor, QWidget* parent = nullptr);

    // OK: the model stores the record; the window closes when the model says so, otherwise the
    // focus goes to the field the model names.
    void accept() override;

    // Fills the form from a result of the Video Import Wizard and fetches its cover.
    void FillFromWizardPick(const app::WizardPick& pick);

  signals:
    // A record was added or changed; `row` is the row it has in the list now.
    void recordStored(int row);

  private:
    // How the window shows one field of the model and hears the user change it.
    struct FieldView {
        QWidget* widget = nullptr;
        std::function<void(const QString&)> show;
    };

    // The pages and the parts around them (record_editor_pages.cpp).
    QWidget* BuildGeneralPage();
    QWidget* BuildExtendedPage();
    QWidget* BuildSynopsisPage();
    QWidget* BuildImagePage();
    QWidget* BuildDurationRow(QWidget* page);
    QWidget* BuildDateRow(QWidget* page);
    QWidget* BuildMiscellaneous(QWidget* page);

    // Field controls, each registered as the view of its field.
    QLineEdit* AddLineEdit(app::EditorField field, const char* name, QWidget* parent);
    QComboBox* AddComboBox(app::EditorField field, const char* name, QWidget* parent);
    LimitedTextEdit* AddTextEdit(app::EditorField field, const char* name, bool enter_confirms,
                                 QWidget* parent);
    DigitSpinField* AddSpinField(app::EditorField field, const char* name,
                                 const char* accessible_name, QWidget* parent);
    void Register(app::EditorField field, QWidget* widget,
                  std::function<void(const QString&)> show);
    void SetHelp(QWidget* widget, app::EditorControl control) const;

    void Edited(app::EditorField field, const QString& text);
    // Shows every field, state and button as the model has them.
    void ShowModel();
    void ShowPage();
    void ApplyFocus();

    // The image page (record_editor_image.cpp).
    void Browse();
    void StartDownload();
    // "Wizard": the form takes the wizard's selected result.
    void FillFromWizard();
    // What the model calls on its worker thread when a download ends.
    std::function<void()> DownloadEndedCallback();
    void DownloadEnded();
    void DeleteImage();
    void ShowProgress();

    app::RecordEditor& editor_;
    std::map<app::EditorField, FieldView> fields_;
    bool showing_ = false;

    QTreeWidget* tree_ = nullptr;
    QLabel* heading_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    PictureArea* picture_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QComboBox* unit_ = nullptr;
    QRadioButton* viewed_yes_ = nullptr;
    QRadioButton* viewed_no_ = nullptr;
    QPushButton* browse_ = nullptr;
    QPushButton* download_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* delete_image_ = nullptr;
    QCheckBox* close_on_add_ = nullptr;
    QPushButton* wizard_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* close_ = nullptr;
    QTimer* progress_poll_ = nullptr;
    QTimer* progress_hold_ = nullptr;
};

}  // namespace gui
