#include "gui/panes/details_pane_widget.h"

#include <QResizeEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "gui/panes/offset_map.h"
#include "gui/text_bytes.h"

namespace gui {
namespace {

// A menu item's label with its first letter as the mnemonic.
QString MenuLabel(const std::string& label) {
    QString text = FromBytes(label).replace("&", "&&");
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isLetter()) return text.left(i) + "&" + text.mid(i);
    }
    return text;
}

bool UnderLink(const views::DetailsText& details, std::size_t offset) {
    for (const views::LinkSpan& link : details.links) {
        if (offset >= link.start && offset < link.start + link.length) return true;
    }
    return false;
}

// Values in a column after their labels: a labelled line hangs its label out to the left,
// and wrapped lines and the synopsis' later lines stay in the values' column.
void IndentValues(QTextDocument* document) {
    const qreal column = document->defaultTextOption().tabStopDistance();
    QTextCursor cursor(document);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(column);
        format.setTextIndent(block.text().contains('\t') ? -column : 0);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

// A link's address is "link:" and the byte offset where its piece of text begins.
QString LinkAddress(std::size_t offset) {
    return "link:" + QString::number(offset);
}
std::size_t LinkOffset(const QUrl& link) {
    return link.path().toULongLong();
}

}  // namespace

DetailsPaneWidget::DetailsPaneWidget(views::VideoDetails& details, QWidget* parent)
    : QWidget(parent), details_(details) {
    setObjectName("detailsPane");
    layout_ = new QBoxLayout(QBoxLayout::LeftToRight, this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);

    text_ = new QTextBrowser(this);
    text_->setObjectName("detailsText");
    text_->setAccessibleName("Video Details");
    text_->setOpenLinks(false);
    text_->setOpenExternalLinks(false);
    text_->setUndoRedoEnabled(false);
    text_->setContextMenuPolicy(Qt::CustomContextMenu);
    // Values line up after the widest label.
    text_->setTabStopDistance(text_->fontMetrics().horizontalAdvance("Synopsis:") + 12);
    image_ = new ImagePanel(this);
    image_->setContextMenuPolicy(Qt::CustomContextMenu);
    layout_->addWidget(text_, 3);
    layout_->addWidget(image_, 2);

    connect(text_, &QTextBrowser::highlighted, this, &DetailsPaneWidget::LinkHovered);
    connect(text_, &QTextBrowser::anchorClicked, this, &DetailsPaneWidget::LinkClicked);
    connect(text_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = NewPaneMenu(this);
        menu->exec(text_->viewport()->mapToGlobal(at));
        menu->deleteLater();
    });
    connect(image_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = NewImageMenu(this);
        menu->exec(image_->mapToGlobal(at));
        menu->deleteLater();
    });
    Refresh();
}

void DetailsPaneWidget::ShowRecord(int row) {
    details_.show_record(row);
    Refresh();
}

void DetailsPaneWidget::Clear() {
    details_.Clear();
    Refresh();
}

void DetailsPaneWidget::Refresh() {
    ShowText();
    ShowImage();
    ShowCaption();
}

void DetailsPaneWidget::ShowText() {
    const views::DetailsText& details = details_.Details();
    std::vector<std::size_t> boundaries;
    for (const views::LinkSpan& link : details.links) {
        boundaries.push_back(link.start);
        boundaries.push_back(link.start + link.length);
    }
    const OffsetMap map(details.text, std::move(boundaries));
    // New plain text takes the format at the cursor, which a click on a link left inside that
    // link: the whole text would become the link.
    text_->setCurrentCharFormat(QTextCharFormat());
    text_->setPlainText(map.Text());
    IndentValues(text_->document());

    // Links have the link colour; they are underlined and clickable only while active.
    const bool active = details_.LinksActive();
    QTextCursor cursor(text_->document());
    QTextCharFormat look;
    look.setForeground(palette().color(QPalette::Link));
    look.setFontUnderline(active);
    for (const views::LinkSpan& link : details.links) {
        cursor.setPosition(map.Position(link.start));
        cursor.setPosition(map.Position(link.start + link.length), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(look);
    }
    if (!active) return;
    // Each piece under a link leads to its own offset, from which the model finds the link
    // (where links overlap, the one styled last).
    const std::vector<std::size_t>& offsets = map.Offsets();
    for (std::size_t i = 0; i + 1 < offsets.size(); ++i) {
        if (!UnderLink(details, offsets[i])) continue;
        cursor.setPosition(map.Position(offsets[i]));
        cursor.setPosition(map.Position(offsets[i + 1]), QTextCursor::KeepAnchor);
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorHref(LinkAddress(offsets[i]));
        cursor.mergeCharFormat(anchor);
    }
}

void DetailsPaneWidget::ShowImage() {
    const QString file = FromBytes(details_.ImageFile());
    image_->Show(file, FromBytes(details_.ImageCaption()));
    // Without a picture the text takes the room; the panel keeps its caption.
    layout_->setStretchFactor(image_, file.isEmpty() ? 0 : 2);
}

void DetailsPaneWidget::ShowCaption() {
    const QString caption = FromBytes(details_.PaneTitle());
    if (caption == caption_) return;
    caption_ = caption;
    emit captionChanged(caption_);
}

void DetailsPaneWidget::LinkHovered(const QUrl& link) {
    emit statusText(link.isEmpty() ? QString()
                                   : FromBytes(details_.LinkStatusText(LinkOffset(link))));
}

void DetailsPaneWidget::LinkClicked(const QUrl& link) {
    if (details_.ClickLink(LinkOffset(link))) emit quickFindRan();
}

QMenu* DetailsPaneWidget::NewPaneMenu(QWidget* parent) {
    const Operations operations = {
        {"Enable QuickFind Links",
         [this] {
             details_.ToggleLinks();
             ShowText();
         }},
        {"More Videos", [this] { emit moreVideosRequested(); }},
        {"Copy", [this] { text_->copy(); }},
        {"Select All", [this] { text_->selectAll(); }},
        {"Print...", [this] { emit printRequested(); }},
        {"Hide Video Details",
         [this] {
             details_.Hide();
             emit hideRequested();
         }},
    };
    return NewMenu(details_.PaneMenu(), operations, "detailsPaneMenu", parent);
}

QMenu* DetailsPaneWidget::NewImageMenu(QWidget* parent) {
    const Operations operations = {
        {"Add Image",
         [this] {
             details_.AddImage();
             ShowImage();
         }},
        {"Change Image",
         [this] {
             details_.ChangeImage();
             ShowImage();
         }},
        {"Delete Image",
         [this] {
             details_.DeleteImage();
             ShowImage();
         }},
    };
    return NewMenu(details_.ImageMenu(), operations, "detailsImageMenu", parent);
}

QMenu* DetailsPaneWidget::NewMenu(const std::vector<views::PaneMenuItem>& items,
                                  const Operations& operations, const QString& object_name,
                                  QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(object_name);
    for (const views::PaneMenuItem& item : items) {
        QAction* action = menu->addAction(MenuLabel(item.label));
        action->setEnabled(item.enabled);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        const auto operation = operations.find(item.label);
        if (operation != operations.end()) {
            connect(action, &QAction::triggered, this, operation->second);
        }
        connect(action, &QAction::hovered, this,
                [this, status = FromBytes(item.status)] { emit statusText(status); });
    }
    connect(menu, &QMenu::aboutToHide, this, [this] { emit statusText(QString()); });
    return menu;
}

void DetailsPaneWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const auto direction = width() >= height() ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (layout_->direction() != direction) layout_->setDirection(direction);
}

}  // namespace gui
