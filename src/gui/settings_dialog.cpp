#include "gui/settings_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QTabBar>
#include <QVBoxLayout>

#include "gui/mnemonics.h"
#include "gui/text_bytes.h"
#include "gui/users_dialog.h"

namespace gui {

using Side = app::SettingsColumns::Side;

namespace {

const char* const kPageTitles[] = {"General", "My Videos", "Layout", "Database"};

// A read-only field that shows a path whole, scrolled to its start.
QLineEdit* PathField(const char* object_name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(object_name);
    field->setReadOnly(true);
    field->setMinimumWidth(360);
    return field;
}

}  // namespace

SettingsDialog::SettingsDialog(app::SettingsWindow& window, app::SettingsPage page,
                               platform::Help& help, const QString& res_folder, QWidget* parent)
    : QDialog(parent), window_(window), help_(help), res_folder_(res_folder) {
    setObjectName("settingsDialog");
    setWindowTitle("Settings");
    pages_ = new QTabWidget(this);
    pages_->setObjectName("pages");
    pages_->tabBar()->setAccessibleName("Pages");
    pages_->addTab(BuildGeneralPage(), kPageTitles[0]);
    pages_->addTab(BuildMyVideosPage(), kPageTitles[1]);
    pages_->addTab(BuildLayoutPage(), kPageTitles[2]);
    pages_->addTab(BuildDatabasePage(), kPageTitles[3]);
    pages_->setCurrentIndex(static_cast<int>(page));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Help | QDialogButtonBox::Ok |
                                             QDialogButtonBox::Cancel | QDialogButtonBox::Apply,
                                         this);
    buttons->button(QDialogButtonBox::Help)->setObjectName("helpButton");
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    buttons->button(QDialogButtonBox::Apply)->setObjectName("applyButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &SettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SettingsDialog::reject);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &SettingsDialog::Apply);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { help_.ShowTopic(app::SettingsHelpTopic(CurrentPage())); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
    // The options are named by the settings logic: each page gives them the letters that its
    // buttons and the buttons below leave free. Dock and Float, once per pane, have none.
    for (int index = 0; index < pages_->count(); ++index) {
        QWidget* page = pages_->widget(index);
        const QList<QCheckBox*> options = page->findChildren<QCheckBox*>();
        GiveMnemonics({options.begin(), options.end()}, page, this);
    }
    ShowColumns();
    ShowDatabase();
}

app::SettingsPage SettingsDialog::CurrentPage() const {
    return static_cast<app::SettingsPage>(pages_->currentIndex());
}

QCheckBox* SettingsDialog::OptionBox(const app::SettingsCheckBox& box, const QString& object_name,
                                     QWidget* parent) {
    auto* check = new QCheckBox(FromBytes(box.label), parent);
    check->setObjectName(object_name);
    check->setChecked(window_.Option(box.option));
    connect(check, &QCheckBox::toggled, this,
            [this, option = box.option](bool on) { window_.SetOption(option, on); });
    return check;
}

QWidget* SettingsDialog::BuildGeneralPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    int n = 0;
    for (const app::SettingsCheckBox& box : app::GeneralCheckBoxes()) {
        layout->addWidget(OptionBox(box, QString("generalOption%1").arg(n++), page));
    }
    layout->addStretch();
    return page;
}

QWidget* SettingsDialog::BuildMyVideosPage() {
    auto* page = new QWidget(this);
    auto list_group = [&](const char* title, const char* object_name, QListWidget*& list) {
        auto* group = new QGroupBox(title, page);
        auto* group_layout = new QVBoxLayout(group);
        list = new QListWidget(group);
        list->setObjectName(object_name);
        list->setAccessibleName(title);
        group_layout->addWidget(list);
        return group;
    };
    auto* lists = new QHBoxLayout;
    lists->addWidget(list_group("Hidden Columns", "hiddenColumns", hidden_));
    auto* arrows = new QVBoxLayout;
    show_ = new QPushButton(">>", page);
    show_->setObjectName("showColumn");
    show_->setAccessibleName("Show column");
    hide_ = new QPushButton("<<", page);
    hide_->setObjectName("hideColumn");
    hide_->setAccessibleName("Hide column");
    arrows->addStretch();
    arrows->addWidget(show_);
    arrows->addWidget(hide_);
    arrows->addStretch();
    lists->addLayout(arrows);
    lists->addWidget(list_group("Visible Columns", "visibleColumns", visible_));

    const std::span<const app::SettingsCheckBox> boxes = app::MyVideosCheckBoxes();
    auto* list_view = new QGroupBox("List View", page);
    auto* list_view_layout = new QVBoxLayout(list_view);
    list_view_layout->addWidget(OptionBox(boxes[0], "autosize", list_view));
    list_view_layout->addWidget(OptionBox(boxes[1], "gridlines", list_view));
    auto* image_view = new QGroupBox("Image View", page);
    auto* image_view_layout = new QVBoxLayout(image_view);
    image_view_layout->addWidget(OptionBox(boxes[2], "balloons", image_view));
    image_view_layout->addStretch();
    auto* name_group = new QGroupBox("Column Name", page);
    auto* name_layout = new QHBoxLayout(name_group);
    name_ = new QLineEdit(name_group);
    name_->setObjectName("columnName");
    name_->setAccessibleName("Column Name");
    name_->setMaxLength(app::SettingsColumns::kMaxNameLength);
    change_name_ = new QPushButton("Cha&nge", name_group);
    change_name_->setObjectName("changeName");
    change_name_->setAccessibleName("Change column name");
    name_layout->addWidget(name_, 1);
    name_layout->addWidget(change_name_);
    auto* options = new QHBoxLayout;
    options->addWidget(list_view);
    options->addWidget(image_view);
    options->addWidget(name_group, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(lists, 1);
    layout->addLayout(options);

    connect(hidden_, &QListWidget::currentRowChanged, this,
            [this](int row) { ColumnSelected(Side::kHidden, row); });
    connect(visible_, &QListWidget::currentRowChanged, this,
            [this](int row) { ColumnSelected(Side::kVisible, row); });
    // A click on the entry that is already current selects it again after the other list took
    // the selection.
    connect(hidden_, &QListWidget::itemPressed, this,
            [this](QListWidgetItem* item) { ColumnSelected(Side::kHidden, hidden_->row(item)); });
    connect(visible_, &QListWidget::itemPressed, this,
            [this](QListWidgetItem* item) { ColumnSelected(Side::kVisible, visible_->row(item)); });
    connect(show_, &QPushButton::clicked, this, [this] {
        window_.Columns().Show();
        ShowColumns();
    });
    connect(hide_, &QPushButton::clicked, this, [this] {
        window_.Columns().Hide();
        ShowColumns();
    });
    connect(change_name_, &QPushButton::clicked, this, &SettingsDialog::ChangeName);
    connect(name_, &QLineEdit::returnPressed, this, &SettingsDialog::ChangeName);
    return page;
}

QWidget* SettingsDialog::BuildLayoutPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(3, 1);
    int row = 0;
    for (const app::LayoutPane& pane : app::LayoutPanes()) {
        auto* shown = new QCheckBox(FromBytes(pane.label), page);
        shown->setObjectName(QString("paneShown%1").arg(row));
        shown->setChecked(window_.Option(pane.shown));
        connect(shown, &QCheckBox::toggled, this,
                [this, option = pane.shown](bool on) { window_.SetOption(option, on); });
        auto* dock = new QRadioButton("Dock", page);
        dock->setObjectName(QString("paneDock%1").arg(row));
        auto* floating = new QRadioButton("Float", page);
        floating->setObjectName(QString("paneFloat%1").arg(row));
        auto* group = new QButtonGroup(page);
        group->addButton(dock);
        group->addButton(floating);
        if (pane.docked) {
            (window_.Option(pane.docked) ? dock : floating)->setChecked(true);
            connect(dock, &QRadioButton::toggled, this,
                    [this, option = pane.docked](bool on) { window_.SetOption(option, on); });
        } else {
            // The bars are always docked.
            dock->setChecked(true);
            dock->setEnabled(false);
            floating->setEnabled(false);
        }
        grid->addWidget(shown, row, 0);
        grid->addWidget(dock, row, 1);
        grid->addWidget(floating, row, 2);
        ++row;
    }
    grid->setRowStretch(row, 1);
    grid->setHorizontalSpacing(24);
    return page;
}

QWidget* SettingsDialog::BuildDatabasePage() {
    auto* page = new QWidget(this);
    auto* file_group = new QGroupBox("Database File", page);
    auto* file_layout = new QVBoxLayout(file_group);
    database_file_ = PathField("databaseFile", file_group);
    database_file_->setAccessibleName("Database File");
    record_count_ = new QLabel(file_group);
    record_count_->setObjectName("recordCount");
    file_layout->addWidget(database_file_);
    file_layout->addWidget(record_count_);

    auto* image_group = new QGroupBox("Image Directory", page);
    auto* image_layout = new QGridLayout(image_group);
    image_folder_ = PathField("imageFolder", image_group);
    image_folder_->setAccessibleName("Image Directory");
    image_count_ = new QLabel(image_group);
    image_count_->setObjectName("imageCount");
    auto* change = new QPushButton("Cha&nge", image_group);
    change->setObjectName("changeImageFolder");
    change->setAccessibleName("Change image directory");
    auto* restore = new QPushButton("&Restore Default", image_group);
    restore->setObjectName("restoreImageFolder");
    image_layout->addWidget(image_folder_, 0, 0, 1, 3);
    image_layout->addWidget(image_count_, 1, 0);
    image_layout->addWidget(change, 1, 1);
    image_layout->addWidget(restore, 1, 2);
    image_layout->setColumnStretch(0, 1);

    auto* security = new QGroupBox("Security", page);
    auto* security_layout = new QHBoxLayout(security);
    protect_ = new QCheckBox("&Password Protect", security);
    protect_->setObjectName("passwordProtect");
    users_ = new QPushButton("&Users", security);
    users_->setObjectName("usersButton");
    security_layout->addWidget(protect_);
    security_layout->addStretch();
    security_layout->addWidget(users_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(file_group);
    layout->addWidget(image_group);
    layout->addWidget(security);
    layout->addStretch();
    page->setEnabled(window_.DatabasePageEnabled());

    connect(change, &QPushButton::clicked, this, [this] {
        window_.ChangeImageFolder();
        ShowDatabase();
    });
    connect(restore, &QPushButton::clicked, this, [this] {
        window_.RestoreDefaultImageFolder();
        ShowDatabase();
    });
    connect(protect_, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        window_.SetPasswordProtect(on);
        ShowDatabase();
    });
    connect(users_, &QPushButton::clicked, this, &SettingsDialog::OpenUsers);
    return page;
}

void SettingsDialog::ColumnSelected(Side side, int row) {
    if (showing_) return;
    window_.Columns().Select(side, row);
    // The lists stay as they are: the view that was clicked is still handling the click.
    ShowColumnSelection();
}

void SettingsDialog::ChangeName() {
    if (!window_.Columns().RenameEnabled()) return;
    window_.RenameColumn(ToBytes(name_->text()));
    ShowColumns();
    name_->setFocus();
    name_->selectAll();
}

void SettingsDialog::ShowColumns() {
    showing_ = true;
    const app::SettingsColumns& columns = window_.Columns();
    auto fill = [&](QListWidget* list, const std::vector<int>& entries) {
        list->clear();
        for (int list_index : entries) list->addItem(FromBytes(columns.Column(list_index).Name));
    };
    fill(hidden_, columns.Hidden());
    fill(visible_, columns.Visible());
    showing_ = false;
    ShowColumnSelection();
}

void SettingsDialog::ShowColumnSelection() {
    showing_ = true;
    const app::SettingsColumns& columns = window_.Columns();
    for (auto [list, side] :
         {std::pair{hidden_, Side::kHidden}, std::pair{visible_, Side::kVisible}}) {
        const bool selected = columns.SelectedSide() == side && columns.SelectedPosition() >= 0;
        if (!selected) {
            list->setCurrentRow(-1);
            list->clearSelection();
        } else if (list->currentRow() != columns.SelectedPosition()) {
            list->setCurrentRow(columns.SelectedPosition());
        }
    }
    show_->setEnabled(columns.ShowEnabled());
    hide_->setEnabled(columns.HideEnabled());
    name_->setEnabled(columns.RenameEnabled());
    change_name_->setEnabled(columns.RenameEnabled());
    name_->setText(FromBytes(columns.NameFieldText()));
    showing_ = false;
}

void SettingsDialog::ShowDatabase() {
    showing_ = true;
    database_file_->setText(FromBytes(window_.DatabaseFile()));
    database_file_->setCursorPosition(0);
    image_folder_->setText(FromBytes(window_.ImageFolder()));
    image_folder_->setCursorPosition(0);
    const bool open = window_.DatabasePageEnabled();
    record_count_->setText(open ? FromBytes(window_.RecordCountText()) : QString());
    image_count_->setText(open ? FromBytes(window_.ImageCountText()) : QString());
    protect_->setChecked(window_.PasswordProtect());
    users_->setEnabled(window_.UsersEnabled());
    showing_ = false;
}

void SettingsDialog::OpenUsers() {
    if (!window_.UsersEnabled()) return;
    app::UsersWindow users = window_.MakeUsersWindow();
    UsersDialog dialog(users, res_folder_, this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    window_.UsersClosed(users, accepted);
    ShowDatabase();
}

void SettingsDialog::Apply() {
    emit applied(window_.Apply());
    ShowColumns();
    ShowDatabase();
}

void SettingsDialog::accept() {
    Apply();
    QDialog::accept();
}

}  // namespace gui
