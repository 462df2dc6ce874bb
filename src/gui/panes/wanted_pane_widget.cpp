#include "gui/panes/wanted_pane_widget.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/text_bytes.h"

namespace gui {

WantedPaneWidget::WantedPaneWidget(app::WantedPane& pane, app::Session& session, QWidget* parent)
    : QWidget(parent),
      pane_(pane),
      session_(session),
      res_folder_(FromBytes(session.paths.folder) + "/res") {
    setObjectName("wantedPane");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    field_ = new QLineEdit(this);
    field_->setObjectName("wantedText");
    field_->setMaxLength(static_cast<int>(app::WantedPane::kTitleMaxLength));
    auto* label = new QLabel("Titl&e:", this);
    label->setBuddy(field_);
    row->addWidget(label);
    row->addSpacing(2);
    row->addWidget(field_, 1);
    QToolButton* add = NewButton("wantedAdd", "pane-add.svg", "Add");
    QToolButton* remove = NewButton("wantedDelete", "pane-delete.svg", "Remove");
    QToolButton* clear = NewButton("wantedDeleteAll", "pane-delete-all.svg", "Remove all");
    for (QToolButton* button : {add, remove, clear}) row->addWidget(button);
    layout->addLayout(row);

    titles_ = new TitleListModel(session_.Wanted.Titles(), this);
    list_ = new QListView(this);
    list_->setObjectName("wantedList");
    list_->setAccessibleName("Wanted Videos");
    list_->setModel(titles_);
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->installEventFilter(this);
    layout->addWidget(list_, 1);

    connect(field_, &QLineEdit::textEdited, this, &WantedPaneWidget::Typed);
    connect(field_, &QLineEdit::returnPressed, this,
            [this] { Change(&app::WantedPane::AddWanted); });
    connect(add, &QToolButton::clicked, this, [this] { Change(&app::WantedPane::AddWanted); });
    connect(remove, &QToolButton::clicked, this,
            [this] { Change(&app::WantedPane::DeleteWanted); });
    connect(clear, &QToolButton::clicked, this, [this] { Change(&app::WantedPane::ClearWanted); });
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!showing_ && current.isValid()) Chosen(current.row());
            });
    connect(list_, &QListView::clicked, this,
            [this](const QModelIndex& index) { Chosen(index.row()); });
    connect(list_, &QListView::doubleClicked, this, [this] {
        if (pane_.SearchOnlineEnabled()) emit searchOnlineRequested(FromBytes(pane_.Text()));
    });
    Refresh();
}

QToolButton* WantedPaneWidget::NewButton(const QString& object_name, const QString& picture,
                                         const QString& tip) {
    auto* button = new QToolButton(this);
    button->setObjectName(object_name);
    button->setIcon(QIcon(res_folder_ + "/" + picture));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    return button;
}

void WantedPaneWidget::Refresh() {
    titles_->Reload();
    const QString text = FromBytes(pane_.Text());
    if (field_->text() != text) field_->setText(text);
    ShowSelected();
    const QString caption = FromBytes(pane_.Caption());
    if (caption != caption_) {
        caption_ = caption;
        emit captionChanged(caption_);
    }
}

void WantedPaneWidget::Change(void (app::WantedPane::*operation)()) {
    const int count = session_.Wanted.Count();
    (pane_.*operation)();
    Refresh();
    if (pane_.FieldFocused()) {
        field_->setFocus(Qt::OtherFocusReason);
        field_->selectAll();
    }
    if (session_.Wanted.Count() != count) emit listsChanged();
}

void WantedPaneWidget::Typed(const QString& text) {
    pane_.SetText(ToBytes(text));
    ShowSelected();
}

void WantedPaneWidget::Chosen(int row) {
    pane_.Choose(row);
    field_->setText(FromBytes(pane_.Text()));
}

void WantedPaneWidget::ShowSelected() {
    const int selected = pane_.Selected();
    if (selected < 0) return;
    showing_ = true;
    const QModelIndex index = titles_->index(selected);
    list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    list_->scrollTo(index);
    showing_ = false;
}

bool WantedPaneWidget::eventFilter(QObject* watched, QEvent* event) {
    // The Delete key belongs to the list while it has the focus, not to the main window's
    // "Delete selected videos".
    if (watched == list_ &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            event->accept();
            if (event->type() == QEvent::KeyPress) Change(&app::WantedPane::DeleteWanted);
            return true;
        }
        // Enter does what a double click does: looks the title up online.
        if (event->type() == QEvent::KeyPress &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            list_->currentIndex().isValid()) {
            if (pane_.SearchOnlineEnabled()) emit searchOnlineRequested(FromBytes(pane_.Text()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace gui
