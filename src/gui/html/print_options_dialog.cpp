#include "gui/html/print_options_dialog.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/text.h"
#include "gui/html/color_preview.h"
#include "gui/text_bytes.h"
#include "html/print_preview.h"

namespace gui {
namespace {

QRadioButton* Radio(const QString& text, const QString& name, QWidget* parent) {
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    return radio;
}

QCheckBox* Check(const QString& text, const QString& name, QWidget* parent) {
    auto* check = new QCheckBox(text, parent);
    check->setObjectName(name);
    return check;
}

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void Paint(QPushButton* swatch, core::Color color) {
    swatch->setStyleSheet(QString("QPushButton { background: %1; border: 1px solid #808080; }")
                              .arg(QtColorOf(color).name()));
}

}  // namespace

PrintOptionsDialog::PrintOptionsDialog(PrintOptionsContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
    setWindowTitle("Print Output Options");
    const core::FileResult read =
        html::LoadPrintSettings(context_.paths.print_settings, context_.settings);
    if (read.value < 0) {
        context_.prompts.Message(core::FormatText("Error opening print settings file:\n%s.\n%s.",
                                                  {read.path, read.reason}),
                                 "Error", platform::Buttons::kOk, platform::Icon::kInformation);
    }
    choices_ = html::OpenPrintChoices(context_.settings.list, context_.videos.RowCount(),
                                      context_.videos.SelectedCount(), context_.wanted.Count());

    preview_ = new QTextBrowser(this);
    preview_->setObjectName("printPreview");
    preview_->setAccessibleName("Preview");
    // Wide enough that the right-hand columns of a full record (rating, duration) do not wrap.
    preview_->setMinimumSize(560, 300);
    auto* print = Button("&Print", "print", this);
    auto* cancel = Button("&Cancel", "cancel", this);
    print->setDefault(true);
    connect(print, &QPushButton::clicked, this, &PrintOptionsDialog::Print);
    connect(cancel, &QPushButton::clicked, this, &PrintOptionsDialog::reject);

    auto* options = new QVBoxLayout;
    options->addWidget(BuildLists());
    options->addWidget(BuildFont());
    options->addWidget(BuildLayout());
    options->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(options);
    top->addWidget(preview_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    // The choices first, then what they make, then the buttons; the window opens on the lists.
    setTabOrder(include_images_, preview_);
    setTabOrder(preview_, print);
    setTabOrder(print, cancel);
    ShowChoices();
    ShowSettings();
}

QWidget* PrintOptionsDialog::BuildLists() {
    auto* box = new QGroupBox("Print", this);
    my_videos_ = Radio("My &Videos", "listMyVideos", box);
    wanted_ = Radio("&Wanted Videos", "listWanted", box);
    both_ = Radio("&Both", "listBoth", box);
    all_ = Radio("&All", "recordsAll", box);
    selected_ = Radio("&Selected", "recordsSelected", box);
    // The two rows are separate choices, not one group of five.
    auto* lists = new QButtonGroup(box);
    for (QRadioButton* radio : {my_videos_, wanted_, both_}) lists->addButton(radio);
    auto* records = new QButtonGroup(box);
    records->addButton(all_);
    records->addButton(selected_);
    const std::pair<QRadioButton*, html::PrintList> list_of[] = {
        {my_videos_, html::PrintList::kMyVideos},
        {wanted_, html::PrintList::kWanted},
        {both_, html::PrintList::kBoth}};
    for (const auto& [radio, list] : list_of) {
        connect(radio, &QRadioButton::toggled, this, [this, list = list](bool on) {
            if (on) ChooseList(list);
        });
    }
    connect(selected_, &QRadioButton::toggled, this, [this](bool on) {
        choices_.records = on ? html::PrintRecords::kSelected : html::PrintRecords::kAll;
        context_.settings.records = choices_.records;
    });

    auto* list_row = new QHBoxLayout;
    for (QRadioButton* radio : {my_videos_, wanted_, both_}) list_row->addWidget(radio);
    list_row->addStretch();
    auto* records_row = new QHBoxLayout;
    records_row->addWidget(all_);
    records_row->addWidget(selected_);
    records_row->addStretch();
    auto* form = new QFormLayout(box);
    form->addRow("List:", list_row);
    form->addRow("Records:", records_row);
    return box;
}

QWidget* PrintOptionsDialog::BuildFont() {
    auto* box = new QGroupBox("Font and Colors", this);
    html::PrintSettings& s = context_.settings;
    font_face_ = new QLineEdit(box);
    font_face_->setObjectName("fontFace");
    font_face_->setMaxLength(32);
    font_style_ = new QLineEdit(box);
    font_style_->setObjectName("fontStyle");
    font_style_->setMaxLength(32);
    font_size_ = new QSpinBox(box);
    font_size_->setObjectName("fontSize");
    font_size_->setRange(8, 36);
    auto* change = Button("Cha&nge", "changeFont", box);
    heading_color_ = Button(QString(), "headingColor", box);
    text_color_ = Button(QString(), "textColor", box);
    heading_color_->setToolTip("Change heading text color");
    text_color_->setToolTip("Change text color");
    for (QPushButton* swatch : {heading_color_, text_color_}) swatch->setFixedSize(40, 20);

    connect(font_face_, &QLineEdit::textEdited, this, [this, &s](const QString& text) {
        s.font_face = ToBytes(text);
        ShowSettings();
    });
    connect(font_style_, &QLineEdit::textEdited, this, [this, &s](const QString& text) {
        s.font_style = ToBytes(text);
        ShowSettings();
    });
    connect(font_size_, &QSpinBox::valueChanged, this, [this, &s](int size) {
        s.font_size = size;
        ShowSettings();
    });
    connect(change, &QPushButton::clicked, this, &PrintOptionsDialog::ChangeFont);
    connect(heading_color_, &QPushButton::clicked, this, [this, &s] { ChangeColor(s.heading); });
    connect(text_color_, &QPushButton::clicked, this, [this, &s] { ChangeColor(s.text); });

    auto* font_row = new QHBoxLayout;
    font_row->addWidget(font_face_, 3);
    font_row->addWidget(font_style_, 2);
    font_row->addWidget(font_size_);
    font_row->addWidget(change);
    auto* color_row = new QHBoxLayout;
    for (auto [text, swatch] : {std::pair{"&Headings:", heading_color_}, {"&Text:", text_color_}}) {
        auto* label = new QLabel(text, box);
        label->setBuddy(swatch);
        if (swatch == text_color_) color_row->addSpacing(12);
        color_row->addWidget(label);
        color_row->addWidget(swatch);
    }
    color_row->addStretch();
    auto* form = new QFormLayout(box);
    form->addRow("&Font:", font_row);
    form->addRow("Colors:", color_row);
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(font_row)))
        label->setBuddy(font_face_);
    return box;
}

QWidget* PrintOptionsDialog::BuildLayout() {
    auto* box = new QGroupBox("Layout", this);
    multiple_columns_ = Check("&Multiple columns", "multipleColumns", box);
    titles_only_ = Check("Titles &only", "titlesOnly", box);
    include_images_ = Check("&Include images", "includeImages", box);
    html::PrintSettings& s = context_.settings;
    const std::pair<QCheckBox*, bool*> flags[] = {{multiple_columns_, &s.multiple_columns},
                                                  {titles_only_, &s.titles_only},
                                                  {include_images_, &s.include_images}};
    auto* layout = new QVBoxLayout(box);
    for (const auto& [check, flag] : flags) {
        connect(check, &QCheckBox::toggled, this, [this, flag = flag](bool on) {
            *flag = on;
            ShowSettings();
        });
        layout->addWidget(check);
    }
    return box;
}

void PrintOptionsDialog::ChooseList(html::PrintList list) {
    choices_ = html::ChooseList(choices_, list, context_.videos.SelectedCount());
    ShowChoices();
    ShowSettings();
}

void PrintOptionsDialog::ShowChoices() {
    context_.settings.list = choices_.list;
    context_.settings.records = choices_.records;
    const QSignalBlocker blocks[] = {QSignalBlocker(my_videos_), QSignalBlocker(wanted_),
                                     QSignalBlocker(both_), QSignalBlocker(selected_)};
    my_videos_->setEnabled(choices_.my_videos_enabled);
    wanted_->setEnabled(choices_.wanted_enabled);
    both_->setEnabled(choices_.my_videos_enabled && choices_.wanted_enabled);
    my_videos_->setChecked(choices_.list == html::PrintList::kMyVideos);
    wanted_->setChecked(choices_.list == html::PrintList::kWanted);
    both_->setChecked(choices_.list == html::PrintList::kBoth);
    selected_->setEnabled(choices_.selected_enabled);
    selected_->setChecked(choices_.records == html::PrintRecords::kSelected);
    all_->setChecked(choices_.records == html::PrintRecords::kAll);
    include_images_->setEnabled(choices_.include_images_enabled);
}

void PrintOptionsDialog::ShowSettings() {
    html::PrintSettings& s = context_.settings;
    const QSignalBlocker blocks[] = {QSignalBlocker(font_size_), QSignalBlocker(multiple_columns_),
                                     QSignalBlocker(titles_only_), QSignalBlocker(include_images_)};
    if (font_face_->text() != FromBytes(s.font_face)) font_face_->setText(FromBytes(s.font_face));
    if (font_style_->text() != FromBytes(s.font_style))
        font_style_->setText(FromBytes(s.font_style));
    font_size_->setValue(s.font_size);
    // The spin field holds sizes in its range; the settings follow what is shown.
    s.font_size = font_size_->value();
    multiple_columns_->setChecked(s.multiple_columns);
    titles_only_->setChecked(s.titles_only);
    include_images_->setChecked(s.include_images);
    Paint(heading_color_, s.heading);
    Paint(text_color_, s.text);
    const QString page =
        FromBytes(html::PrintPreviewPage(s, context_.paths.print_no_image, context_.date));
    const int scrolled = preview_->verticalScrollBar()->value();
    preview_->setHtml(page);
    preview_->verticalScrollBar()->setValue(scrolled);
}

void PrintOptionsDialog::ChangeFont() {
    html::PrintSettings& s = context_.settings;
    QFont initial(FromBytes(s.font_face));
    initial.setStyleName(FromBytes(s.font_style));
    initial.setPointSize(font_size_->value());
    bool ok = false;
    const QFont font =
        QFontDialog::getFont(&ok, initial, this, QString(), QFontDialog::DontUseNativeDialog);
    if (!ok) return;
    s.font_face = ToBytes(font.family());
    s.font_style = ToBytes(QFontDatabase::styleString(font));
    s.font_size = std::clamp(font.pointSize(), 8, 36);
    ShowSettings();
}

void PrintOptionsDialog::ChangeColor(core::Color& color) {
    const QColor chosen = QColorDialog::getColor(QtColorOf(color), this, QString(),
                                                 QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid()) return;
    color = CoreColorOf(chosen);
    ShowSettings();
}

html::PrintRun PrintOptionsDialog::Run() {
    const config::ProgramPaths& paths = context_.paths;
    std::function<void(const std::string&)> print = print_page;
    if (!print) print = [](const std::string&) {};
    return html::PrintRun{context_.settings,     context_.videos,       context_.wanted,
                          context_.image_folder, paths.print_my_videos, paths.print_wanted,
                          paths.print_no_image,  context_.date,         context_.prompts,
                          context_.progress,     std::move(print)};
}

void PrintOptionsDialog::Print() {
    // The settings file is rewritten as the window closes either way; a failure to write it
    // only loses the settings for the next run.
    html::SavePrintSettings(context_.settings, context_.paths.print_settings);
    QDialog::accept();
    html::PrintLists(Run());
}

void PrintOptionsDialog::reject() {
    html::SavePrintSettings(context_.settings, context_.paths.print_settings);
    html::DeletePrintPages(Run());
    QDialog::reject();
}

}  // namespace gui
