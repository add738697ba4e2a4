#pragma once

#include <QLineEdit>

#include "forms/text_part.h"

namespace quorvel {

// A line edit for texts of any length.
//
// Qt lays out and paints the whole text of a line edit on every change, which takes a visible
// while for a pasted megabyte. So a long text is held here whole, and the line edit itself only
// holds the part around the caret, far wider than the box; the part moves along with the caret.
// Whatever reaches beyond that part (pastes, Home and End, select all, and editing, copying or
// cutting a selection that reaches beyond it) is done on the whole text. The whole* members
// count UTF-16 units in the whole text.
class LongLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit LongLineEdit(QWidget* parent);

  [[nodiscard]] QString wholeText() const;
  [[nodiscard]] int wholeCursor() const;
  [[nodiscard]] int wholeAnchor() const;  // the selection's other end; the cursor if none
  [[nodiscard]] QString wholeSelectedText() const;
  void showWhole(const QString& text);       // as setText: the cursor at the end
  void selectWhole(int anchor, int cursor);  // anchor == cursor: the cursor alone

  // Texts up to this many units are shown whole; longer ones in part.
  static constexpr int kLongText = forms::TextPart::kLongText;

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
  void reportEdit(const QString& text);
  [[nodiscard]] int localAnchor() const;  // the line edit's own anchor; its cursor if none
  [[nodiscard]] bool partHolds(int cursor) const;
  [[nodiscard]] bool insertsLong(const QString& inserted) const;
  [[nodiscard]] bool spills() const;  // a selection reaching beyond the part shown
  bool takeLongTextKey(QKeyEvent* event);
  bool takeWholeMove(QKeyEvent* event);
  bool takeSpilledEdit(QKeyEvent* event);
  void pasteWhole(const QString& clip);
  void replaceSelection(const QString& text);
  void copyWhole() const;
  void placePart(int anchor, int cursor);
  void keepCursorSide(bool left);
  void followCursor();

  bool partial_ = false;  // whether whole_ holds the text and the line edit only a part of it
  QString whole_;
  forms::TextPart part_;  // which part of whole_ the line edit holds
  int anchor_ = 0;        // the selection's anchor in whole_, which may lie outside the part
  bool placing_ = false;
};

}  // namespace quorvel
