#include "gui/editor/record_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "gui/editor/digit_spin_field.h"
#include "gui/editor/limited_text_edit.h"
#include "gui/editor/picture_area.h"
#include "gui/editor/typing_rule.h"
#include "gui/mnemonics.h"
#include "gui/text_bytes.h"

namespace gui {

using app::EditorControl;
using app::EditorField;
using app::RecordEditor;

namespace {

// The page tree: a row per page, roomy enough to click, and no taller or wider than its names.
QTreeWidget* NewPageTree(QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName("pageTree");
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(false);
    tree->setColumnCount(1);
    const QFontMetrics metrics = tree->fontMetrics();
    const int row_height = metrics.height() + 10;
    int names_width = 0;
    for (const std::string& name : RecordEditor::PageNames()) {
        auto* item = new QTreeWidgetItem(QStringList{FromBytes(name)});
        item->setSizeHint(0, QSize(0, row_height));
        tree->addTopLevelItem(item);
        names_width = qMax(names_width, metrics.horizontalAdvance(FromBytes(name)));
    }
    tree->setFixedHeight(row_height * tree->topLevelItemCount() + 2 * tree->frameWidth() + 4);
    tree->setFixedWidth(qMax(names_width + 40, 170));
    return tree;
}

}  // namespace

RecordEditorDialog::RecordEditorDialog(RecordEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setObjectName("recordEditorDialog");
    setWindowTitle(editor_.WindowTitle());

    // Created in the order the Tab key visits them: tree, page, page buttons, bottom row.
    tree_ = NewPageTree(this);
    tree_->setAccessibleName("Pages");
    SetHelp(tree_, EditorControl::kPageTree);

    heading_ = new QLabel(this);
    heading_->setObjectName("pageHeading");
    QFont heading_font = heading_->font();
    heading_font.setBold(true);
    heading_font.setPointSizeF(heading_font.pointSizeF() * 1.15);
    heading_->setFont(heading_font);

    pages_ = new QStackedWidget(this);
    pages_->setObjectName("pages");
    pages_->addWidget(BuildGeneralPage());
    pages_->addWidget(BuildExtendedPage());
    pages_->addWidget(BuildSynopsisPage());
    pages_->addWidget(BuildImagePage());

    picture_ = new PictureArea(RecordEditor::kNoImageText, this);
    picture_->setObjectName("picture");
    SetHelp(picture_, EditorControl::kPicture);

    previous_ = new QPushButton("<<", this);
    previous_->setObjectName("previousButton");
    previous_->setToolTip("Previous page (Ctrl+Page Up)");
    previous_->setAccessibleName("Previous page");
    next_ = new QPushButton(">>", this);
    next_->setObjectName("nextButton");
    next_->setToolTip("Next page (Ctrl+Page Down)");
    next_->setAccessibleName("Next page");
    for (QPushButton* button : {previous_, next_}) button->setAutoDefault(false);
    // The keys press the buttons at once (a button's own shortcut waits for its animation).
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this), &QShortcut::activated,
            previous_, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this), &QShortcut::activated,
            next_, &QPushButton::click);

    close_on_add_ = new QCheckBox("Close on a&dd", this);
    close_on_add_->setObjectName("closeOnAdd");
    SetHelp(close_on_add_, EditorControl::kCloseOnAdd);

    // Created in the order the button box shows them, so that Tab visits them left to right.
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    ok_->setObjectName("okButton");
    wizard_ = buttons->addButton("&Wizard", QDialogButtonBox::ActionRole);
    wizard_->setObjectName("wizardButton");
    SetHelp(wizard_, EditorControl::kWizard);
    close_ = buttons->addButton(QDialogButtonBox::Close);
    close_->setObjectName("closeButton");
    help_ = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
    help_->setObjectName("helpButton");
    help_->setToolTip("Click, then click a field to read what it is for");
    for (QPushButton* button : {wizard_, help_, close_}) button->setAutoDefault(false);
    connect(wizard_, &QPushButton::clicked, this, &RecordEditorDialog::FillFromWizard);
    ok_->setDefault(true);

    // The left column: the tree, the picture and the page buttons.
    auto* page_buttons = new QHBoxLayout;
    page_buttons->addWidget(previous_);
    page_buttons->addWidget(next_);
    auto* left = new QVBoxLayout;
    left->addWidget(tree_);
    left->addWidget(picture_, 1);
    left->addLayout(page_buttons);
    auto* right = new QVBoxLayout;
    right->addWidget(heading_);
    right->addWidget(pages_, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(6);
    columns->addLayout(right, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(close_on_add_);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
    picture_->setFixedWidth(tree_->width());
    // The custom columns' labels are column names: they get the letters the rest leaves free.
    QWidget* extended = pages_->widget(static_cast<int>(RecordEditor::Page::kExtended));
    GiveMnemonics(extended->findChildren<QWidget*>(QRegularExpression("^custom\\d+Label$")),
                  extended, this);

    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (showing_ || item == nullptr) return;
        editor_.ShowPage(static_cast<RecordEditor::Page>(tree_->indexOfTopLevelItem(item)));
        ShowPage();
    });
    connect(previous_, &QPushButton::clicked, this, [this] {
        editor_.PreviousPage();
        ShowPage();
    });
    connect(next_, &QPushButton::clicked, this, [this] {
        editor_.NextPage();
        ShowPage();
    });
    connect(close_on_add_, &QCheckBox::toggled, this, [this](bool close) {
        if (showing_) return;
        editor_.SetCloseOnAdd(close);
        ShowModel();
    });
    connect(help_, &QPushButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    connect(ok_, &QPushButton::clicked, this, &RecordEditorDialog::accept);
    connect(close_, &QPushButton::clicked, this, &RecordEditorDialog::reject);

    progress_poll_ = new QTimer(this);
    progress_poll_->setInterval(50);
    connect(progress_poll_, &QTimer::timeout, this, &RecordEditorDialog::ShowProgress);
    progress_hold_ = new QTimer(this);
    progress_hold_->setSingleShot(true);
    progress_hold_->setInterval(RecordEditor::kProgressHoldMilliseconds);
    connect(progress_hold_, &QTimer::timeout, this, [this] {
        editor_.ResetProgress();
        ShowProgress();
    });

    ShowModel();
    ShowPage();
    ApplyFocus();
    resize(sizeHint().expandedTo(QSize(760, 540)));
}

void RecordEditorDialog::Register(EditorField field, QWidget* widget,
                                  std::function<void(const QString&)> show) {
    const std::string help = editor_.HelpText(field);
    if (!help.empty()) widget->setWhatsThis(FromBytes(help));
    fields_[field] = FieldView{widget, std::move(show)};
}

void RecordEditorDialog::SetHelp(QWidget* widget, EditorControl control) const {
    const std::string help = editor_.HelpText(control);
    if (!help.empty()) widget->setWhatsThis(FromBytes(help));
}

QLineEdit* RecordEditorDialog::AddLineEdit(EditorField field, const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    HoldToRule(edit, TypingRuleOf(RecordEditor::RuleOf(field)));
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { Edited(field, text); });
    Register(field, edit, [edit](const QString& text) { ShowWhole(edit, text); });
    return edit;
}

QComboBox* RecordEditorDialog::AddComboBox(EditorField field, const char* name, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);  // the text is taken as typed, in its own letter case
    // Long values in the list must not widen the window.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(12);
    for (const std::string& choice : editor_.Choices(field)) combo->addItem(FromBytes(choice));
    HoldToRule(combo->lineEdit(), TypingRuleOf(RecordEditor::RuleOf(field)));
    connect(combo, &QComboBox::editTextChanged, this,
            [this, field](const QString& text) { Edited(field, text); });
    Register(field, combo, [combo](const QString& text) {
        if (combo->currentText() == text) return;
        const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0) combo->setCurrentIndex(index);
        ShowWhole(combo->lineEdit(), text);
    });
    return combo;
}

LimitedTextEdit* RecordEditorDialog::AddTextEdit(EditorField field, const char* name,
                                                 bool enter_confirms, QWidget* parent) {
    auto* edit = new LimitedTextEdit(static_cast<int>(RecordEditor::RuleOf(field).max_length),
                                     enter_confirms, parent);
    edit->setObjectName(name);
    connect(edit, &LimitedTextEdit::edited, this,
            [this, field](const QString& text) { Edited(field, text); });
    Register(field, edit, [edit](const QString& text) { edit->ShowText(text); });
    return edit;
}

DigitSpinField* RecordEditorDialog::AddSpinField(EditorField field, const char* name,
                                                 const char* accessible_name, QWidget* parent) {
    const auto range = RecordEditor::UpDownRangeOf(field).value_or(RecordEditor::UpDownRange{});
    auto* spin = new DigitSpinField(range.minimum, range.maximum,
                                    TypingRuleOf(RecordEditor::RuleOf(field)), parent);
    spin->setObjectName(name);
    spin->setAccessibleName(accessible_name);
    connect(spin, &DigitSpinField::edited, this,
            [this, field](const QString& text) { Edited(field, text); });
    Register(field, spin, [spin](const QString& text) { spin->ShowText(text); });
    return spin;
}

void RecordEditorDialog::Edited(EditorField field, const QString& text) {
    if (showing_) return;
    editor_.SetText(field, ToBytes(text));
    ShowModel();
}

void RecordEditorDialog::ShowModel() {
    showing_ = true;
    for (const auto& [field, view] : fields_) {
        view.show(FromBytes(editor_.Text(field)));
        view.widget->setEnabled(editor_.FieldEnabled(field));
    }
    unit_->setCurrentIndex(static_cast<int>(editor_.Unit()));
    viewed_yes_->setChecked(editor_.Viewed());
    viewed_no_->setChecked(!editor_.Viewed());
    picture_->ShowPicture(FromBytes(editor_.Picture()));
    download_->setEnabled(editor_.DownloadEnabled());
    delete_image_->setEnabled(editor_.DeleteImageEnabled());
    close_on_add_->setChecked(editor_.CloseOnAdd());
    close_on_add_->setEnabled(editor_.CloseOnAddEnabled());
    wizard_->setEnabled(editor_.WizardEnabled());
    ok_->setEnabled(editor_.OkEnabled());
    showing_ = false;
}

void RecordEditorDialog::ShowPage() {
    const int index = static_cast<int>(editor_.CurrentPage());
    showing_ = true;
    pages_->setCurrentIndex(index);
    tree_->setCurrentItem(tree_->topLevelItem(index));
    showing_ = false;
    heading_->setText(FromBytes(RecordEditor::PageNames()[static_cast<std::size_t>(index)]));
    previous_->setEnabled(editor_.PreviousEnabled());
    next_->setEnabled(editor_.NextEnabled());
}

void RecordEditorDialog::ApplyFocus() {
    const std::optional<EditorField> focus = editor_.FocusedField();
    if (!focus) {
        tree_->setFocus();
        return;
    }
    QWidget* widget = fields_.at(*focus).widget;
    for (int page = 0; page < pages_->count(); ++page) {
        if (pages_->widget(page)->isAncestorOf(widget)) {
            editor_.ShowPage(static_cast<RecordEditor::Page>(page));
            ShowPage();
        }
    }
    widget->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
}

void RecordEditorDialog::accept() {
    if (!editor_.OkEnabled()) return;
    const RecordEditor::OkResult result = editor_.Ok();
    if (result.stored) emit recordStored(editor_.StoredRow());
    if (result.close) {
        QDialog::accept();
        return;
    }
    ShowModel();
    ApplyFocus();
}

}  // namespace gui
