#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace gui {

// A multi-line text field whose typing stops at a number of characters (a text the program
// shows is shown whole). Tab moves the focus on, as in the window's other fields.
class LimitedTextEdit final : public QPlainTextEdit {
    Q_OBJECT
  public:
    // Enter in a field whose line breaks are not kept: `enter_confirms` leaves it to the window,
    // which presses its default button, instead of breaking the line.
    LimitedTextEdit(int max_length, bool enter_confirms, QWidget* parent = nullptr);

    int MaxLength() const { return max_length_; }
    // The field asks for room for this many lines, and takes two when space is short.
    void SetLines(int lines) {
        lines_ = lines;
        updateGeometry();
    }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The text with its line breaks as "\n".
    QString Text() const;
    // Shows `text` as the program gives it, whole.
    void ShowText(const QString& text);

  signals:
    // The user changed the text.
    void edited(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Changed();
    int HeightOfLines(int lines) const;

    int max_length_;
    bool enter_confirms_;
    int lines_ = 4;
    qsizetype length_ = 0;
    bool showing_ = false;
};

}  // namespace gui
