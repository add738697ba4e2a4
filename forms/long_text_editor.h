#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "forms/text_part.h"

namespace quorvel::forms {

// The toolkit's one-line control under a LongTextEditor. Its positions count UTF-16 units of
// the text the control itself holds, which may be only a part of the whole.
class TextControl {
 public:
  TextControl() = default;
  TextControl(const TextControl&) = delete;
  TextControl& operator=(const TextControl&) = delete;
  virtual ~TextControl() = default;

  [[nodiscard]] virtual std::u16string localText() const = 0;
  virtual void setLocalText(std::u16string_view text) = 0;
  // The part of a long text around the caret, which moves along with it.
  virtual void setLocalPart(std::u16string_view part) { setLocalText(part); }
  // The selection's fixed end (the cursor if none) and the cursor.
  [[nodiscard]] virtual std::pair<int, int> localSelection() const = 0;
  virtual void setLocalSelection(int anchor, int cursor) = 0;
  virtual void toClipboard(std::u16string_view text) = 0;
  // The user changed the text: the whole text and the cursor in it, for the sheet.
  virtual void userEdited(std::u16string_view whole, int cursor) = 0;
};

// A one-line text box for texts of any length, over a toolkit's control.
//
// Toolkits lay out (and some edit) the whole text of a control on every change, which takes a
// visible while for a pasted megabyte. So a long text is held here whole, and the control only
// holds the part around the caret (TextPart). The control edits inside its part by itself;
// whatever reaches beyond it (pastes, Home and End, select all, and editing, copying or cutting a
// selection that reaches beyond it) is done here on the whole text. The operations that return
// a bool leave the control to do its own work when they return false.
class LongTextEditor {
 public:
  explicit LongTextEditor(TextControl& control) : control_(control) {}

  [[nodiscard]] std::u16string text() const;  // the whole text
  [[nodiscard]] int anchor() const;           // the selection's fixed end; the cursor if none
  [[nodiscard]] int cursor() const;
  [[nodiscard]] std::u16string selectedText() const;
  [[nodiscard]] bool holdsPart() const { return partial_; }
  [[nodiscard]] bool placing() const { return placing_; }  // the control is written from here
  // A selection that reaches beyond the part the control holds.
  [[nodiscard]] bool spills() const { return partial_ && part_.outside(anchor()); }
  // Whether putting this text in goes through the whole text: the control holds a part, or it
  // would have to lay out a long text.
  [[nodiscard]] bool insertsLong(std::u16string_view inserted) const;

  // A text from the sheet, the cursor at its end; a selection in the whole text.
  void show(std::u16string_view text);
  void select(int anchor, int cursor);

  bool insert(std::u16string_view typed);  // typed or committed over the selection
  // `at`: a position in the control where the clip goes in, rather than over the selection.
  bool paste(std::u16string_view clip, std::optional<int> at = std::nullopt);
  bool erase();  // the selection, by Backspace or Delete
  bool copy();
  bool cut();
  bool home(bool extend);
  bool end(bool extend);
  bool selectAll();
  void replaceSelection(std::u16string_view with);

  // The control changed its text by an edit of its own.
  void controlEdited();
  // The control's cursor may have moved; the part follows it.
  void cursorMoved();

 private:
  [[nodiscard]] int offset() const { return partial_ ? part_.offset() : 0; }
  void hold(std::u16string text);
  void place(int anchor, int cursor);
  // What the control holds, as far as this editor wrote it or last saw it edited.
  [[nodiscard]] std::u16string_view held() const;

  TextControl& control_;
  bool partial_ = false;  // whether whole_ holds the text and the control only a part of it
  std::u16string whole_;
  std::u16string local_;  // the control's whole text, while it holds all of it
  TextPart part_;         // which part of whole_ the control holds
  int anchor_ = 0;        // the selection's anchor in whole_, which may lie outside the part
  bool placing_ = false;  // the control's text or selection is being written from here
};

}  // namespace quorvel::forms
