// The four pages of the record editor and how their fields are laid out.
#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/editor/digit_spin_field.h"
#include "gui/editor/limited_text_edit.h"
#include "gui/editor/record_editor_dialog.h"
#include "gui/text_bytes.h"

namespace gui {

using app::EditorControl;
using app::EditorField;
using app::RecordEditor;

namespace {

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// Lays out a row of controls side by side, without margins of its own.
QHBoxLayout* RowLayout(QWidget* row) {
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

// One number field of a composite value (hours, minutes, seconds; month, day, year).
struct SpinPart {
    EditorField field;
    const char* name;        // the object name
    const char* accessible;  // what a screen reader calls it
    const char* after;       // the unit shown after it, or nullptr
};

// A label shown as it is: a column name may hold a "&".
QString PlainLabel(const std::string& name) {
    return FromBytes(name).replace(u'&', QStringLiteral("&&")) + u':';
}

}  // namespace

QWidget* RecordEditorDialog::BuildGeneralPage() {
    auto* page = new QWidget;
    page->setObjectName("generalPage");
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLineEdit* title = AddLineEdit(EditorField::kTitle, "title", page);
    form->addRow(BuddyLabel("&Title:", title, page), title);
    QComboBox* category = AddComboBox(EditorField::kCategory, "category", page);
    form->addRow(BuddyLabel("Cate&gory:", category, page), category);
    struct TextInfo {
        EditorField field;
        const char* label;
        const char* name;
        int lines;
    };
    const TextInfo texts[] = {{EditorField::kCast, "Ca&st:", "cast", 4},
                              {EditorField::kDirector, "Di&rector:", "director", 2},
                              {EditorField::kProducer, "&Producer:", "producer", 2},
                              {EditorField::kWriter, "Wr&iter:", "writer", 2}};
    for (const TextInfo& info : texts) {
        // The cells keep no line breaks, so Enter confirms the window instead.
        LimitedTextEdit* edit = AddTextEdit(info.field, info.name, true, page);
        edit->SetLines(info.lines);
        QSizePolicy policy = edit->sizePolicy();
        policy.setVerticalStretch(info.lines);  // the cast list gets the most room
        edit->setSizePolicy(policy);
        form->addRow(BuddyLabel(info.label, edit, page), edit);
    }
    return page;
}

QWidget* RecordEditorDialog::BuildExtendedPage() {
    auto* page = new QWidget;
    page->setObjectName("extendedPage");
    auto* form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);

    QLineEdit* year = AddLineEdit(EditorField::kYear, "year", page);
    year->setMaximumWidth(year->fontMetrics().horizontalAdvance(u'0') * 6 + 16);
    form->addRow(BuddyLabel("&Year:", year, page), year);
    QWidget* duration = BuildDurationRow(page);
    form->addRow(BuddyLabel("D&uration:", fields_.at(EditorField::kHours).widget, page), duration);

    viewed_yes_ = new QRadioButton("Y&es", page);
    viewed_yes_->setObjectName("viewedYes");
    viewed_no_ = new QRadioButton("&No", page);
    viewed_no_->setObjectName("viewedNo");
    auto* viewed_group = new QButtonGroup(page);
    viewed_group->addButton(viewed_yes_);
    viewed_group->addButton(viewed_no_);
    auto* viewed_row = new QHBoxLayout;
    viewed_row->addWidget(viewed_yes_);
    viewed_row->addWidget(viewed_no_);
    viewed_row->addStretch();
    for (QRadioButton* button : {viewed_yes_, viewed_no_}) {
        SetHelp(button, EditorControl::kViewed);
        connect(button, &QRadioButton::toggled, this, [this](bool) {
            if (showing_) return;
            editor_.SetViewed(viewed_yes_->isChecked());
            ShowModel();
        });
    }
    form->addRow(BuddyLabel("&Viewed:", viewed_yes_, page), viewed_row);
    QWidget* date = BuildDateRow(page);
    form->addRow(BuddyLabel("Da&te:", fields_.at(EditorField::kMonth).widget, page), date);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addWidget(BuildMiscellaneous(page));
    layout->addStretch();
    return page;
}

QWidget* RecordEditorDialog::BuildDurationRow(QWidget* page) {
    auto* row = new QWidget(page);
    QHBoxLayout* layout = RowLayout(row);
    const SpinPart parts[] = {{EditorField::kHours, "hours", "hours", "h"},
                              {EditorField::kMinutes, "minutes", "minutes", "min"},
                              {EditorField::kSeconds, "seconds", "seconds", "s"}};
    for (const SpinPart& part : parts) {
        layout->addWidget(AddSpinField(part.field, part.name, part.accessible, row));
        layout->addWidget(new QLabel(part.after, row));
        layout->addSpacing(6);
    }
    QLineEdit* or_value = AddLineEdit(EditorField::kOrValue, "orValue", row);
    or_value->setMaximumWidth(or_value->fontMetrics().horizontalAdvance(u'0') * 8 + 16);
    layout->addWidget(BuddyLabel("o&r", or_value, row));
    layout->addWidget(or_value);
    unit_ = new QComboBox(row);
    unit_->setObjectName("unit");
    unit_->setAccessibleName("Unit");
    for (auto unit :
         {app::DurationUnit::kHours, app::DurationUnit::kMinutes, app::DurationUnit::kSeconds}) {
        unit_->addItem(app::UnitName(unit));
    }
    SetHelp(unit_, EditorControl::kUnit);
    connect(unit_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (showing_) return;
        editor_.SetUnit(static_cast<app::DurationUnit>(index));
        ShowModel();
    });
    layout->addWidget(unit_);
    layout->addStretch();
    return row;
}

QWidget* RecordEditorDialog::BuildDateRow(QWidget* page) {
    auto* row = new QWidget(page);
    QHBoxLayout* layout = RowLayout(row);
    const SpinPart parts[] = {{EditorField::kMonth, "month", "Month", nullptr},
                              {EditorField::kDay, "day", "Day", nullptr},
                              {EditorField::kViewedYear, "viewedYear", "Year", nullptr}};
    for (const SpinPart& part : parts) {
        if (part.field != EditorField::kMonth) layout->addWidget(new QLabel("/", row));
        layout->addWidget(AddSpinField(part.field, part.name, part.accessible, row));
    }
    auto* hint = new QLabel("(month / day / year)", row);
    hint->setForegroundRole(QPalette::PlaceholderText);
    layout->addSpacing(6);
    layout->addWidget(hint);
    layout->addStretch();
    return row;
}

QWidget* RecordEditorDialog::BuildMiscellaneous(QWidget* page) {
    auto* group = new QGroupBox("Miscellaneous", page);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setHorizontalSpacing(8);
    grid->setColumnMinimumWidth(2, 90);

    QComboBox* mpaa = AddComboBox(EditorField::kMpaa, "mpaa", group);
    grid->addWidget(BuddyLabel("&MPAA Rating:", mpaa, group), 0, 0);
    grid->addWidget(mpaa, 0, 1);
    const std::vector<std::string>& labels = editor_.CustomLabels();
    for (int i = 0; i < 7; ++i) {
        const auto field = static_cast<EditorField>(static_cast<int>(EditorField::kCustom1) + i);
        const std::string name = "custom" + std::to_string(i + 1);
        QComboBox* combo = AddComboBox(field, name.c_str(), group);
        // Miscellaneous 2 to 8 are named after the custom columns; a missing one keeps its
        // number.
        const auto index = static_cast<std::size_t>(i);
        const QString text = index < labels.size() ? PlainLabel(labels[index])
                                                   : QString("Miscellaneous %1:").arg(i + 2);
        auto* label = BuddyLabel(text, combo, group);
        label->setObjectName(QString::fromStdString(name + "Label"));
        label->setWordWrap(true);
        label->setMaximumWidth(150);
        // Two columns: MPAA and the first three on the left, the other four on the right.
        const int slot = i + 1;
        const int row = slot % 4;
        const int column = slot < 4 ? 0 : 2;
        grid->addWidget(label, row, column);
        grid->addWidget(combo, row, column + 1);
    }
    return group;
}

QWidget* RecordEditorDialog::BuildSynopsisPage() {
    auto* page = new QWidget;
    page->setObjectName("synopsisPage");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    LimitedTextEdit* synopsis = AddTextEdit(EditorField::kSynopsis, "synopsis", false, page);
    synopsis->SetLines(16);
    layout->addWidget(BuddyLabel("&Synopsis:", synopsis, page));
    layout->addWidget(synopsis, 1);
    return page;
}

QWidget* RecordEditorDialog::BuildImagePage() {
    auto* page = new QWidget;
    page->setObjectName("imagePage");
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);

    QLineEdit* file = AddLineEdit(EditorField::kFile, "imageFile", page);
    file->setReadOnly(true);
    browse_ = new QPushButton("&Browse...", page);
    browse_->setObjectName("browseButton");
    SetHelp(browse_, EditorControl::kBrowse);
    grid->addWidget(BuddyLabel("&File:", file, page), 0, 0);
    grid->addWidget(file, 0, 1);
    grid->addWidget(browse_, 0, 2);

    QLineEdit* url = AddLineEdit(EditorField::kUrl, "url", page);
    url->setPlaceholderText("http://");
    download_ = new QPushButton("Dow&nload", page);
    download_->setObjectName("downloadButton");
    SetHelp(download_, EditorControl::kDownload);
    grid->addWidget(BuddyLabel("&URL:", url, page), 1, 0);
    grid->addWidget(url, 1, 1);
    grid->addWidget(download_, 1, 2);

    progress_ = new QProgressBar(page);
    progress_->setObjectName("progress");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(progress_->fontMetrics().height());
    grid->addWidget(progress_, 2, 1);

    delete_image_ = new QPushButton("De&lete", page);
    delete_image_->setObjectName("deleteImageButton");
    SetHelp(delete_image_, EditorControl::kDeleteImage);
    grid->addWidget(delete_image_, 3, 2);

    for (QPushButton* button : {browse_, download_, delete_image_}) button->setAutoDefault(false);
    connect(browse_, &QPushButton::clicked, this, &RecordEditorDialog::Browse);
    connect(download_, &QPushButton::clicked, this, &RecordEditorDialog::StartDownload);
    connect(delete_image_, &QPushButton::clicked, this, &RecordEditorDialog::DeleteImage);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

}  // namespace gui
