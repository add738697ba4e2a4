#pragma once

#include <QLineEdit>

#include "forms/long_text_editor.h"

namespace quorvel {

// A line edit for texts of any length: the line edit holds only the part of a long text around
// the caret (forms::LongTextEditor). Here Qt's keys, menu entries, input method commits, drops
// and clicks that would reach beyond that part go to the editor.
class LongLineEdit : public QLineEdit, private forms::TextControl {
  Q_OBJECT

 public:
  explicit LongLineEdit(QWidget* parent);

  [[nodiscard]] forms::LongTextEditor& editor() { return editor_; }
  [[nodiscard]] const forms::LongTextEditor& editor() const { return editor_; }

 signals:
  // The user changed the text: the whole text, and the cursor in it.
  void wholeEdited(const QString& text, int cursor);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  [[nodiscard]] std::u16string localText() const override;
  void setLocalText(std::u16string_view text) override;
  void setLocalPart(std::u16string_view part) override;
  [[nodiscard]] std::pair<int, int> localSelection() const override;
  void setLocalSelection(int anchor, int cursor) override;
  void toClipboard(std::u16string_view text) override;
  void userEdited(std::u16string_view whole, int cursor) override;

  bool takeLongTextKey(QKeyEvent* event);
  bool takeWholeMove(QKeyEvent* event);

  forms::LongTextEditor editor_{*this};
};

}  // namespace quorvel
