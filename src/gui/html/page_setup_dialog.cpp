#include "gui/html/page_setup_dialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/html/column_chooser_dialog.h"
#include "gui/html/theme_editor_dialogs.h"
#include "gui/text_bytes.h"

namespace gui {
namespace {

const char* const kSwatchTips[kThemeColorCount] = {
    "Change background color",  "Change text color",      "Change heading text color",
    "Change border color",      "Change hyperlink color", "Change active link color",
    "Change visited link color"};
const char* const kSwatchLabels[kThemeColorCount] = {"Background", "Text",   "Heading", "Borders",
                                                     "Link",       "Active", "Visited"};

QLineEdit* Field(const QString& name, int limit, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(limit);
    return edit;
}

QSpinBox* Spin(const QString& name, int low, int high, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(low, high);
    return spin;
}

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

PageSetupDialog::PageSetupDialog(html::PageSetup& model, PageSetupContext context, QWidget* parent)
    : QDialog(parent), model_(model), context_(std::move(context)) {
    setWindowTitle(FromBytes(html::PageSetupTitle(model_.Kind())));
    auto* links = Button("Page Lin&ks", "pageLinks", this);
    auto* logo = Button("&Page Logo", "pageLogo", this);
    columns_ = Button("Col&umns", "columns", this);
    generate_ = Button("&Generate", "generate", this);
    auto* close = Button("&Close", "close", this);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(generate_, &QPushButton::clicked, this, [this] {
        if (on_generate) on_generate(model_.Generation());
    });
    connect(links, &QPushButton::clicked, this, [this] {
        if (model_.SelectedName().empty()) return;
        PageLinksDialog dialog(model_.SelectedThemePath(), this);
        dialog.exec();
    });
    connect(logo, &QPushButton::clicked, this, [this] {
        if (model_.SelectedName().empty()) return;
        PageLogoDialog dialog(model_.SelectedThemePath(), context_.standard_logo, model_.Settings(),
                              this);
        dialog.exec();
    });
    connect(columns_, &QPushButton::clicked, this, [this] {
        ColumnChooserDialog dialog(context_.videos, context_.header_path, context_.prompts, this);
        dialog.exec();
    });

    auto* left = new QVBoxLayout;
    left->addWidget(BuildSettings());
    left->addWidget(BuildColors());
    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addWidget(BuildThemes(), 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(links);
    bottom->addWidget(logo);
    bottom->addWidget(columns_);
    bottom->addStretch();
    bottom->addWidget(generate_);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    // The row of buttons was made first but comes last: the window opens on the title.
    QWidget* previous = findChild<QPushButton*>("resetTheme");
    for (QWidget* button :
         std::initializer_list<QWidget*>{links, logo, columns_, generate_, close}) {
        setTabOrder(previous, button);
        previous = button;
    }
}

QWidget* PageSetupDialog::BuildSettings() {
    auto* box = new QGroupBox("Page", this);
    html::HtmlTheme& s = model_.Settings();
    title_ = Field("title", 1024, box);
    font_face_ = Field("fontFace", 32, box);
    font_style_ = Field("fontStyle", 32, box);
    font_size_ = Spin("fontSize", 8, 36, box);
    top_margin_ = Spin("topMargin", 0, 1024, box);
    left_margin_ = Spin("leftMargin", 0, 1024, box);
    destination_ = Field("destination", 259, box);
    output_all_ = new QRadioButton("&All", box);
    output_selected_ = new QRadioButton("S&elected", box);
    output_all_->setObjectName("outputAll");
    output_selected_->setObjectName("outputSelected");

    connect(title_, &QLineEdit::textEdited, this, [&s](const QString& t) { s.title = ToBytes(t); });
    connect(font_face_, &QLineEdit::textEdited, this,
            [&s](const QString& t) { s.font_face = ToBytes(t); });
    connect(font_style_, &QLineEdit::textEdited, this,
            [&s](const QString& t) { s.font_style = ToBytes(t); });
    connect(destination_, &QLineEdit::textEdited, this,
            [&s](const QString& t) { s.output_folder = ToBytes(t); });
    connect(font_size_, &QSpinBox::valueChanged, this, [&s](int v) { s.font_size = v; });
    connect(top_margin_, &QSpinBox::valueChanged, this, [&s](int v) { s.top_margin = v; });
    connect(left_margin_, &QSpinBox::valueChanged, this, [&s](int v) { s.left_margin = v; });
    connect(output_selected_, &QRadioButton::toggled, this,
            [this](bool on) { model_.ChooseOutput(on); });

    auto* font_change = Button("C&hange", "changeFont", box);
    auto* folder_change = Button("Cha&nge", "changeDestination", box);
    connect(font_change, &QPushButton::clicked, this, &PageSetupDialog::ChangeFont);
    connect(folder_change, &QPushButton::clicked, this, &PageSetupDialog::ChangeDestination);

    auto* font_row = new QHBoxLayout;
    font_row->addWidget(font_face_, 3);
    font_row->addWidget(font_style_, 2);
    font_row->addWidget(font_size_);
    font_row->addWidget(font_change);
    auto* margin_row = new QHBoxLayout;
    auto* top_label = new QLabel("T&op:", box);
    top_label->setBuddy(top_margin_);
    auto* left_label = new QLabel("&Left:", box);
    left_label->setBuddy(left_margin_);
    margin_row->addWidget(top_label);
    margin_row->addWidget(top_margin_);
    margin_row->addWidget(left_label);
    margin_row->addWidget(left_margin_);
    margin_row->addStretch();
    auto* folder_row = new QHBoxLayout;
    folder_row->addWidget(destination_);
    folder_row->addWidget(folder_change);
    auto* output_row = new QHBoxLayout;
    output_row->addWidget(output_all_);
    output_row->addWidget(output_selected_);
    output_row->addStretch();

    auto* form = new QFormLayout(box);
    form->addRow("&Title:", title_);
    form->addRow("&Font:", font_row);
    form->addRow("&Margins:", margin_row);
    form->addRow("Dest&ination:", folder_row);
    form->addRow("Output:", output_row);
    // A row of several fields speaks its label with the first of them; the others say what they
    // are.
    for (auto [row, field] : {std::pair<QLayout*, QWidget*>{font_row, font_face_},
                              {margin_row, top_margin_},
                              {folder_row, destination_}}) {
        if (auto* label = qobject_cast<QLabel*>(form->labelForField(row))) label->setBuddy(field);
    }
    font_style_->setAccessibleName("Font style");
    font_size_->setAccessibleName("Font size");
    font_change->setAccessibleName("Change font");
    folder_change->setAccessibleName("Change destination");
    return box;
}

QWidget* PageSetupDialog::BuildColors() {
    auto* box = new QGroupBox("Colors", this);
    auto* swatches = new QGridLayout;
    for (int i = 0; i < kThemeColorCount; ++i) {
        auto* swatch = Button(QString(), QString("swatch%1").arg(i), box);
        swatch->setFixedSize(40, 20);
        swatch->setToolTip(kSwatchTips[i]);
        swatch->setAccessibleName(kSwatchTips[i]);
        connect(swatch, &QPushButton::clicked, this,
                [this, i] { ChangeColor(static_cast<ThemeColor>(i)); });
        swatches_[static_cast<std::size_t>(i)] = swatch;
        swatches->addWidget(new QLabel(kSwatchLabels[i], box), i % 4, (i / 4) * 2);
        swatches->addWidget(swatch, i % 4, (i / 4) * 2 + 1);
    }
    preview_ = new ColorPreview(box);
    preview_->setObjectName("colorPreview");
    connect(preview_, &ColorPreview::colorClicked, this, &PageSetupDialog::ChangeColor);
    auto* layout = new QHBoxLayout(box);
    layout->addLayout(swatches);
    layout->addWidget(preview_, 1);
    return box;
}

QWidget* PageSetupDialog::BuildThemes() {
    auto* box = new QGroupBox("Themes", this);
    themes_ = new QListWidget(box);
    themes_->setObjectName("themes");
    themes_->setAccessibleName("Themes");
    auto* save = Button("Sa&ve", "saveTheme", box);
    auto* remove = Button("&Delete", "deleteTheme", box);
    set_default_ = Button("&Set Default", "setDefault", box);
    auto* reset = Button("&Reset", "resetTheme", box);
    connect(themes_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row == model_.SelectedTheme()) return;
        model_.SelectTheme(row);
        ShowTheme();
    });
    connect(save, &QPushButton::clicked, this, &PageSetupDialog::SaveTheme);
    connect(remove, &QPushButton::clicked, this, &PageSetupDialog::DeleteTheme);
    connect(reset, &QPushButton::clicked, this, &PageSetupDialog::ResetTheme);
    connect(set_default_, &QPushButton::clicked, this, [this] {
        model_.SetDefault();
        UpdateButtons();
    });
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(themes_, 1);
    for (QPushButton* button : {save, remove, set_default_, reset}) layout->addWidget(button);
    return box;
}

bool PageSetupDialog::Start() {
    if (!model_.Open()) return false;
    ShowTheme();
    title_->setFocus();
    title_->selectAll();
    return true;
}

void PageSetupDialog::ShowTheme() {
    const html::HtmlTheme& s = model_.Settings();
    const QSignalBlocker blocks[] = {QSignalBlocker(font_size_), QSignalBlocker(top_margin_),
                                     QSignalBlocker(left_margin_), QSignalBlocker(themes_),
                                     QSignalBlocker(output_selected_)};
    title_->setText(FromBytes(s.title));
    font_face_->setText(FromBytes(s.font_face));
    font_style_->setText(FromBytes(s.font_style));
    font_size_->setValue(s.font_size);
    top_margin_->setValue(s.top_margin);
    left_margin_->setValue(s.left_margin);
    destination_->setText(FromBytes(s.output_folder));
    // The spin fields hold values in their ranges; the settings follow what is shown.
    model_.Settings().font_size = font_size_->value();
    for (int i = 0; i < kThemeColorCount; ++i) {
        const QColor color = QtColorOf(ColorOf(model_.Settings(), static_cast<ThemeColor>(i)));
        swatches_[static_cast<std::size_t>(i)]->setStyleSheet(
            QString("QPushButton { background: %1; border: 1px solid #808080; }")
                .arg(color.name()));
    }
    preview_->Show(s);
    themes_->clear();
    for (const std::string& name : model_.Themes()) themes_->addItem(FromBytes(name));
    themes_->setCurrentRow(model_.SelectedTheme());
    output_selected_->setChecked(model_.OutputSelected());
    output_all_->setChecked(!model_.OutputSelected());
    UpdateButtons();
}

void PageSetupDialog::UpdateButtons() {
    set_default_->setEnabled(model_.SetDefaultEnabled());
    output_selected_->setEnabled(model_.OutputSelectedEnabled());
    columns_->setEnabled(model_.ColumnsEnabled());
    generate_->setEnabled(model_.GenerateEnabled());
}

void PageSetupDialog::ChangeColor(ThemeColor which) {
    core::Color& color = ColorOf(model_.Settings(), which);
    // The custom colours of QColorDialog are kept by Qt for the whole run.
    const QColor chosen = QColorDialog::getColor(QtColorOf(color), this, QString(),
                                                 QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid()) return;
    color = CoreColorOf(chosen);
    ShowTheme();
}

void PageSetupDialog::ChangeFont() {
    QFont initial(font_face_->text());
    initial.setStyleName(font_style_->text());
    initial.setPointSize(font_size_->value());
    bool ok = false;
    const QFont font =
        QFontDialog::getFont(&ok, initial, this, QString(), QFontDialog::DontUseNativeDialog);
    if (!ok) return;
    html::HtmlTheme& s = model_.Settings();
    s.font_face = ToBytes(font.family());
    s.font_style = ToBytes(QFontDatabase::styleString(font));
    s.font_size = std::clamp(font.pointSize(), 8, 36);
    ShowTheme();
}

void PageSetupDialog::ChangeDestination() {
    const std::optional<std::string> folder = context_.prompts.ChooseFolder(
        "Select a destination folder for the HTML list.", ToBytes(destination_->text()));
    if (!folder) return;
    model_.Settings().output_folder = *folder;
    destination_->setText(FromBytes(*folder));
}

void PageSetupDialog::SaveTheme() {
    SaveThemeDialog dialog(FromBytes(model_.SelectedName()), this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (model_.SaveAs(dialog.Name())) ShowTheme();
}

void PageSetupDialog::DeleteTheme() {
    if (!model_.DeleteSelected()) {
        reject();
        return;
    }
    ShowTheme();
}

void PageSetupDialog::ResetTheme() {
    model_.Reset();
    ShowTheme();
}

}  // namespace gui
