#include "gui/editor/limited_text_edit.h"

#include <QKeyEvent>
#include <QTextCursor>
#include <algorithm>

namespace gui {

LimitedTextEdit::LimitedTextEdit(int max_length, bool enter_confirms, QWidget* parent)
    : QPlainTextEdit(parent), max_length_(max_length), enter_confirms_(enter_confirms) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::Changed);
}

QString LimitedTextEdit::Text() const {
    // The raw text keeps non-breaking spaces, which toPlainText() would turn into spaces.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

void LimitedTextEdit::ShowText(const QString& text) {
    if (Text() == text) return;
    showing_ = true;
    setPlainText(text);
    length_ = text.size();
    showing_ = false;
}

int LimitedTextEdit::HeightOfLines(int lines) const {
    const int margins = static_cast<int>(2 * document()->documentMargin()) + 2 * frameWidth();
    return fontMetrics().lineSpacing() * lines + margins;
}

QSize LimitedTextEdit::sizeHint() const {
    return {QPlainTextEdit::sizeHint().width(), HeightOfLines(lines_)};
}

QSize LimitedTextEdit::minimumSizeHint() const {
    return {QPlainTextEdit::minimumSizeHint().width(), HeightOfLines(std::min(lines_, 2))};
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter_confirms_ && enter && modifiers == Qt::NoModifier) {
        event->ignore();  // the dialog's default button takes it
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::Changed() {
    if (showing_) return;
    QString text = Text();
    // Only what was just added is cut, from its end at the cursor; a longer text that was shown
    // stays.
    const qsizetype overflow =
        std::min(text.size() - max_length_, text.size() - std::max<qsizetype>(length_, 0));
    if (max_length_ > 0 && overflow > 0) {
        QTextCursor cursor = textCursor();
        const int end = cursor.position();
        showing_ = true;
        cursor.setPosition(std::max(0, end - static_cast<int>(overflow)));
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        showing_ = false;
        text = Text();
    }
    length_ = text.size();
    emit edited(text);
}

}  // namespace gui
