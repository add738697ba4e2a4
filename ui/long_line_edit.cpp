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
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <limits>

#include "ui/text.h"

namespace quorvel {
namespace {

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
  connect(this, &QLineEdit::textEdited, this, [this] { editor_.controlEdited(); });
}

std::u16string LongLineEdit::localText() const {
  return std::u16string(units(text()));
}

void LongLineEdit::setLocalText(std::u16string_view text) {
  setText(fromUnits(text));
}

// A line edit scrolls only as far as it must to show the cursor, from where it scrolled last. The
// new part would leave the cursor on the far side of the box; a paint with the cursor at the
// far end of the part first makes the scroll come back from there, so the cursor keeps its side.
void LongLineEdit::setLocalPart(std::u16string_view part) {
  const bool cursorOnTheLeft = cursorRect().center().x() < width() / 2;
  setText(fromUnits(part));
  if (!isVisible()) return;
  setCursorPosition(cursorOnTheLeft ? static_cast<int>(text().size()) : 0);
  QPixmap scratch(size());
  render(&scratch);
}

std::pair<int, int> LongLineEdit::localSelection() const {
  const int cursor = cursorPosition();
  if (!hasSelectedText()) return {cursor, cursor};
  return {cursor == selectionStart() ? selectionEnd() : selectionStart(), cursor};
}

void LongLineEdit::setLocalSelection(int anchor, int cursor) {
  if (anchor == cursor) {
    setCursorPosition(cursor);
  } else {
    setSelection(anchor, cursor - anchor);
  }
}

void LongLineEdit::toClipboard(std::u16string_view text) {
  QGuiApplication::clipboard()->setText(fromUnits(text));
}

void LongLineEdit::userEdited(std::u16string_view whole, int cursor) {
  emit wholeEdited(fromUnits(whole), cursor);
}

bool LongLineEdit::event(QEvent* event) {
  const bool handled = QLineEdit::event(event);
  // Whatever the event did to the cursor, the part follows it.
  editor_.cursorMoved();
  // Where there is a primary selection (X11), a selection made by key or mouse becomes it; the
  // line edit itself offers only what of it lies in the part.
  const bool selecting =
      event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonRelease;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (selecting && editor_.holdsPart() && editor_.anchor() != editor_.cursor() &&
      clipboard->supportsSelection()) {
    clipboard->setText(fromUnits(editor_.selectedText()), QClipboard::Selection);
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
  using Key = QKeySequence;
  if (event->matches(Key::Paste)) {
    const QString clip = QGuiApplication::clipboard()->text();
    return !isReadOnly() && editor_.paste(units(clip));
  }
  if (!editor_.holdsPart()) return false;
  if (takeWholeMove(event)) return true;
  if (!editor_.spills()) return false;
  if (event->matches(Key::Copy)) return editor_.copy();
  if (isReadOnly()) return false;
  if (event->matches(Key::Cut)) return editor_.cut();
  if (matchesAny(event, {Key::DeleteStartOfWord, Key::DeleteEndOfWord})) {
    // As the line edit does: the selection grows by a word step from the cursor, then goes. The
    // step stays within the part; the anchor beyond it stays where it is.
    if (event->matches(Key::DeleteStartOfWord)) {
      cursorWordBackward(true);
    } else {
      cursorWordForward(true);
    }
    return editor_.erase();
  }
  if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) return editor_.erase();
  const QString typed = event->text();
  const bool command = (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0;
  return !typed.isEmpty() && typed.at(0).isPrint() && !command && editor_.insert(units(typed));
}

bool LongLineEdit::takeWholeMove(QKeyEvent* event) {
  using Key = QKeySequence;
  if (event->matches(Key::SelectAll)) return editor_.selectAll();
  if (matchesAny(event, {Key::MoveToStartOfLine, Key::MoveToStartOfBlock})) {
    return editor_.home(false);
  }
  if (matchesAny(event, {Key::MoveToEndOfLine, Key::MoveToEndOfBlock})) return editor_.end(false);
  if (matchesAny(event, {Key::SelectStartOfLine, Key::SelectStartOfBlock})) {
    return editor_.home(true);
  }
  if (matchesAny(event, {Key::SelectEndOfLine, Key::SelectEndOfBlock})) return editor_.end(true);
  if (matchesAny(event, {Key::MoveToPreviousChar, Key::MoveToNextChar}) && editor_.spills() &&
      stepLandsOnSelectionEdge()) {
    const int anchor = editor_.anchor();
    const int cursor = editor_.cursor();
    const int edge = event->matches(Key::MoveToPreviousChar) ? std::min(anchor, cursor)
                                                             : std::max(anchor, cursor);
    editor_.select(edge, edge);
    return true;
  }
  if (!matchesAny(event, {Key::DeleteEndOfLine, Key::DeleteCompleteLine}) || isReadOnly()) {
    return false;
  }
  // As the line edit does: select to the end (or all), copy, delete.
  if (event->matches(Key::DeleteEndOfLine)) {
    editor_.select(editor_.cursor(), editor_.cursor());
    editor_.end(true);
  } else {
    editor_.selectAll();
  }
  if (!editor_.cut()) cut();
  return true;
}

void LongLineEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  // A triple click selects all of the text, not only the part.
  if (hasSelectedText() && selectedText().size() == text().size()) editor_.selectAll();
}

void LongLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
    // As the line edit does: the selection goes, the text goes in at the cursor.
    const QString clip = clipboard->text(QClipboard::Selection);
    if (editor_.paste(units(clip), cursorPosition())) return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void LongLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString& commit = event->commitString();
  if (!isReadOnly() && event->preeditString().isEmpty() && !commit.isEmpty() &&
      editor_.insert(units(commit))) {
    event->accept();
    return;
  }
  QLineEdit::inputMethodEvent(event);
}

void LongLineEdit::dropEvent(QDropEvent* event) {
  const QMimeData* mime = event->mimeData();
  const QString dropped = mime->hasText() ? mime->text() : QString();
  const int at = cursorPositionAt(event->position().toPoint());
  if (!isReadOnly() && editor_.paste(units(dropped), at)) {
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
  const bool longPaste = editor_.insertsLong(units(clip));
  const bool spilled = editor_.spills();
  for (QAction* action : menu->actions()) {
    const QString label = action->text().section(QLatin1Char('\t'), 0, 0);
    const auto is = [&label](const char* source) {
      return label == QCoreApplication::translate("QLineEdit", source);
    };
    std::function<void()> whole;
    if (is("&Paste") && longPaste) {
      whole = [this] { editor_.paste(units(QGuiApplication::clipboard()->text())); };
    } else if (is("Select All") && editor_.holdsPart()) {
      whole = [this] { editor_.selectAll(); };
    } else if (is("&Copy") && spilled) {
      whole = [this] { editor_.copy(); };
    } else if (is("Cu&t") && spilled) {
      whole = [this] { editor_.cut(); };
    } else if (is("Delete") && spilled) {
      whole = [this] { editor_.erase(); };
    }
    if (!whole) continue;
    disconnect(action, &QAction::triggered, nullptr, nullptr);  // some go to the line control
    connect(action, &QAction::triggered, this, whole);
  }
  menu->popup(event->globalPos());
}

}  // namespace quorvel
