#include "ui/long_line_edit.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QScopedValueRollback>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <limits>

namespace quorvel {
namespace {

std::u16string_view units(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

bool matchesAny(QKeyEvent* event, std::initializer_list<QKeySequence::StandardKey> keys) {
  return std::any_of(keys.begin(), keys.end(), [event](auto key) { return event->matches(key); });
}

// Whether a step left or right over a selection lands on the selection's edge (most keyboard
// schemes) or one character on from the cursor (Windows'). A scratch line edit tells.
bool stepLandsOnSelectionEdge() {
  static const bool onEdge = [] {
    QLineEdit probe;
    probe.setText(QStringLiteral("ab"));
    probe.selectAll();
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(&probe, &left);
    return probe.cursorPosition() == 0;
  }();
  return onEdge;
}

}  // namespace

LongLineEdit::LongLineEdit(QWidget* parent) : QLineEdit(parent) {
  // No length limit of its own: whoever owns the text cuts what it must.
  setMaxLength(std::numeric_limits<int>::max());
  // Only the user's edits are reported, never the texts set from outside.
  connect(this, &QLineEdit::textEdited, this, &LongLineEdit::reportEdit);
}

QString LongLineEdit::wholeText() const {
  return partial_ ? whole_ : text();
}

int LongLineEdit::wholeCursor() const {
  return (partial_ ? part_.offset() : 0) + cursorPosition();
}

int LongLineEdit::localAnchor() const {
  if (!hasSelectedText()) return cursorPosition();
  return cursorPosition() == selectionStart() ? selectionEnd() : selectionStart();
}

int LongLineEdit::wholeAnchor() const {
  const int local = localAnchor();
  if (!partial_) return local;
  return part_.wholeAnchor(local, static_cast<int>(text().size()), anchor_);
}

QString LongLineEdit::wholeSelectedText() const {
  const int anchor = wholeAnchor();
  const int cursor = wholeCursor();
  return wholeText().mid(std::min(anchor, cursor), std::abs(cursor - anchor));
}

void LongLineEdit::showWhole(const QString& text) {
  if (!forms::TextPart::isLong(static_cast<std::size_t>(text.size()))) {
    partial_ = false;
    whole_.clear();
    setText(text);
    return;
  }
  partial_ = true;
  whole_ = text;
  part_.forget();
  placePart(static_cast<int>(text.size()), static_cast<int>(text.size()));
}

void LongLineEdit::selectWhole(int anchor, int cursor) {
  if (partial_) {
    placePart(anchor, cursor);
  } else if (anchor == cursor) {
    setCursorPosition(cursor);
  } else {
    setSelection(anchor, cursor - anchor);
  }
}

bool LongLineEdit::partHolds(int cursor) const {
  return part_.holds(cursor, static_cast<int>(whole_.size()));
}

// Shows the selection, moving the part only when the cursor is not well inside it.
void LongLineEdit::placePart(int anchor, int cursor) {
  const QScopedValueRollback guard(placing_, true);
  const bool cursorOnTheLeft = cursorRect().center().x() < width() / 2;
  if (part_.follow(units(whole_), cursor)) {
    setText(whole_.mid(part_.offset(), part_.tail() - part_.offset()));
    keepCursorSide(cursorOnTheLeft);
  }
  anchor_ = anchor;
  const int local = cursor - part_.offset();
  const int localAnchor = part_.toLocal(anchor);
  if (localAnchor == local) {
    setCursorPosition(local);
  } else {
    setSelection(localAnchor, local - localAnchor);
  }
}

// A line edit scrolls only as far as it must to show the cursor, from where it scrolled last. The
// new part would leave the cursor on the far side of the box; a paint with the cursor at the
// far end of the part first makes the scroll come back from there, so the cursor keeps its side.
void LongLineEdit::keepCursorSide(bool left) {
  if (!isVisible()) return;
  setCursorPosition(left ? static_cast<int>(text().size()) : 0);
  QPixmap scratch(size());
  render(&scratch);
}

void LongLineEdit::followCursor() {
  if (!partial_ || placing_) return;
  anchor_ = wholeAnchor();
  if (!partHolds(wholeCursor())) placePart(anchor_, wholeCursor());
}

// Whether putting this text in goes through the whole text: the line edit holds a part, or it
// would have to lay out a long text.
bool LongLineEdit::insertsLong(const QString& inserted) const {
  return partial_ ||
         forms::TextPart::isLong(static_cast<std::size_t>(text().size() + inserted.size()));
}

bool LongLineEdit::spills() const {
  if (!partial_) return false;
  const int anchor = wholeAnchor();
  return part_.outside(anchor);
}

void LongLineEdit::reportEdit(const QString& text) {
  if (partial_) {
    // The line edit changed its part only; the rest of the text stands as it was.
    whole_.replace(part_.offset(), part_.tail() - part_.offset(), text);
    part_.resize(static_cast<int>(text.size()));
    anchor_ = part_.offset() + localAnchor();
  }
  emit wholeEdited(wholeText(), wholeCursor());
}

void LongLineEdit::replaceSelection(const QString& text) {
  const int anchor = wholeAnchor();
  const int cursor = wholeCursor();
  const int start = std::min(anchor, cursor);
  QString changed = wholeText();
  changed.replace(start, std::abs(cursor - anchor), text);
  const int after = start + static_cast<int>(text.size());
  showWhole(changed);
  selectWhole(after, after);
  emit wholeEdited(wholeText(), after);
}

void LongLineEdit::pasteWhole(const QString& clip) {
  if (clip.isEmpty() && wholeAnchor() == wholeCursor()) return;
  replaceSelection(clip);
}

void LongLineEdit::copyWhole() const {
  QGuiApplication::clipboard()->setText(wholeSelectedText());
}

bool LongLineEdit::event(QEvent* event) {
  const bool handled = QLineEdit::event(event);
  // Whatever the event did to the cursor, the part follows it.
  followCursor();
  // Where there is a primary selection (X11), a selection made by key or mouse becomes it; the
  // line edit itself offers only what of it lies in the part.
  const bool selecting =
      event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonRelease;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (selecting && partial_ && wholeAnchor() != wholeCursor() && clipboard->supportsSelection()) {
    clipboard->setText(wholeSelectedText(), QClipboard::Selection);
  }
  return handled;
}

void LongLineEdit::keyPressEvent(QKeyEvent* event) {
  if (takeLongTextKey(event)) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

// The keys that would reach beyond the part shown, or would make the line edit lay out a long
// text, are done on the whole text.
bool LongLineEdit::takeLongTextKey(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    const QString clip = QGuiApplication::clipboard()->text();
    if (isReadOnly() || !insertsLong(clip)) return false;
    pasteWhole(clip);
    return true;
  }
  if (!partial_) return false;
  if (takeWholeMove(event)) return true;
  if (!spills()) return false;
  if (event->matches(QKeySequence::Copy)) {
    copyWhole();
    return true;
  }
  return !isReadOnly() && takeSpilledEdit(event);
}

bool LongLineEdit::takeWholeMove(QKeyEvent* event) {
  const auto size = static_cast<int>(whole_.size());
  using Key = QKeySequence;
  if (event->matches(Key::SelectAll)) {
    placePart(0, size);
  } else if (matchesAny(event, {Key::MoveToStartOfLine, Key::MoveToStartOfBlock})) {
    placePart(0, 0);
  } else if (matchesAny(event, {Key::MoveToEndOfLine, Key::MoveToEndOfBlock})) {
    placePart(size, size);
  } else if (matchesAny(event, {Key::SelectStartOfLine, Key::SelectStartOfBlock})) {
    placePart(wholeAnchor(), 0);
  } else if (matchesAny(event, {Key::SelectEndOfLine, Key::SelectEndOfBlock})) {
    placePart(wholeAnchor(), size);
  } else if (matchesAny(event, {Key::MoveToPreviousChar, Key::MoveToNextChar}) && spills() &&
             stepLandsOnSelectionEdge()) {
    const int anchor = wholeAnchor();
    const int cursor = wholeCursor();
    const int edge = event->matches(Key::MoveToPreviousChar) ? std::min(anchor, cursor)
                                                             : std::max(anchor, cursor);
    placePart(edge, edge);
  } else if (matchesAny(event, {Key::DeleteEndOfLine, Key::DeleteCompleteLine}) && !isReadOnly()) {
    // As the line edit does: select to the end (or all), copy, delete.
    placePart(event->matches(Key::DeleteEndOfLine) ? wholeCursor() : 0, size);
    copyWhole();
    replaceSelection({});
  } else {
    return false;
  }
  return true;
}

// Typing, deleting or cutting over a selection that reaches beyond the part.
bool LongLineEdit::takeSpilledEdit(QKeyEvent* event) {
  using Key = QKeySequence;
  if (event->matches(Key::Cut)) {
    copyWhole();
    replaceSelection({});
  } else if (matchesAny(event, {Key::DeleteStartOfWord, Key::DeleteEndOfWord})) {
    // As the line edit does: the selection grows by a word step from the cursor, then goes. The
    // step stays within the part; the anchor beyond it stays where it is.
    if (event->matches(Key::DeleteStartOfWord)) {
      cursorWordBackward(true);
    } else {
      cursorWordForward(true);
    }
    replaceSelection({});
  } else if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
    replaceSelection({});
  } else {
    const QString typed = event->text();
    const bool command = (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
    if (typed.isEmpty() || !typed.at(0).isPrint() || command) return false;
    replaceSelection(typed);
  }
  return true;
}

void LongLineEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  // A triple click selects all of the text, not only the part.
  if (partial_ && hasSelectedText() && selectedText().size() == text().size()) {
    selectWhole(0, static_cast<int>(whole_.size()));
  }
}

void LongLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
    const QString clip = clipboard->text(QClipboard::Selection);
    if (insertsLong(clip)) {
      // As the line edit does: the selection goes, the text goes in at the cursor.
      selectWhole(wholeCursor(), wholeCursor());
      pasteWhole(clip);
      return;
    }
  }
  QLineEdit::mouseReleaseEvent(event);
}

void LongLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString& commit = event->commitString();
  const bool whole = spills() || (!partial_ && insertsLong(commit));
  if (whole && !isReadOnly() && event->preeditString().isEmpty() && !commit.isEmpty()) {
    replaceSelection(commit);
    event->accept();
    return;
  }
  QLineEdit::inputMethodEvent(event);
}

void LongLineEdit::dropEvent(QDropEvent* event) {
  const QMimeData* mime = event->mimeData();
  const QString dropped = mime->hasText() ? mime->text() : QString();
  if (!isReadOnly() && insertsLong(dropped)) {
    const int at = (partial_ ? part_.offset() : 0) + cursorPositionAt(event->position().toPoint());
    selectWhole(at, at);
    pasteWhole(dropped);
    event->acceptProposedAction();
    return;
  }
  QLineEdit::dropEvent(event);
}

// The standard menu, with the entries that would work on the part alone taken over.
void LongLineEdit::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const QString clip = QGuiApplication::clipboard()->text();
  const bool longPaste = insertsLong(clip);
  const bool spilled = spills();
  for (QAction* action : menu->actions()) {
    const QString label = action->text().section(QLatin1Char('\t'), 0, 0);
    const auto is = [&label](const char* source) {
      return label == QCoreApplication::translate("QLineEdit", source);
    };
    std::function<void()> whole;
    if (is("&Paste") && longPaste) {
      whole = [this] { pasteWhole(QGuiApplication::clipboard()->text()); };
    } else if (is("Select All") && partial_) {
      whole = [this] { selectWhole(0, static_cast<int>(whole_.size())); };
    } else if (is("&Copy") && spilled) {
      whole = [this] { copyWhole(); };
    } else if (is("Cu&t") && spilled) {
      whole = [this] {
        copyWhole();
        replaceSelection({});
      };
    } else if (is("Delete") && spilled) {
      whole = [this] { replaceSelection({}); };
    }
    if (!whole) continue;
    disconnect(action, &QAction::triggered, nullptr, nullptr);  // some go to the line control
    connect(action, &QAction::triggered, this, whole);
  }
  menu->popup(event->globalPos());
}

}  // namespace quorvel
