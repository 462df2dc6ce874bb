#include "gui/imports/import_wizard_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "gui/text_bytes.h"

namespace gui {
namespace {

using imports::WizardSource;

// The guide's section of each kind of source.
std::string HelpTopic(WizardSource source) {
    switch (source) {
        case WizardSource::kReeldeck:
            return "importing.html#reeldeck";
        case WizardSource::kFilmfolio:
            return "importing.html#filmfolio";
        case WizardSource::kCsv:
            return "importing.html#csv";
        case WizardSource::kTellico:
        case WizardSource::kGcstar:
            return "importing.html#collections";
    }
    return "importing.html";
}

// A path field that only shows what was chosen with its button.
QLineEdit* PathField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setMinimumWidth(380);
    return field;
}

QTreeWidget* List(const QString& name, const QString& spoken_name, const QStringList& headers,
                  QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setAccessibleName(spoken_name);
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    list->setMinimumHeight(220);
    return list;
}

QToolButton* ArrowButton(const QString& name, Qt::ArrowType arrow, const QString& tip,
                         QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setFixedSize(28, 24);
    return button;
}

int CurrentRow(const QTreeWidget* list) {
    QTreeWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? list->indexOfTopLevelItem(item) : -1;
}

}  // namespace

ImportWizardDialog::ImportWizardDialog(imports::ImportWizard& wizard, platform::Help& help,
                                       QWidget* parent)
    : QDialog(parent), wizard_(wizard), help_(help) {
    setObjectName("importWizardDialog");
    setWindowTitle("Import Wizard");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildSource());
    if (wizard_.UsesProgram()) layout->addWidget(BuildProgram());
    if (wizard_.UsesImageFolder()) layout->addWidget(BuildImages());
    layout->addWidget(BuildAssignment(), 1);
    layout->addWidget(BuildButtons());
    resize(760, 620);
    ShowState();
}

QWidget* ImportWizardDialog::BuildSource() {
    auto* group = new QGroupBox(FromBytes(wizard_.SourceCaption()), this);
    auto* row = new QHBoxLayout(group);
    source_path_ = PathField("sourcePath", group);
    auto* browse = new QPushButton("&Browse", group);
    browse->setObjectName("browseSource");
    records_ = new QLabel(group);
    records_->setObjectName("recordCount");
    records_->setMinimumWidth(90);
    row->addWidget(source_path_, 1);
    row->addWidget(browse);
    row->addWidget(records_);
    connect(browse, &QPushButton::clicked, this, [this] {
        if (wizard_.BrowseSource()) ShowState();
    });
    return group;
}

QWidget* ImportWizardDialog::BuildProgram() {
    auto* group = new QGroupBox("Source Executable File (.exe)", this);
    auto* row = new QHBoxLayout(group);
    program_path_ = PathField("programPath", group);
    auto* browse = new QPushButton("B&rowse", group);
    browse->setObjectName("browseProgram");
    row->addWidget(program_path_, 1);
    row->addWidget(browse);
    // The program row has no count: its spacer keeps the Browse buttons one above the other.
    row->addSpacing(90 + row->spacing());
    connect(browse, &QPushButton::clicked, this, [this] {
        if (wizard_.BrowseProgram()) ShowState();
    });
    return group;
}

QWidget* ImportWizardDialog::BuildImages() {
    auto* group = new QGroupBox("Source Image Directory", this);
    auto* row = new QHBoxLayout(group);
    image_folder_ = PathField("imageFolder", group);
    auto* select = new QPushButton("&Select", group);
    select->setObjectName("selectImages");
    files_ = new QLabel(group);
    files_->setObjectName("fileCount");
    files_->setMinimumWidth(90);
    row->addWidget(image_folder_, 1);
    row->addWidget(select);
    row->addWidget(files_);
    connect(select, &QPushButton::clicked, this, [this] {
        if (wizard_.SelectImageFolder()) ShowState();
    });
    return group;
}

QWidget* ImportWizardDialog::BuildAssignment() {
    auto* group = new QGroupBox("Import Column Assignment", this);
    auto* row = new QHBoxLayout(group);
    ignored_ = List("ignoreList", "Ignored columns", {"Ignore", ""}, group);
    pairs_ = List("pairingList", "Imported columns", {"Import", "", "Existing"}, group);
    ignored_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    ignored_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    ignored_->header()->setStretchLastSection(false);

    pair_ = ArrowButton("pairButton", Qt::RightArrow, "Import the selected column", group);
    unpair_ = ArrowButton("unpairButton", Qt::LeftArrow, "Ignore the selected column", group);
    move_up_ = ArrowButton("moveUpButton", Qt::UpArrow, "Move the pairing up", group);
    move_down_ = ArrowButton("moveDownButton", Qt::DownArrow, "Move the pairing down", group);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    for (QToolButton* button : {pair_, unpair_, move_up_, move_down_}) buttons->addWidget(button);
    buttons->addStretch();

    row->addWidget(ignored_, 2);
    row->addLayout(buttons);
    row->addWidget(pairs_, 3);

    connect(pair_, &QToolButton::clicked, this, &ImportWizardDialog::PairSelected);
    connect(unpair_, &QToolButton::clicked, this, &ImportWizardDialog::UnpairSelected);
    connect(move_up_, &QToolButton::clicked, this, [this] { MoveSelected(true); });
    connect(move_down_, &QToolButton::clicked, this, [this] { MoveSelected(false); });
    connect(ignored_, &QTreeWidget::itemSelectionChanged, this, &ImportWizardDialog::ShowEnabling);
    connect(pairs_, &QTreeWidget::itemSelectionChanged, this, &ImportWizardDialog::ShowEnabling);
    return group;
}

QWidget* ImportWizardDialog::BuildButtons() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    import_images_ = new QCheckBox("I&mport Images", bar);
    import_images_->setObjectName("importImages");
    import_images_->setVisible(wizard_.HasImages());
    auto* help = new QPushButton("&Help", bar);
    help->setObjectName("helpButton");
    import_ = new QPushButton("&Import", bar);
    import_->setObjectName("importButton");
    import_->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", bar);
    cancel->setObjectName("cancelButton");
    row->addWidget(import_images_);
    row->addStretch();
    for (QPushButton* button : {help, import_, cancel}) row->addWidget(button);

    connect(import_images_, &QCheckBox::toggled, this, [this](bool checked) {
        wizard_.SetImportImages(checked);
        ShowEnabling();
    });
    connect(help, &QPushButton::clicked, this,
            [this] { help_.ShowTopic(HelpTopic(wizard_.source())); });
    connect(import_, &QPushButton::clicked, this, &ImportWizardDialog::Import);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return bar;
}

void ImportWizardDialog::ShowState(int select_row) {
    const imports::WizardFields& fields = wizard_.fields();
    source_path_->setText(FromBytes(fields.source_path));
    records_->setText(FromBytes(wizard_.RecordsLabel()));
    if (program_path_) program_path_->setText(FromBytes(fields.program_path));
    if (image_folder_) {
        image_folder_->setText(FromBytes(fields.image_folder));
        files_->setText(FromBytes(wizard_.FilesLabel()));
    }
    ShowLists(select_row);
    ShowEnabling();
}

void ImportWizardDialog::ShowLists(int select_row) {
    const imports::PairingModel& pairing = wizard_.pairing();
    ignored_->clear();
    for (const imports::SourceField& field : pairing.Ignored()) {
        auto* item = new QTreeWidgetItem(ignored_);
        item->setText(0, FromBytes(field.name));
        item->setText(1, QString::number(field.slot));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    pairs_->clear();
    for (const imports::TargetRow& row : pairing.Rows()) {
        auto* item = new QTreeWidgetItem(pairs_);
        if (row.source) {
            item->setText(0, FromBytes(row.source->name));
            item->setText(1, "->");
        }
        item->setText(2, FromBytes(row.name));
    }
    for (int column = 0; column < pairs_->columnCount(); ++column)
        pairs_->resizeColumnToContents(column);
    // Rebuilt lists are repainted whole: the rows left behind by a shorter list are not
    // otherwise redrawn on every platform.
    ignored_->viewport()->update();
    pairs_->viewport()->update();
    if (select_row >= 0 && select_row < pairs_->topLevelItemCount()) {
        QTreeWidgetItem* item = pairs_->topLevelItem(select_row);
        pairs_->setCurrentItem(item);
        pairs_->scrollToItem(item);
    }
}

void ImportWizardDialog::ShowEnabling() {
    const int pair_row = CurrentRow(pairs_);
    const bool paired =
        pair_row >= 0 && wizard_.pairing().Rows()[static_cast<std::size_t>(pair_row)].source;
    pair_->setEnabled(CurrentRow(ignored_) >= 0);
    unpair_->setEnabled(paired);
    move_up_->setEnabled(paired);
    move_down_->setEnabled(paired);
    const QSignalBlocker quiet(import_images_);
    import_images_->setChecked(wizard_.ImportImagesChecked());
    import_images_->setEnabled(wizard_.ImportImagesEnabled());
    import_->setEnabled(wizard_.ImportEnabled());
}

void ImportWizardDialog::PairSelected() {
    const std::optional<int> row = wizard_.pairing().PairIgnored(CurrentRow(ignored_));
    if (row) ShowState(*row);
}

void ImportWizardDialog::UnpairSelected() {
    if (wizard_.pairing().Unpair(CurrentRow(pairs_))) ShowState();
}

void ImportWizardDialog::MoveSelected(bool up) {
    const int row = CurrentRow(pairs_);
    const std::optional<int> moved =
        up ? wizard_.pairing().MoveUp(row) : wizard_.pairing().MoveDown(row);
    if (moved) ShowState(*moved);
}

void ImportWizardDialog::Import() {
    imports::ImportResult result = wizard_.Import();
    if (!result.ok) return;
    result_ = std::move(result);
    accept();
}

}  // namespace gui
